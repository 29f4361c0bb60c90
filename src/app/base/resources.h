#pragma once
// The program's resources (icons, help text) live in the GUI library; whoever reads them calls
// this first so the linker keeps them and they are registered once.

namespace app {
void initResources();
}
