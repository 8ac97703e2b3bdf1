// Making the input dialogs by name.
#pragma once

#include "app/widgets/dialogid.h"

class QWidget;

namespace torve::app {

class WindowHost;

// A new dialog `id` over the host's project, or nullptr when it names no input dialog (the views
// are made by the main window: app/main/childwindows.h).
QWidget* createDialog(DialogId id, WindowHost& host, QWidget* parent = nullptr);

}  // namespace torve::app
