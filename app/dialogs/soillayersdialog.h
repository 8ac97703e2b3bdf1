// The soil layers dialog: one row of controls per layer over a grid, and layers added, inserted and
// deleted.
#pragma once

#include <QPointer>
#include <array>
#include <vector>

#include "app/widgets/childdialog.h"
#include "engine/model/file_format.h"

class QCheckBox;
class QComboBox;
class QFrame;
class QGridLayout;
class QLabel;
class QPushButton;
class QScrollArea;

namespace torve::app {

class GridTable;
class NumberField;
class SoilDataDialog;

// Each layer row, a row of real widgets in a scrolling form, holds a button that opens the layer's soil data,
// its soil type and five values: bottom depth, the two transfer limits and the two reduction factors. The
// rows edit the project's soil layer table, which a table window may show at the same time: every change of
// the table lays the rows again. Insert and Delete act on the selected layer, the one last worked on.
class SoilLayersDialog : public ChildDialog {
    Q_OBJECT

  public:
    explicit SoilLayersDialog(WindowHost& host, QWidget* parent = nullptr);

    // The layer (from 0) that Insert and Delete act on.
    int selectedLayer() const { return selected_; }
    // The soil data dialog while it is open.
    SoilDataDialog* soilDataDialog() const;

  protected:
    void load() override;
    void store() override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    struct LayerRow {
        QFrame* background;  // shown behind the selected layer's row
        QPushButton* edit;
        QComboBox* soilType;
        std::array<NumberField*, 5> values;  // in the order of the grid's columns 2 to 6
    };

    // Keeps one row of controls per layer, creating and deleting rows as the layers change.
    void layRows(int count);
    LayerRow createRow(int layer);
    void updateHeadings(UnitSystem units);
    void updateButtons();
    void select(int layer);
    void addLayer();
    void insertLayer();
    void deleteLayer();
    void soilTypeChosen(int layer, int index);
    void editLayer(int layer);
    GridTable& layers() const;

    std::array<QLabel*, 7> headings_{};
    QGridLayout* headingGrid_;
    QGridLayout* rowGrid_;
    QScrollArea* rowsArea_;
    std::vector<LayerRow> rows_;
    int selected_ = 0;
    QPushButton* add_;
    QPushButton* insert_;
    QPushButton* delete_;
    QCheckBox* confirmDeletion_;
    QPointer<SoilDataDialog> soilData_;
};

}  // namespace torve::app
