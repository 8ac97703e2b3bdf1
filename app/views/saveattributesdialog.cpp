// The dialog that asks the size and resolution of a saved graph picture.
#include "app/views/saveattributesdialog.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/views/texts.h"
#include "app/widgets/caption.h"
#include "app/widgets/numberfield.h"

namespace torve::app {
namespace {

// The smallest picture and resolution that still hold a readable graph.
constexpr double kLeastInches = 2;
constexpr double kLeastPpi = 10;

}  // namespace

SaveAttributesDialog::SaveAttributesDialog(double height, double width, int ppi, QWidget* parent)
    : QDialog(parent), height_(new NumberField), width_(new NumberField), ppi_(new NumberField) {
    setWindowTitle(texts::kSaveAttributes);
    setAccessibleFromCaption(this, texts::kSaveAttributes);
    auto* layout = new QVBoxLayout(this);
    auto* form = new QFormLayout;
    auto field = [&](NumberField* f, const QString& caption, const QString& units, double least,
                     double value) {
        auto* label = new QLabel;
        f->setCaption(caption, units, label);
        f->setMinimum(least);
        f->setValue(value);
        form->addRow(label, f);
    };
    field(height_, texts::kHeight, texts::kInches, kLeastInches, height);
    field(width_, texts::kWidth, texts::kInches, kLeastInches, width);
    ppi_->setIntegerOnly(true);
    field(ppi_, texts::kPixelsPerInch, QString(), kLeastPpi, ppi);
    auto* ok = new QPushButton(texts::kPlainOk);
    auto* cancel = new QPushButton(texts::kPlainCancel);
    setAccessibleFromCaption(ok, texts::kPlainOk);
    setAccessibleFromCaption(cancel, texts::kPlainCancel);
    ok->setDefault(true);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(ok);
    buttons->addWidget(cancel);
    layout->addLayout(form);
    layout->addLayout(buttons);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
}

double SaveAttributesDialog::heightInches() const {
    return height_->value();
}

double SaveAttributesDialog::widthInches() const {
    return width_->value();
}

int SaveAttributesDialog::pixelsPerInch() const {
    return static_cast<int>(ppi_->value());
}

void SaveAttributesDialog::accept() {
    // Each field is checked as if the focus left it; the first that fails keeps the dialog open.
    for (NumberField* f : {height_, width_, ppi_})
        if (!f->isValidEntry()) return;
    QDialog::accept();
}

}  // namespace torve::app
