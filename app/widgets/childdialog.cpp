// The load-store pattern of the input dialogs.
#include "app/widgets/childdialog.h"

#include <QApplication>
#include <QCloseEvent>

#include "app/project/project.h"
#include "app/widgets/caption.h"
#include "app/widgets/numberfield.h"
#include "app/widgets/windowhost.h"

namespace torve::app {

ChildDialog::ChildDialog(WindowHost& host, const QString& caption, QWidget* parent)
    : QWidget(parent), host_(&host) {
    setWindowTitle(caption);
    setAccessibleFromCaption(this, caption);
    setAttribute(Qt::WA_DeleteOnClose);
    Project& p = host.project();
    connect(&p, &Project::changed, this, &ChildDialog::projectChanged);
    connect(&p, &Project::unitsChanged, this, &ChildDialog::projectChanged);
}

Project& ChildDialog::project() const {
    return host_->project();
}

bool ChildDialog::commit() {
    // Controls that never held the project's values have nothing to give back.
    if (!loaded_) return true;
    QWidget* focused = QApplication::focusWidget();
    if (focused && isAncestorOf(focused)) {
        if (auto* field = qobject_cast<NumberField*>(focused); field && !field->isValidEntry()) return false;
    }
    storing_ = true;
    store();
    storing_ = false;
    return true;
}

void ChildDialog::reload() {
    loading_ = true;
    load();
    loading_ = false;
    loaded_ = true;
}

void ChildDialog::projectChanged() {
    if (!storing_ && loaded_) reload();
}

void ChildDialog::showEvent(QShowEvent* event) {
    if (!loaded_) reload();
    QWidget::showEvent(event);
}

void ChildDialog::closeEvent(QCloseEvent* event) {
    if (!commit()) {
        event->ignore();
        return;
    }
    QWidget::closeEvent(event);
}

}  // namespace torve::app
