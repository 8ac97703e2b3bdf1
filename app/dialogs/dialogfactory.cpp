// The input dialogs by name.
#include "app/dialogs/dialogfactory.h"

#include "app/dialogs/titledialog.h"

namespace torve::app {

QWidget* createDialog(DialogId id, WindowHost& host, QWidget* parent) {
    switch (id) {
        case DialogId::Title:
            return new TitleDialog(host, parent);
        default:
            return nullptr;
    }
}

}  // namespace torve::app
