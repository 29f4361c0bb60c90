#pragma once
// The "Home page" command: the address configured in "ZynED.ini" ([Options] HomePage), opened
// in the desktop's browser, or else the handbook in the editor's own window. When no browser
// starts, a box says so and names the address, so the user can open it by hand.

#include <QString>
#include <QUrl>

#include <functional>

class QWidget;

namespace app {

class Prompter;

// Opens `configured` with `open` (the desktop's browser by default) when it is not empty, else
// the handbook's contents. False when nothing could be shown; the box then told the user why.
using UrlOpener = std::function<bool(const QUrl&)>;
bool openHomePage(QWidget* parent, Prompter& prompter, const QString& configured,
                  const UrlOpener& open = {});

}  // namespace app
