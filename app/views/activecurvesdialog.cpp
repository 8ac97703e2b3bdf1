// The dialog that chooses the active curves of a graph.
#include "app/views/activecurvesdialog.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/views/texts.h"
#include "app/widgets/caption.h"

namespace torve::app {
namespace {

QPushButton* button(const QString& caption) {
    auto* b = new QPushButton(caption);
    setAccessibleFromCaption(b, caption);
    return b;
}

}  // namespace

ActiveCurvesDialog::ActiveCurvesDialog(const QStringList& names, const QStringList& codes, QWidget* parent)
    : QDialog(parent), names_(names), codes_(codes), list_(new QListWidget) {
    setWindowTitle(texts::kActiveCurvesCaption);
    setAccessibleFromCaption(this, texts::kActiveCurvesCaption);
    setMinimumSize(190, 234);
    auto* layout = new QVBoxLayout(this);
    auto* select = new QLabel(texts::kSelectCurve);
    select->setBuddy(list_);
    setAccessibleFromCaption(list_, texts::kSelectCurve);
    auto* headings = new QHBoxLayout;
    headings->addWidget(new QLabel(texts::kActiveHeading));
    headings->addWidget(new QLabel(texts::kCurveHeading), 1);
    list_->setSelectionMode(QAbstractItemView::ExtendedSelection);
    list_->setFont(QFont(QStringLiteral("monospace")));
    for (int i = 0; i < names_.size(); ++i) {
        list_->addItem(QString());
        showRow(i);
    }
    auto* toggleSelected = button(texts::kToggleSelected);
    auto* activateAll = button(texts::kActivateAll);
    auto* deactivateAll = button(texts::kDeactivateAll);
    auto* ok = button(texts::kOkButton);
    auto* cancel = button(texts::kCancel);
    ok->setDefault(true);
    auto* buttons = new QGridLayout;
    buttons->addWidget(toggleSelected, 0, 0, 1, 2);
    buttons->addWidget(activateAll, 1, 0);
    buttons->addWidget(deactivateAll, 1, 1);
    buttons->addWidget(ok, 2, 0);
    buttons->addWidget(cancel, 2, 1);
    layout->addWidget(select);
    layout->addLayout(headings);
    layout->addWidget(list_, 1);
    layout->addLayout(buttons);
    connect(list_, &QListWidget::itemDoubleClicked, this,
            [this](QListWidgetItem* item) { toggle(list_->row(item)); });
    connect(toggleSelected, &QPushButton::clicked, this, &ActiveCurvesDialog::toggleSelected);
    connect(activateAll, &QPushButton::clicked, this, [this] { setAll(true); });
    connect(deactivateAll, &QPushButton::clicked, this, [this] { setAll(false); });
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
}

void ActiveCurvesDialog::showRow(int row) {
    list_->item(row)->setText(codes_[row] + texts::kCodeGap + names_[row]);
}

void ActiveCurvesDialog::toggle(int row) {
    codes_[row] =
        codes_[row] == texts::kActiveCode ? QString(texts::kInactiveCode) : QString(texts::kActiveCode);
    showRow(row);
}

void ActiveCurvesDialog::toggleSelected() {
    for (int row = 0; row < list_->count(); ++row)
        if (list_->item(row)->isSelected()) toggle(row);
}

void ActiveCurvesDialog::setAll(bool active) {
    for (int row = 0; row < codes_.size(); ++row) {
        codes_[row] = active ? texts::kActiveCode : texts::kInactiveCode;
        showRow(row);
    }
}

}  // namespace torve::app
