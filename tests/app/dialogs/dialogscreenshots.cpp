// Pictures of every input dialog over the English example, in English and in S.I. units, for the
// eye: dialog_screenshots OUTPUT_FOLDER (scripts/screenshots runs it under a virtual display). Each
// dialog opens as the menus open it, inside the main window at its opening size of 1200 x 800, so
// the pictures show what fits there and what scrolls.
#include <QApplication>
#include <QDir>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPixmap>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>

#include "app/dialogs/dialogfactory.h"
#include "app/dialogs/soildatadialog.h"
#include "app/dialogs/soillayersdialog.h"
#include "app/main/mainwindow.h"
#include "app/project/cptprofile.h"
#include "app/project/project.h"
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
            }
            frame->close();
        }
    }
    // Nothing of the example is saved.
    window.project().setModified(false);
    return 0;
}
