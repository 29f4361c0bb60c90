// Never compiles: the editing layer sees the document's headers (the first include) but not the
// shell above it (the second). The LayersRefuseAnUpwardInclude test builds it and wants the
// second include not found.
#include "app/document/step_text.h"
#include "app/shell/main_window.h"
