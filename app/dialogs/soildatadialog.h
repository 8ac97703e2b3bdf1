// The soil data dialog: the properties of one soil layer at its top and bottom.
#pragma once

#include <QDialog>
#include <QPointer>
#include <vector>

class QGridLayout;
class QLabel;
class QRadioButton;

namespace torve::app {

class GridTable;
class NumberField;
class Project;

// Opened from a row of the soil layers dialog, modal, on the sand or the clay tab as the layer's
// soil type says. A sand layer's friction angle is either entered or derived from SPT blow counts:
// the values of the other way are stored as 0. Fields of methods the project does not compute stay
// disabled. The values go straight into the layer's data when the dialog closes.
class SoilDataDialog : public QDialog {
    Q_OBJECT

  public:
    // The data of `layer` (from 0) of the project's soil layers.
    SoilDataDialog(Project& project, int layer, QWidget* parent = nullptr);

    // Checks the focused field and stores every value; false, with the focus back in the field, when
    // its entry is not valid.
    bool commit();
    void done(int result) override;

  private:
    // The caption, the top and bottom fields of one column of the layer's data, and the notes that
    // are enabled with them.
    struct ValuePair {
        int column;
        QString captionText;
        QString units;
        QWidget* caption;
        NumberField* top;
        NumberField* bottom;
        std::vector<QWidget*> notes;
    };

    QWidget* createSandPage();
    QWidget* createClayPage();
    ValuePair& addPair(QGridLayout* grid, int row, int column, const QString& caption, const QString& units,
                       QWidget* captionWidget = nullptr);
    void load();
    void store();
    void updateEnabling();
    bool isEnabled(int column) const;
    bool isShown(int column) const;

    Project& project_;
    QPointer<GridTable> data_;
    bool sand_;
    std::vector<ValuePair> pairs_;
    QRadioButton* frictionAngleOption_ = nullptr;
    QRadioButton* blowCountOption_ = nullptr;
};

}  // namespace torve::app
