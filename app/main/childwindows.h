// Making the main window's child windows by name: the input dialogs and the soil profile view.
#pragma once

#include "app/widgets/dialogid.h"

class QWidget;

namespace torve::app {

class WindowHost;

// A new child window `id` over the host's project, or nullptr when the program has no such window.
QWidget* createChildWindow(DialogId id, WindowHost& host, QWidget* parent = nullptr);

}  // namespace torve::app
