// The dialog that sets a graph's title.
#include "app/views/graphtitledialog.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "app/views/texts.h"
#include "app/widgets/caption.h"

namespace torve::app {

GraphTitleDialog::GraphTitleDialog(const QString& title, bool onTop, QWidget* parent)
    : QDialog(parent),
      edit_(new QLineEdit(title)),
      top_(new QRadioButton(texts::kTop)),
      bottom_(new QRadioButton(texts::kBottom)) {
    setWindowTitle(texts::kGraphCaption);
    setAccessibleFromCaption(this, texts::kGraphCaption);
    auto* layout = new QVBoxLayout(this);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    auto* label = new QLabel(texts::kEnterGraphCaption);
    label->setBuddy(edit_);
    setAccessibleFromCaption(edit_, texts::kEnterGraphCaption);
    edit_->setMinimumWidth(300);
    auto* location = new QGroupBox(texts::kCaptionLocation);
    setAccessibleFromCaption(location, texts::kCaptionLocation);
    auto* radios = new QHBoxLayout(location);
    setAccessibleFromCaption(top_, texts::kTop);
    setAccessibleFromCaption(bottom_, texts::kBottom);
    radios->addWidget(top_);
    radios->addWidget(bottom_);
    (onTop ? top_ : bottom_)->setChecked(true);
    auto* ok = new QPushButton(texts::kOkButton);
    setAccessibleFromCaption(ok, texts::kOkButton);
    ok->setDefault(true);
    layout->addWidget(label);
    layout->addWidget(edit_);
    layout->addWidget(location);
    layout->addWidget(ok, 0, Qt::AlignRight);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
}

QString GraphTitleDialog::title() const {
    return edit_->text();
}

bool GraphTitleDialog::onTop() const {
    return top_->isChecked();
}

}  // namespace torve::app
