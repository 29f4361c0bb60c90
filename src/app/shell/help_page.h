#pragma once
// The "Home page" command: the address configured in "ZynED.ini" ([Options] HomePage), or else
// the editor's own help page, made from the README shipped inside the program and written as
// HTML into a folder of the user's cache. When no browser starts, a box says so and names the
// address, so the user can open it by hand.

#include <QString>
#include <QUrl>

#include <functional>

class QWidget;

namespace app {

class Prompter;

// Writes the help page (help.html) into `folder`, creating it when needed; the file's path, or
// an empty string with `error` set.
QString writeHelpPage(const QString& folder, QString* error = nullptr);

// Opens `configured` when it is not empty, else the help page written into `helpFolder`, with
// `open` (the desktop's browser by default). False when nothing could be shown; the box then
// told the user why.
using UrlOpener = std::function<bool(const QUrl&)>;
bool openHomePage(QWidget* parent, Prompter& prompter, const QString& configured,
                  const QString& helpFolder, const UrlOpener& open = {});

// The folder the editor writes its help page into: the user's cache folder for the program.
QString defaultHelpFolder();

}  // namespace app
