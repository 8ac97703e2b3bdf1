// The CPT data dialog.
#include "app/dialogs/cptdatadialog.h"

#include <QFileDialog>
#include <QFileInfo>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>
#include <climits>
#include <cmath>

#include "app/controls/filereading.h"
#include "app/controls/usererror.h"
#include "app/dialogs/csvcolumnsdialog.h"
#include "app/dialogs/formrows.h"
#include "app/dialogs/soundingimportdialog.h"
#include "app/dialogs/texts.h"
#include "app/project/cptimport.h"
#include "app/project/project.h"
#include "app/sounding/soundingfile.h"
#include "app/sounding/texts.h"
#include "app/widgets/caption.h"
#include "app/widgets/messages.h"
#include "app/widgets/numberfield.h"
#include "app/widgets/windowhost.h"

namespace torve::app {
namespace {

// Depth and qc take the first two columns of a data line.
constexpr double kFewestColumns = 2;
constexpr double kMostColumns = 20;
constexpr double kMostHeaderLines = 50;
constexpr double kLargestStressFactor = 1e100;

}  // namespace

CptDataDialog::CptDataDialog(WindowHost& host, QWidget* parent)
    : ChildDialog(host, texts::kCptDataCaption, parent) {
    auto* fileLabel = new QLabel(texts::kCptFile);
    fileName_ = new QLineEdit;
    fileLabel->setBuddy(fileName_);
    setAccessibleFromCaption(fileName_, texts::kCptFile);
    connect(fileName_, &QLineEdit::textEdited, this, &CptDataDialog::fileNameEdited);
    auto* browse = captionedButton(texts::kBrowse);
    connect(browse, &QPushButton::clicked, this, &CptDataDialog::browse);
    editFile_ = captionedButton(texts::kEditFile);
    connect(editFile_, &QPushButton::clicked, this, [this] { this->host().viewFile(fileName_->text()); });
    auto* file = new QHBoxLayout;
    file->addWidget(fileName_, 1);
    file->addWidget(browse);
    file->addWidget(editFile_);

    auto* grid = new QGridLayout;
    dataLines_ = addNumberRow(grid, 0, texts::kDataLines);
    dataLines_->setIntegerOnly(true);
    dataLines_->setBounds(2, INT_MAX);
    headerLines_ = addNumberRow(grid, 1, texts::kHeaderLines);
    headerLines_->setIntegerOnly(true);
    headerLines_->setBounds(0, kMostHeaderLines);
    columns_ = addNumberRow(grid, 2, texts::kColumns);
    columns_->setIntegerOnly(true);
    columns_->setBounds(kFewestColumns, kMostColumns);
    grid->addWidget(new QLabel(texts::kColumnsNote), 3, 0, 1, 2);
    stressFactor_ = addNumberRow(grid, 4, texts::kStressFactor);
    stressFactor_->setMaximum(kLargestStressFactor);
    stressFactor_->setNumber(1);
    grid->addWidget(new QLabel(texts::kStressFactorNote), 5, 0, 1, 2);
    grid->setColumnStretch(0, 1);

    auto* graphs = new QVBoxLayout;
    const std::pair<QLatin1StringView, CptProfile> buttons[] = {{texts::kQcGraph, CptProfile::Qc},
                                                                {texts::kSptGraph, CptProfile::Spt},
                                                                {texts::kSuGraph, CptProfile::Su}};
    for (const auto& [caption, profile] : buttons) {
        QPushButton* b = commandButton(caption);
        connect(b, &QPushButton::clicked, this, [this, p = profile] { showProfile(p); });
        graphs->addWidget(b);
    }
    QPushButton* close = closeButton(this);
    auto* closeRow = new QHBoxLayout;
    closeRow->addStretch();
    closeRow->addWidget(close);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(fileLabel);
    layout->addLayout(file);
    layout->addLayout(grid);
    layout->addLayout(graphs);
    layout->addStretch();
    layout->addLayout(closeRow);
}

void CptDataDialog::browse() {
    const QString path = QFileDialog::getOpenFileName(this, plainCaption(texts::kCptFile), fileName_->text(),
                                                      texts::kCptFilter);
    if (path.isEmpty()) return;
    // A script or a document chosen by mistake is named at once, before its name is taken.
    if (soundingFormatOf(path) == SoundingFormat::Plain) {
        if (const QString refused = notConeDataFile(path); !refused.isEmpty()) {
            messages().information(this, refused);
            return;
        }
    }
    fileName_->setText(path);
    fileNameEdited(path);
    if (soundingFormatOf(path) == SoundingFormat::Plain) return;
    importedFrom_.clear();
    showProfile(CptProfile::Qc);
}

bool CptDataDialog::importSounding(const QString& path) {
    Sounding sounding;
    try {
        std::vector<CsvColumnChoice> chosen;
        if (soundingFormatOf(path) == SoundingFormat::Csv) {
            // Headings that do not name depth and qc with their units: the user names the columns.
            const QStringList headings = csvHeadings(readFileWhole(path, texts::kSoundingUnopenable), path);
            if (!csvNamesConeColumns(headings)) {
                CsvColumnsDialog columns(headings, path, this);
                if (columns.exec() != QDialog::Accepted) return false;
                chosen = columns.choices();
            }
        }
        sounding = readSoundingFile(path, chosen);
        if (sounding.tests.empty()) throw UserError(QString(texts::kSoundingNoTests).arg(path));
    } catch (const UserError& e) {
        messages().information(this, e.message());
        return false;
    }
    SoundingImportDialog chooser(std::move(sounding), path, project().data().units, this);
    if (chooser.exec() != QDialog::Accepted || !chooser.result()) return false;
    project().setCptPoints(chooser.result()->points, chooser.result()->readings);
    importedFrom_ = path;
    importedPoints_ = chooser.result()->points;
    return true;
}

void CptDataDialog::fileNameEdited(const QString& name) {
    editFile_->setEnabled(!name.isEmpty());
    if (name != project().data().cptImport.dataFile) project().setModified(true);
}

void CptDataDialog::showProfile(CptProfile profile) {
    if (!commit()) return;
    const QString name = project().data().cptImport.dataFile;
    if (soundingFormatOf(name) != SoundingFormat::Plain) {
        const bool shown = name == importedFrom_ && project().data().cptPoints == importedPoints_;
        if (!shown && !importSounding(name)) return;
        Graph& graph = project().cptGraph(profile);
        showCptProfile(graph, project().data(), profile);
        host().showGraph(graph);
        return;
    }
    CptImport import(project());
    import.stressFactor = fieldValue(stressFactor_, 1.0);
    try {
        import.read();
    } catch (const UserError& e) {
        messages().information(this, e.message());
        return;
    }
    Graph& graph = project().cptGraph(profile);
    showCptProfile(graph, project().data(), profile);
    host().showGraph(graph);
}

void CptDataDialog::load() {
    const CptImportSettings& s = project().data().cptImport;
    fileName_->setText(s.dataFile);
    editFile_->setEnabled(!s.dataFile.isEmpty());
    showValue(dataLines_, s.dataLines);
    showValue(headerLines_, s.headerLines);
    showValue(columns_, s.columns);
    showFromStart(this);
}

void CptDataDialog::store() {
    ProjectData d = project().data();
    CptImportSettings& s = d.cptImport;
    s.dataFile = fileName_->text();
    auto whole = [](const NumberField* f, int fallback) {
        return static_cast<int>(std::lround(fieldValue(f, fallback)));
    };
    s.dataLines = whole(dataLines_, s.dataLines);
    s.headerLines = whole(headerLines_, s.headerLines);
    s.columns = whole(columns_, s.columns);
    project().setData(d);
}

}  // namespace torve::app
