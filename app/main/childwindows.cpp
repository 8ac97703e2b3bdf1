// The main window's child windows by name: the views here, the input dialogs from their factory.
#include "app/main/childwindows.h"

#include "app/dialogs/dialogfactory.h"
#include "app/views/soilprofileview.h"

namespace torve::app {

QWidget* createChildWindow(DialogId id, WindowHost& host, QWidget* parent) {
    if (id == DialogId::SoilProfile) return new SoilProfileView(host, parent);
    return createDialog(id, host, parent);
}

}  // namespace torve::app
