// The import of a cone data file of the exchange formats.
#include "app/dialogs/soundingimportdialog.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFileInfo>
#include <QFormLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/controls/usererror.h"
#include "app/dialogs/formrows.h"
#include "app/dialogs/texts.h"
#include "app/widgets/caption.h"

namespace torve::app {

SoundingImportDialog::SoundingImportDialog(Sounding sounding, const QString& file, UnitSystem units,
                                           QWidget* parent)
    : QDialog(parent), sounding_(std::move(sounding)), file_(file), units_(units) {
    setWindowTitle(texts::kSoundingImportCaption);
    test_ = new QComboBox;
    for (const SoundingTest& t : sounding_.tests)
        test_->addItem(QStringLiteral("%1 (%2 rows)").arg(t.id).arg(t.rows.size()));
    test_->setEnabled(sounding_.tests.size() > 1);
    cone_ = new QComboBox;
    cone_->addItem(texts::kSoundingConeQt);
    cone_->addItem(texts::kSoundingConeQc);
    summary_ = new QLabel;
    summary_->setWordWrap(true);
    summary_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    summary_->setMinimumWidth(420);

    auto* form = new QFormLayout;
    for (const auto& [caption, field] :
         {std::pair{texts::kSoundingTest, test_}, std::pair{texts::kSoundingCone, cone_}}) {
        auto* label = new QLabel(caption);
        label->setBuddy(field);
        setAccessibleFromCaption(field, caption);
        form->addRow(label, field);
    }
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Cancel);
    import_ = captionedButton(texts::kSoundingImportButton);
    buttons->addButton(import_, QDialogButtonBox::AcceptRole);
    import_->setDefault(true);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(QString(texts::kSoundingFileLabel).arg(QFileInfo(file_).fileName())));
    layout->addLayout(form);
    layout->addWidget(summary_);
    layout->addWidget(new QLabel(texts::kSoundingReplaces));
    layout->addWidget(buttons);

    connect(test_, &QComboBox::currentIndexChanged, this, &SoundingImportDialog::testChosen);
    connect(cone_, &QComboBox::currentIndexChanged, this,
            [this](int i) { refresh(i == 0 ? ConeChoice::Qt : ConeChoice::Qc); });
    testChosen();
}

QString SoundingImportDialog::summary() const {
    return summary_->text();
}

void SoundingImportDialog::testChosen() {
    // Each test starts from the default choice: qt where the test has it in every row with qc.
    if (!sounding_.tests.empty()) refresh(ConeChoice::Default);
}

void SoundingImportDialog::refresh(ConeChoice choice) {
    result_.reset();
    const auto test = static_cast<std::size_t>(std::max(0, test_->currentIndex()));
    try {
        result_ = importSounding(sounding_.tests[test], file_, units_, choice);
        summary_->setText(result_->summary(sounding_.format).join(u'\n'));
        const QSignalBlocker quiet(cone_);
        cone_->setCurrentIndex(result_->usedQt ? 0 : 1);
    } catch (const UserError& e) {
        summary_->setText(QString(e.message()).replace(u'\r', u'\n'));
    }
    import_->setEnabled(result_.has_value());
}

}  // namespace torve::app
