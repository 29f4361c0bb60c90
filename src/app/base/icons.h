#pragma once
// The editor's own icon set (tool bar, menus, application window), drawn for this project and
// shipped as SVG in the program's resources. Every icon is drawn for the size and device pixel
// ratio asked, so it stays sharp on HiDPI screens; on a dark palette the outlines turn light.
// The sizes asked at start were drawn at build time already.

#include <QIcon>
#include <QImage>
#include <QString>
#include <QStringList>

namespace app {

// The icon of that name (a file name of src/app/base/resources/icons without ".svg"). New, Open,
// Save, Undo and Redo come from the desktop's icon theme when it has them, ours otherwise. An
// unknown name gives a null icon.
QIcon icon(const QString& name);
// Always our own drawing, never the theme's.
QIcon ownIcon(const QString& name);
// The application's icon, for every window.
QIcon applicationIcon();
// Every icon name of the set.
QStringList iconNames();
// The icon's drawing for `size` pixels on a light palette made when the editor was built, or a
// null image for a size that was not drawn then.
QImage predrawnIcon(const QString& name, int size);

}  // namespace app
