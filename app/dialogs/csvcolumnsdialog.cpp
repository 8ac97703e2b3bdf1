// Naming the columns of a CSV file of cone data.
#include "app/dialogs/csvcolumnsdialog.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFileInfo>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/dialogs/formrows.h"
#include "app/dialogs/texts.h"
#include "app/widgets/caption.h"

namespace torve::app {

CsvColumnsDialog::CsvColumnsDialog(const QStringList& headings, const QString& file, QWidget* parent)
    : QDialog(parent) {
    setWindowTitle(texts::kCsvColumnsCaption);
    // Wide enough for the note to read as a paragraph rather than a column of words.
    setMinimumWidth(480);
    auto* grid = new QGridLayout;
    const std::pair<QLatin1StringView, SoundingQuantity> quantities[] = {
        {texts::kCsvColumnDepth, SoundingQuantity::Depth},
        {texts::kCsvColumnQc, SoundingQuantity::Qc},
        {texts::kCsvColumnFs, SoundingQuantity::Fs},
        {texts::kCsvColumnU2, SoundingQuantity::U2},
        {texts::kCsvColumnQt, SoundingQuantity::Qt}};
    int line = 0;
    for (const auto& [caption, quantity] : quantities) {
        auto* column = new QComboBox;
        column->addItem(texts::kCsvNoneChosen);
        column->addItems(headings);
        auto* unit = new QLineEdit;
        for (qsizetype i = 0; i < headings.size(); ++i) {
            const std::optional<CsvHeading> h = recognisedHeading(headings[i]);
            if (h && h->quantity == quantity && column->currentIndex() == 0) {
                column->setCurrentIndex(static_cast<int>(i + 1));
                unit->setText(h->unit);
            }
        }
        auto* label = new QLabel(caption);
        label->setBuddy(column);
        setAccessibleFromCaption(column, caption);
        const QString unitName = QString(texts::kCsvUnitOf).arg(plainCaption(caption));
        unit->setAccessibleName(unitName);
        unit->setPlaceholderText(unitName);
        grid->addWidget(label, line, 0);
        grid->addWidget(column, line, 1);
        grid->addWidget(unit, line, 2);
        rows_.push_back({quantity, column, unit});
        ++line;
    }
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Cancel);
    QPushButton* ok = captionedButton(texts::kCsvColumnsOk);
    buttons->addButton(ok, QDialogButtonBox::AcceptRole);
    ok->setDefault(true);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(noteLabel(QString(texts::kCsvColumnsNote).arg(QFileInfo(file).fileName())));
    layout->addLayout(grid);
    layout->addWidget(buttons);
}

std::vector<CsvColumnChoice> CsvColumnsDialog::choices() const {
    std::vector<CsvColumnChoice> chosen;
    for (const Row& r : rows_)
        if (r.column->currentIndex() > 0)
            chosen.push_back({r.quantity, r.column->currentText(), r.unit->text().trimmed()});
    return chosen;
}

}  // namespace torve::app
