// The load-store pattern of the input dialogs.
#include "app/widgets/childdialog.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QBoxLayout>
#include <QCloseEvent>
#include <QMdiSubWindow>
#include <QScrollArea>
#include <QScrollBar>

#include "app/project/project.h"
#include "app/widgets/caption.h"
#include "app/widgets/numberfield.h"
#include "app/widgets/texts.h"
#include "app/widgets/windowhost.h"

namespace torve::app {
namespace {

// A scroll area that asks for the whole of its contents: the frame around it decides how much of
// that it gets, and the bars make up the rest.
class WholeContentScrollArea : public QScrollArea {
  public:
    QSize sizeHint() const override {
        const int frame = 2 * frameWidth();
        if (!widget()) return QScrollArea::sizeHint();
        // Room for the vertical bar as well, so that a dialog cut in height does not also need
        // a horizontal bar for the width its vertical bar takes.
        return widget()->sizeHint() + QSize(frame + verticalScrollBar()->sizeHint().width(), frame);
    }
};

// The index of the last item of `layout` that holds a button named `name` (itself or in a row of
// its own), or -1.
int lastRowWith(QBoxLayout* layout, const QString& name) {
    const auto holds = [&](QWidget* w) {
        if (auto* b = qobject_cast<QAbstractButton*>(w); b && b->accessibleName() == name) return true;
        for (auto* b : w->findChildren<QAbstractButton*>())
            if (b->accessibleName() == name) return true;
        return false;
    };
    for (int i = layout->count() - 1; i >= 0; --i) {
        QLayoutItem* item = layout->itemAt(i);
        if (QWidget* w = item->widget(); w && holds(w)) return i;
        if (QLayout* row = item->layout())
            for (int k = 0; k < row->count(); ++k)
                if (QWidget* w = row->itemAt(k)->widget(); w && holds(w)) return i;
    }
    return -1;
}

}  // namespace

ChildDialog::ChildDialog(WindowHost& host, const QString& caption, QWidget* parent)
    : QWidget(parent), host_(&host) {
    setWindowTitle(caption);
    setAccessibleFromCaption(this, caption);
    setAttribute(Qt::WA_DeleteOnClose);
    Project& p = host.project();
    connect(&p, &Project::changed, this, &ChildDialog::projectChanged);
    connect(&p, &Project::unitsChanged, this, &ChildDialog::projectChanged);
    // Escape leaves as "Close" does, values stored.
    auto* escape = new QAction(this);
    escape->setShortcut(QKeySequence(Qt::Key_Escape));
    escape->setShortcutContext(Qt::WidgetWithChildrenShortcut);
    addAction(escape);
    connect(escape, &QAction::triggered, this, &ChildDialog::closeFrame);
}

void ChildDialog::closeFrame() {
    if (auto* frame = qobject_cast<QMdiSubWindow*>(parentWidget()))
        frame->close();
    else
        close();
}

void ChildDialog::scrollWhenLarge() {
    QLayout* content = layout();
    if (scroll_ || !content) return;
    const QMargins margins = content->contentsMargins();
    auto* inner = new QWidget;
    inner->setLayout(content);  // takes the layout and its widgets over from the dialog
    scroll_ = new WholeContentScrollArea;
    scroll_->setFrameShape(QFrame::NoFrame);
    // Neither a Tab stop nor a taker of the clicks its controls leave.
    scroll_->setFocusPolicy(Qt::NoFocus);
    scroll_->setWidgetResizable(true);
    scroll_->setWidget(inner);
    auto* outer = new QVBoxLayout(this);
    outer->setContentsMargins(0, 0, 0, 0);
    outer->setSpacing(0);
    outer->addWidget(scroll_, 1);
    auto* box = qobject_cast<QBoxLayout*>(content);
    const int closeRow = box ? lastRowWith(box, texts::kCloseRowName) : -1;
    if (closeRow < 0) return;
    // The row of "Close" and what follows it (a note under the buttons) stay below the scroll area.
    auto* footer = new QWidget;
    auto* footerLayout = new QVBoxLayout(footer);
    footerLayout->setContentsMargins(margins.left(), 0, margins.right(), margins.bottom());
    while (box->count() > closeRow) {
        QLayoutItem* item = box->takeAt(closeRow);
        if (QLayout* l = item->layout()) {
            l->setParent(nullptr);
            footerLayout->addLayout(l);
        } else if (QWidget* w = item->widget()) {
            footerLayout->addWidget(w);
            delete item;
        } else {
            footerLayout->addItem(item);
        }
    }
    // The contents lose their bottom margin to the row below them.
    content->setContentsMargins(margins.left(), margins.top(), margins.right(), 0);
    outer->addWidget(footer);
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
