// Pictures of every input dialog over the English example, in English and in S.I. units, for the
// eye: dialog_screenshots OUTPUT_FOLDER (scripts/screenshots runs it under a virtual display). Each
// dialog opens as the menus open it, inside the main window at its opening size of 1200 x 800, so
// the pictures show what fits there and what scrolls.
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPixmap>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <functional>

#include "app/dialogs/characteristiccapacitydialog.h"
#include "app/dialogs/csvcolumnsdialog.h"
#include "app/dialogs/dialogfactory.h"
#include "app/dialogs/driveabilitydialog.h"
#include "app/dialogs/layerconstantsdialog.h"
#include "app/dialogs/soildatadialog.h"
#include "app/dialogs/soillayersdialog.h"
#include "app/dialogs/soundingimportdialog.h"
#include "app/main/mainwindow.h"
#include "app/project/cptprofile.h"
#include "app/project/project.h"
#include "app/widgets/newprojectdialog.h"
#include "tests/app/support/widgetfinder.h"

using namespace torve;
using namespace torve::app;
using namespace Qt::StringLiterals;

namespace {

void save(QWidget* window, const QString& path) {
    window->show();
    for (int i = 0; i < 5; ++i) QApplication::processEvents();
    if (!window->grab().save(path)) qFatal("cannot write %s", qPrintable(path));
}

// Names a cone data file in the CPT data dialog and asks for the qc graph; `answer` meets the modal
// dialog that opens.
void importThrough(QWidget* cptDialog, const QString& file, std::function<void(QDialog*)> answer) {
    auto* name = test::findByAccessibleName<QLineEdit>(cptDialog, u"Name of file for input cone data"_s);
    if (!name) qFatal("no file name field");
    name->setText(file);
    QTimer::singleShot(0, [answer] {
        auto* modal = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        if (!modal) qFatal("no dialog shown");
        answer(modal);
    });
    for (QPushButton* b : cptDialog->findChildren<QPushButton*>())
        if (b->text() == u" Graphics Button - Qc versus depth"_s) b->click();
}

// The import of the AGS4 example: the summary of its first test, and the qc graph of its points.
void importAgsExample(QWidget* cptDialog, QMdiArea* area, const QDir& out) {
    importThrough(cptDialog, QStringLiteral(TORVE_SOURCE_DIR "/examples/cpt/two-soundings.ags"),
                  [&out](QDialog* d) {
                      if (!qobject_cast<SoundingImportDialog*>(d)) qFatal("no import dialog shown");
                      save(d, out.filePath(u"dialog-cpt-import-summary.png"_s));
                      d->accept();
                  });
    QMdiSubWindow* graph = area->activeSubWindow();
    if (!graph || graph->widget() == cptDialog) qFatal("no graph after the import");
    graph->resize(700, 620);
    save(graph, out.filePath(u"graph-cpt-after-ags-import.png"_s));
    graph->close();
}

// A CSV file whose headings name nothing: the columns dialog as it opens.
void nameCsvColumns(QWidget* cptDialog, const QDir& out) {
    const QString csv = QDir::temp().filePath(u"torve-screenshot-cone.csv"_s);
    QFile f(csv);
    if (!f.open(QIODevice::WriteOnly)) qFatal("cannot write %s", qPrintable(csv));
    f.write("Level;Cone;Sleeve;Remark\n1,5;2;20;a\n");
    f.close();
    importThrough(cptDialog, csv, [&out](QDialog* d) {
        if (!qobject_cast<CsvColumnsDialog*>(d)) qFatal("no columns dialog shown");
        save(d, out.filePath(u"dialog-csv-columns.png"_s));
        d->reject();
    });
    QFile::remove(csv);
}

}  // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    if (argc != 2) qFatal("usage: dialog_screenshots OUTPUT_FOLDER");
    // Opening the project makes its folder the current one: the output folder is fixed first.
    const QDir out(QDir(QString::fromLocal8Bit(argv[1])).absolutePath());
    const std::pair<DialogId, QString> dialogs[] = {{DialogId::ComputationMethods, u"computation-methods"_s},
                                                    {DialogId::ControlOptions, u"control-options"_s},
                                                    {DialogId::TzPrintOption, u"tz-print-option"_s},
                                                    {DialogId::CriticalDepth, u"critical-depth"_s},
                                                    {DialogId::PileMaterial, u"pile-material"_s},
                                                    {DialogId::CircularPile, u"circular-pile"_s},
                                                    {DialogId::NoncircularPile, u"noncircular-pile"_s},
                                                    {DialogId::SoilLayers, u"soil-layers"_s},
                                                    {DialogId::SoilSettlement, u"soil-settlement"_s},
                                                    {DialogId::CptData, u"cpt-data"_s}};
    QTemporaryDir scratch;
    test::RecordedMessages messages;
    MainWindow window(std::make_unique<AppSettings>(scratch.filePath(u"settings.ini"_s)));
    window.resize(1200, 800);
    window.show();
    if (!QTest::qWaitForWindowExposed(&window)) qFatal("no window");
    if (!window.openProject(QStringLiteral(TORVE_SOURCE_DIR "/examples/sand-over-clay-pipe-english.tv6d"),
                            ProjectFormat::Current))
        qFatal("the example cannot be read");
    // The worked example's settlement: 10 in at the ground, none at 60 ft, under 100 kips.
    ProjectData settled = window.project().data();
    settled.settlement = {{{0, 60}, {10, 0}}, 100.0};
    settled.setupDays = 30;
    window.project().setData(settled);
    auto* area = window.findChild<QMdiArea*>();
    for (UnitSystem units : {UnitSystem::English, UnitSystem::SI}) {
        const QString suffix = units == UnitSystem::English ? u"-english.png"_s : u"-si.png"_s;
        window.project().setUnits(units);
        for (const auto& [id, name] : dialogs) {
            window.showDialog(id);
            QMdiSubWindow* frame = area->activeSubWindow();
            if (!frame) qFatal("no dialog %d", static_cast<int>(id));
            QWidget* dialog = frame->widget();
            save(frame, out.filePath(u"dialog-"_s + name + suffix));
            if (id == DialogId::CptData && units == UnitSystem::SI) {
                importAgsExample(dialog, area, out);
                nameCsvColumns(dialog, out);
            }
            if (auto* tabs = dialog->findChild<QTabWidget*>()) {
                tabs->setCurrentIndex(1);
                save(frame, out.filePath(u"dialog-"_s + name + u"-2"_s + suffix));
            }
            if (id == DialogId::CriticalDepth) {
                for (QRadioButton* b : dialog->findChildren<QRadioButton*>())
                    if (b->text() == u"User-Specified Critical Depth"_s) b->click();
                save(frame, out.filePath(u"dialog-"_s + name + u"-2"_s + suffix));
            }
            if (id == DialogId::SoilLayers) {
                auto* layers = qobject_cast<SoilLayersDialog*>(dialog);
                for (int layer : {1, 2}) {
                    for (QPushButton* b : layers->findChildren<QPushButton*>())
                        if (b->text() == u"Edit Layer %1"_s.arg(layer)) b->click();
                    SoilDataDialog* data = layers->soilDataDialog();
                    save(data, out.filePath(layer == 1 ? u"dialog-sand-data"_s + suffix
                                                       : u"dialog-clay-data"_s + suffix));
                    data->accept();
                }
                // The clay layer's own constants, one given and the rest at their defaults.
                GridCell toeQuake =
                    window.project().tables().soilLayers.cell(ProjectTables::ToeQuakeColumn, 1);
                toeQuake.setDouble(units == UnitSystem::English ? 0.2 : 5.08);
                LayerConstantsDialog constants(window.project(), 1, &window);
                constants.show();
                save(&constants, out.filePath(u"dialog-layer-constants"_s + suffix));
                constants.reject();
                toeQuake.setDouble(ProjectTables::kNotGiven);
            }
            frame->close();
        }
    }
    // File > New's question of the units, as the last choice (S.I.) offers it.
    NewProjectDialog newProject(UnitSystem::SI, &window);
    save(&newProject, out.filePath(u"dialog-new-project.png"_s));
    newProject.reject();
    // The characteristic capacity of three soundings whose capacities grow with depth as those of a
    // pile in uniform sand do (the square precast pile: 3520.0, 3130.1 and 3699.2 kN at 15 m).
    CharacteristicCapacityDialog characteristic(
        {Method::Api, Method::Ngi}, false,
        [](const QString& file, Method) {
            const double tip = file.endsWith(u"N1.cpt"_s)   ? 3520.0
                               : file.endsWith(u"N2.cpt"_s) ? 3130.1
                                                            : 3699.2;
            SoundingCapacity c;
            for (int i = 0; i <= 15; ++i) {
                c.depth.push_back(i);
                c.capacity.push_back(tip * (i / 15.0) * (0.4 + 0.6 * i / 15.0));
            }
            return SoundingRun{c, {}};
        },
        &window);
    characteristic.addCptFiles({u"site/N1.cpt"_s, u"site/N2.cpt"_s, u"site/N3.cpt"_s});
    characteristic.compute();
    characteristic.resize(1100, 640);
    save(&characteristic, out.filePath(u"dialog-characteristic-capacity.png"_s));
    characteristic.reject();
    // The Driveability dialog as a user fills it for the worked example: the 35 t hammer, tip depths
    // from 10 to 40 m every 10 m, the other entries at their defaults.
    {
        DriveabilitySettings drive;
        drive.hammer = QStringLiteral("examples/hammers/ram-35t-350kj.json");
        drive.from = 10;
        drive.to = 40;
        drive.step = 10;
        DriveabilityDialog driveability(window.project(), drive, &window);
        save(&driveability, out.filePath(u"dialog-driveability.png"_s));
        driveability.reject();
    }
    // Nothing of the example is saved.
    window.project().setModified(false);
    return 0;
}
