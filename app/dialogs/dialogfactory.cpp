// The input dialogs by name.
#include "app/dialogs/dialogfactory.h"

#include "app/views/soilprofileview.h"

namespace torve::app {

QWidget* createDialog(DialogId id, WindowHost& host, QWidget* parent) {
    (void)host;
    (void)parent;
    switch (id) {
        case DialogId::SoilProfile:
            return new SoilProfileView(host, parent);
        default:
            return nullptr;
    }
}

}  // namespace torve::app
