// The Driveability dialog: the hammer, the method of the resistance to driving, the tip depths and
// the pile's segments for a driveability run of the saved project.
#pragma once

#include <QDialog>
#include <optional>

#include "app/project/driveabilityrequest.h"

class QComboBox;
class QLabel;
class QLineEdit;

namespace torve::app {

class Project;

// Modal. Shows `last` (the settings of the dialog's last use); Run closes it accepted when its
// entries can run, else the status line says what is wrong and the focus goes to the field. The
// layer's "Dynamic and Set-up..." button opens that layer's constants, which edit the project.
class DriveabilityDialog : public QDialog {
    Q_OBJECT

  public:
    DriveabilityDialog(Project& project, const DriveabilitySettings& last, QWidget* parent = nullptr);

    // The entries as they stand; none while a number field holds a text that is not a number.
    std::optional<DriveabilitySettings> settings() const;
    // What the status line says.
    QString status() const;
    // The Run button: accepts the dialog when its entries can run.
    void run();

  private:
    QLineEdit* addOptional(class QGridLayout* grid, int row, const QString& caption, const QString& blank);
    void load(const DriveabilitySettings& s);
    void chooseHammer();
    void editLayerConstants();
    // The entry of `field`; false when it is not a number, and with `tell` the status line says so
    // and the focus goes to the field.
    bool readOptional(QLineEdit* field, std::optional<double>& value, bool tell) const;
    bool read(DriveabilitySettings& s, bool tell) const;

    Project& project_;
    QLineEdit* hammer_ = nullptr;
    QComboBox* method_ = nullptr;
    QLineEdit* from_ = nullptr;
    QLineEdit* to_ = nullptr;
    QLineEdit* step_ = nullptr;
    QLineEdit* segment_ = nullptr;
    QLineEdit* shaftFactor_ = nullptr;
    QLineEdit* baseFactor_ = nullptr;
    QLineEdit* frictionAngle_ = nullptr;
    QComboBox* layer_ = nullptr;
    QLabel* status_ = nullptr;
};

}  // namespace torve::app
