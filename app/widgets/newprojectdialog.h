// File > New: the unit system of the new project, asked before it is made.
#pragma once

#include <QDialog>
#include <optional>

#include "engine/model/file_format.h"

class QRadioButton;

namespace torve::app {

// S.I. or English, the last choice checked; the values a new project starts with (its computation
// increment among them) follow the choice.
class NewProjectDialog : public QDialog {
    Q_OBJECT

  public:
    explicit NewProjectDialog(UnitSystem suggested, QWidget* parent = nullptr);

    UnitSystem units() const;

    // Shows the dialog modally: the system chosen, or none when the user cancels.
    static std::optional<UnitSystem> ask(QWidget* parent, UnitSystem suggested);

  private:
    QRadioButton* si_;
    QRadioButton* english_;
};

}  // namespace torve::app
