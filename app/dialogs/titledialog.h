// The project title dialog: the description line, the designer and the job number.
#pragma once

#include "app/widgets/childdialog.h"

class QLineEdit;

namespace torve::app {

// A changed title marks the project modified; the designer and the job number are taken without
// marking it, so changing only them does not ask to save.
class TitleDialog : public ChildDialog {
    Q_OBJECT

  public:
    explicit TitleDialog(WindowHost& host, QWidget* parent = nullptr);

  protected:
    void load() override;
    void store() override;

  private:
    QLineEdit* title_;
    QLineEdit* designer_;
    QLineEdit* jobNumber_;
};

}  // namespace torve::app
