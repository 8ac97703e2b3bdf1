// The main window's characteristic capacity: the saved project run with each of several CPT data files.
#include <QApplication>

#include "app/dialogs/characteristiccapacitydialog.h"
#include "app/main/mainwindow.h"
#include "app/main/soundingrun.h"
#include "app/main/texts.h"
#include "app/project/project.h"

namespace torve::app {

void MainWindow::showCharacteristicCapacity() {
    // Each run reads the project from its file: it is saved first, as a run of its own saves it.
    if (!checkAndSaveForRun()) return;
    const bool english = project_->data().units == UnitSystem::English;
    std::vector<Method> methods;
    for (Method m : kTableOrder)
        if (project_->data().isSelected(m) && (!is_cone_based(m) || project_->data().offshoreEdition))
            methods.push_back(m);
    const QString file = project_->data().fileName;
    const QString engine = engineDirectory_;
    CharacteristicCapacityDialog dialog(
        methods, english,
        [file, engine](const QString& cpt, Method method) {
            QApplication::setOverrideCursor(Qt::WaitCursor);
            SoundingRun run = runWithSounding(file, cpt, method, engine);
            QApplication::restoreOverrideCursor();
            return run;
        },
        this);
    dialog.exec();
}

}  // namespace torve::app
