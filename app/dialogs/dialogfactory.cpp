// The input dialogs by name.
#include "app/dialogs/dialogfactory.h"

namespace torve::app {

QWidget* createDialog(DialogId id, WindowHost& host, QWidget* parent) {
    (void)host;
    (void)parent;
    switch (id) {
        default:
            return nullptr;
    }
}

}  // namespace torve::app
