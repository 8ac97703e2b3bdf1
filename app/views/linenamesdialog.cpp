// The dialog that renames the curves of a graph.
#include "app/views/linenamesdialog.h"

#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>

#include "app/render/graphstyle.h"
#include "app/views/texts.h"
#include "app/widgets/caption.h"
#include "app/widgets/messages.h"

namespace torve::app {

LineNamesDialog::LineNamesDialog(const QStringList& names, QWidget* parent)
    : QDialog(parent), list_(new QListWidget), edit_(new QLineEdit) {
    setWindowTitle(texts::kLegendCaption);
    setAccessibleFromCaption(this, texts::kLegendCaption);
    setMinimumSize(195, 167);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(10, 10, 10, 10);
    layout->setSpacing(5);
    auto* selectLabel = new QLabel(texts::kSelectLine);
    selectLabel->setBuddy(list_);
    setAccessibleFromCaption(list_, texts::kSelectLine);
    list_->addItems(names);
    auto* typeLabel = new QLabel(texts::kTypeNewLegend);
    typeLabel->setBuddy(edit_);
    setAccessibleFromCaption(edit_, texts::kTypeNewLegend);
    auto* ok = new QPushButton(texts::kOkButton);
    auto* cancel = new QPushButton(texts::kCancel);
    setAccessibleFromCaption(ok, texts::kOkButton);
    setAccessibleFromCaption(cancel, texts::kCancel);
    auto* buttons = new QHBoxLayout;
    buttons->setContentsMargins(10, 0, 10, 0);
    buttons->addWidget(ok);
    buttons->addStretch();
    buttons->addWidget(cancel);
    layout->addWidget(selectLabel);
    layout->addWidget(list_, 1);
    layout->addWidget(typeLabel);
    layout->addWidget(edit_);
    layout->addLayout(buttons);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(list_, &QListWidget::currentRowChanged, this, &LineNamesDialog::pick);
    connect(edit_, &QLineEdit::editingFinished, this, &LineNamesDialog::commitEdit);
    if (!names.isEmpty()) list_->setCurrentRow(0);
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        adjustSize();
        move(screen->availableGeometry().center() - rect().center());
    }
}

QStringList LineNamesDialog::names() const {
    QStringList names;
    for (int i = 0; i < list_->count(); ++i) names << list_->item(i)->text();
    return names;
}

void LineNamesDialog::pick(int row) {
    if (row < 0) return;
    edit_->setText(list_->item(row)->text());
    QPalette palette = edit_->palette();
    palette.setColor(QPalette::Text, curveColour(row));
    edit_->setPalette(palette);
}

bool LineNamesDialog::commitEdit() {
    const int row = list_->currentRow();
    if (row < 0) return true;
    if (edit_->text().isEmpty()) {
        messages().warning(this, texts::kLineMustHaveName);
        edit_->setText(list_->item(row)->text());
        return false;
    }
    list_->item(row)->setText(edit_->text());
    return true;
}

void LineNamesDialog::accept() {
    if (commitEdit()) QDialog::accept();
}

}  // namespace torve::app
