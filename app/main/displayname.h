// The name of a project as the main window's caption and the save dialog's title show it.
#pragma once

#include <QString>

namespace torve::app {

// The file name without its folder; the extension goes only when it is ".tv6" (any case), the
// dialogs' default extension, so a project keeps its ".tv6d"; a name of two or more characters
// starts with a capital.
QString displayName(const QString& path);

// "TORVE 2014.6.3 - Offshore - " and the display name.
QString windowCaption(const QString& path);

}  // namespace torve::app
