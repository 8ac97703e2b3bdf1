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

// The smallest picture and resolution that still hold a readable graph, and the largest that can
// still be drawn: beyond them the fonts and lines of the painter no longer fit its coordinates, and
// a picture would come out empty.
constexpr double kLeastInches = 2;
constexpr double kLeastPpi = 10;
constexpr double kMostInches = 1000;
constexpr double kMostPpi = 1200;

}  // namespace

SaveAttributesDialog::SaveAttributesDialog(double height, double width, int ppi, QWidget* parent)
    : QDialog(parent), height_(new NumberField), width_(new NumberField), ppi_(new NumberField) {
    setWindowTitle(texts::kSaveAttributes);
    setAccessibleFromCaption(this, texts::kSaveAttributes);
    auto* layout = new QVBoxLayout(this);
    auto* form = new QFormLayout;
    auto field = [&](NumberField* f, const QString& caption, const QString& units, double least, double most,
                     double value) {
        auto* label = new QLabel;
        f->setCaption(caption, units, label);
        f->setMinimum(least);
        f->setMaximum(most);
        f->setValue(value);
        form->addRow(label, f);
    };
    field(height_, texts::kHeight, texts::kInches, kLeastInches, kMostInches, height);
    field(width_, texts::kWidth, texts::kInches, kLeastInches, kMostInches, width);
    ppi_->setIntegerOnly(true);
    field(ppi_, texts::kPixelsPerInch, QString(), kLeastPpi, kMostPpi, ppi);
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
