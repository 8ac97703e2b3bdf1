// The dialog of a soil layer's own constants of driving and set-up: quakes, Smith damping, and the
// set-up factor A and time t0.
#pragma once

#include <QDialog>
#include <array>

class QCheckBox;

namespace torve::app {

class NumberField;
class Project;

// Opened from the soil data dialog of a layer, modal. Each constant is either the default, shown
// greyed in its field, or the layer's own value; the values go into the layer's row of the soil
// layers when the dialog closes.
class LayerConstantsDialog : public QDialog {
    Q_OBJECT

  public:
    LayerConstantsDialog(Project& project, int layer, QWidget* parent = nullptr);

    // Checks the focused field and stores every value; false, with the focus back in the field, when
    // its entry is not valid.
    bool commit();
    void done(int result) override;

  private:
    struct Row {
        QCheckBox* useDefault = nullptr;
        NumberField* field = nullptr;
        double defaultValue = 0;
    };
    void showDefault(Row& row);
    void load();
    void store();

    Project& project_;
    int layer_;
    std::array<Row, 6> rows_;
};

}  // namespace torve::app
