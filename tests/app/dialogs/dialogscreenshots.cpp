// Pictures of every input dialog over the English example, in English and in S.I. units, for the
// eye: dialog_screenshots OUTPUT_FOLDER (scripts/screenshots runs it under a virtual display).
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QPixmap>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QTimer>

#include "app/dialogs/csvcolumnsdialog.h"
#include "app/dialogs/dialogfactory.h"
#include "app/dialogs/soildatadialog.h"
#include "app/dialogs/soillayersdialog.h"
#include "app/dialogs/soundingimportdialog.h"
#include "app/graph/graph.h"
#include "app/project/cptprofile.h"
#include "app/views/graphwindow.h"
#include "tests/app/support/recordinghost.h"

using namespace torve;
using namespace torve::app;
using namespace Qt::StringLiterals;

namespace {

void save(QWidget* window, const QString& path) {
    window->show();
    window->adjustSize();
    for (int i = 0; i < 5; ++i) QApplication::processEvents();
    if (!window->grab().save(path)) qFatal("cannot write %s", qPrintable(path));
}

// The import of the AGS4 example through the CPT data dialog: the summary of its first test, and
// the qc graph of the points it gives.
void importAgsExample(QWidget* cptDialog, test::RecordingHost& host, const QDir& out) {
    cptDialog->findChild<QLineEdit*>()->setText(
        QStringLiteral(TORVE_SOURCE_DIR "/examples/cpt/two-soundings.ags"));
    QTimer::singleShot(0, [&out] {
        auto* chooser = qobject_cast<SoundingImportDialog*>(QApplication::activeModalWidget());
        if (!chooser) qFatal("no import dialog shown");
        save(chooser, out.filePath(u"dialog-cpt-import-summary.png"_s));
        chooser->accept();
    });
    for (QPushButton* b : cptDialog->findChildren<QPushButton*>())
        if (b->text() == u" Graphics Button - Qc versus depth"_s) b->click();
    if (host.graphs.isEmpty()) qFatal("no graph after the import");
    GraphWindow window(*host.graphs.last(), host);
    window.resize(700, 620);
    window.show();
    for (int i = 0; i < 5; ++i) QApplication::processEvents();
    const QString path = out.filePath(u"graph-cpt-after-ags-import.png"_s);
    if (!window.grab().save(path)) qFatal("cannot write %s", qPrintable(path));
}

// A CSV file whose headings name nothing: the columns dialog as it opens.
void nameCsvColumns(QWidget* cptDialog, const QDir& out) {
    const QString csv = QDir::temp().filePath(u"torve-screenshot-cone.csv"_s);
    QFile f(csv);
    if (!f.open(QIODevice::WriteOnly)) qFatal("cannot write %s", qPrintable(csv));
    f.write("Level;Cone;Sleeve;Remark\n1,5;2;20;a\n");
    f.close();
    cptDialog->findChild<QLineEdit*>()->setText(csv);
    QTimer::singleShot(0, [&out] {
        QWidget* columns = QApplication::activeModalWidget();
        if (!qobject_cast<CsvColumnsDialog*>(columns)) qFatal("no columns dialog shown");
        save(columns, out.filePath(u"dialog-csv-columns.png"_s));
        qobject_cast<QDialog*>(columns)->reject();
    });
    for (QPushButton* b : cptDialog->findChildren<QPushButton*>())
        if (b->text() == u" Graphics Button - Qc versus depth"_s) b->click();
    QFile::remove(csv);
}

}  // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    if (argc != 2) qFatal("usage: dialog_screenshots OUTPUT_FOLDER");
    const QDir out(QString::fromLocal8Bit(argv[1]));
    const std::pair<DialogId, QString> dialogs[] = {{DialogId::ComputationMethods, u"computation-methods"_s},
                                                    {DialogId::ControlOptions, u"control-options"_s},
                                                    {DialogId::TzPrintOption, u"tz-print-option"_s},
                                                    {DialogId::CriticalDepth, u"critical-depth"_s},
                                                    {DialogId::PileMaterial, u"pile-material"_s},
                                                    {DialogId::CircularPile, u"circular-pile"_s},
                                                    {DialogId::NoncircularPile, u"noncircular-pile"_s},
                                                    {DialogId::SoilLayers, u"soil-layers"_s},
                                                    {DialogId::CptData, u"cpt-data"_s}};
    for (UnitSystem units : {UnitSystem::English, UnitSystem::SI}) {
        const QString suffix = units == UnitSystem::English ? u"-english.png"_s : u"-si.png"_s;
        test::RecordingHost host;
        host.project().readProject(
            QStringLiteral(TORVE_SOURCE_DIR "/examples/sand-over-clay-pipe-english.tv6d"),
            ProjectFormat::Current);
        host.project().setUnits(units);
        for (const auto& [id, name] : dialogs) {
            std::unique_ptr<QWidget> dialog(createDialog(id, host));
            dialog->setAttribute(Qt::WA_DeleteOnClose, false);
            save(dialog.get(), out.filePath(u"dialog-"_s + name + suffix));
            if (id == DialogId::CptData && units == UnitSystem::SI) {
                importAgsExample(dialog.get(), host, out);
                nameCsvColumns(dialog.get(), out);
            }
            if (auto* tabs = dialog->findChild<QTabWidget*>()) {
                tabs->setCurrentIndex(1);
                save(dialog.get(), out.filePath(u"dialog-"_s + name + u"-2"_s + suffix));
            }
            if (id == DialogId::CriticalDepth) {
                for (QRadioButton* b : dialog->findChildren<QRadioButton*>())
                    if (b->text() == u"User-Specified Critical Depth"_s) b->click();
                save(dialog.get(), out.filePath(u"dialog-"_s + name + u"-2"_s + suffix));
            }
            if (id == DialogId::SoilLayers) {
                auto* layers = qobject_cast<SoilLayersDialog*>(dialog.get());
                for (int layer : {1, 2}) {
                    for (QPushButton* b : layers->findChildren<QPushButton*>())
                        if (b->text() == u"Edit Layer %1"_s.arg(layer)) b->click();
                    SoilDataDialog* data = layers->soilDataDialog();
                    save(data, out.filePath(layer == 1 ? u"dialog-sand-data"_s + suffix
                                                       : u"dialog-clay-data"_s + suffix));
                    data->accept();
                }
            }
            dialog->hide();
        }
    }
    return 0;
}
