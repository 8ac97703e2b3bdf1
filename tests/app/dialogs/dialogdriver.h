// Driving the input dialogs as a user does: widgets found by their accessible names, entries typed
// and checked as when the user leaves the field, buttons clicked.
#pragma once

#include <QAbstractButton>
#include <QTest>
#include <QWidget>
#include <memory>

#include "app/dialogs/dialogfactory.h"
#include "app/dialogs/soillayersdialog.h"
#include "app/widgets/numberfield.h"
#include "tests/app/support/recordinghost.h"
#include "tests/app/support/widgetfinder.h"

namespace torve::app::test {

// The widget named `name`; a missing or ambiguous name ends the test run with the name.
template <class T = QWidget>
T& need(QWidget* root, const QString& name) {
    T* w = findByAccessibleName<T>(root, name);
    if (!w) qFatal("no single widget named \"%s\"", qPrintable(name));
    return *w;
}

// Types `text` into the field and runs its exit check, as leaving the field does; false when the
// check refused it.
inline bool enter(QWidget* root, const QString& name, const QString& text) {
    NumberField& field = need<NumberField>(root, name);
    field.setText(text);
    return field.isValidEntry();
}

inline void click(QWidget* root, const QString& name) {
    need<QAbstractButton>(root, name).click();
}

inline QString textOf(QWidget* root, const QString& name) {
    return need<NumberField>(root, name).text();
}

// The dialog `id` over the host's project, shown as the main window shows it.
inline std::unique_ptr<QWidget> openDialog(RecordingHost& host, DialogId id) {
    std::unique_ptr<QWidget> dialog(createDialog(id, host));
    if (!dialog) qFatal("no dialog %d", static_cast<int>(id));
    dialog->setAttribute(Qt::WA_DeleteOnClose, false);
    dialog->show();
    return dialog;
}

// The project's pile of `type`, with FHWA selected or not and the taper angle given.
inline void setPile(Project& project, PileType type, bool fhwa, double taper) {
    ProjectData d = project.data();
    d.pileType = type;
    d.setSelected(Method::Fhwa, fhwa);
    d.taperAngle = taper;
    project.setData(d);
}

// Layers of the given bottom depths, every one sand.
inline void setLayers(Project& project, const QList<double>& bottoms) {
    GridTable& d = project.tables().soilLayers;
    d.setRowCount(static_cast<int>(bottoms.size()));
    for (int i = 0; i < bottoms.size(); ++i)
        d.cell(ProjectTables::BottomDepthColumn, i).setDouble(bottoms[i]);
}

// The soil data of layer `layer`, counted from 0.
inline GridTable& layerData(Project& project, int layer) {
    return *project.tables().soilLayers.cell(ProjectTables::LayerDataColumn, layer).subTable();
}

inline SoilLayersDialog* layersDialog(const std::unique_ptr<QWidget>& dialog) {
    return qobject_cast<SoilLayersDialog*>(dialog.get());
}

}  // namespace torve::app::test
