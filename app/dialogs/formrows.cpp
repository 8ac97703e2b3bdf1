// Building blocks of the input dialogs.
#include "app/dialogs/formrows.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QLabel>
#include <QLocale>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QRadioButton>
#include <cmath>

#include "app/controls/expandunits.h"
#include "app/controls/expression.h"
#include "app/controls/usererror.h"
#include "app/dialogs/texts.h"
#include "app/widgets/caption.h"
#include "app/widgets/childdialog.h"
#include "app/widgets/numberfield.h"

namespace torve::app {

QRadioButton* captionedRadio(const QString& caption) {
    auto* b = new QRadioButton(caption);
    setAccessibleFromCaption(b, caption);
    return b;
}

QCheckBox* captionedCheckBox(const QString& caption) {
    auto* b = new QCheckBox(caption);
    setAccessibleFromCaption(b, caption);
    return b;
}

QPushButton* captionedButton(const QString& caption) {
    auto* b = new QPushButton(caption);
    setAccessibleFromCaption(b, caption);
    return b;
}

QPushButton* commandButton(const QString& caption) {
    QPushButton* b = captionedButton(caption);
    b->setFocusPolicy(Qt::TabFocus);
    return b;
}

QPushButton* closeButton(QWidget* dialog) {
    QPushButton* b = commandButton(texts::kClose);
    QObject::connect(b, &QPushButton::clicked, dialog, [dialog] {
        if (auto* child = qobject_cast<ChildDialog*>(dialog))
            child->closeFrame();
        else if (auto* frame = qobject_cast<QMdiSubWindow*>(dialog->parentWidget()))
            frame->close();
        else
            dialog->close();
    });
    return b;
}

QWidget* captionedPage(const QString& caption) {
    auto* page = new QWidget;
    setAccessibleFromCaption(page, caption);
    return page;
}

QLabel* noteLabel(const QString& text) {
    auto* label = new QLabel(text);
    label->setWordWrap(true);
    return label;
}

NumberField* addNumberRow(QGridLayout* grid, int row, const QString& caption, const QString& units,
                          int column) {
    auto* label = new QLabel;
    auto* field = new NumberField;
    field->setCaption(caption, units, label);
    grid->addWidget(label, row, column);
    grid->addWidget(field, row, column + 1);
    return field;
}

QString unitsSuffix(const QString& unitsTemplate, UnitSystem units) {
    return QStringLiteral(" (") + expandUnits(unitsTemplate, static_cast<int>(units)) + u')';
}

QString optionalText(const std::optional<double>& value) {
    return value ? QLocale().toString(*value, 'g', 12) : QString();
}

bool typedOptional(const QString& text, std::optional<double>& value) {
    const QString t = text.trimmed();
    if (t.isEmpty()) {
        value.reset();
        return true;
    }
    bool ok = false;
    double v = QLocale().toDouble(t, &ok);
    if (!ok) v = QLocale::c().toDouble(t, &ok);
    if (!ok || !std::isfinite(v)) return false;
    value = v;
    return true;
}

void showFromStart(QWidget* root) {
    for (NumberField* f : root->findChildren<NumberField*>())
        if (!f->hasFocus()) f->setCursorPosition(0);
}

void showValue(NumberField* field, double value) {
    field->setValue(value);
}

double fieldValue(const NumberField* field, double stored) {
    try {
        return field->value();
    } catch (const UserError&) {
        return stored;
    }
}

}  // namespace torve::app
