// The control options dialog: computation increment, print interval, working loads, the time after
// driving of the capacity with its set-up, and the text editor.
#pragma once

#include "app/widgets/childdialog.h"

class QLineEdit;

namespace torve::app {

class NumberField;

// The increment and print interval are the project's; the text editor is the user's setting, kept
// with the recent files.
class ControlOptionsDialog : public ChildDialog {
    Q_OBJECT

  public:
    explicit ControlOptionsDialog(WindowHost& host, QWidget* parent = nullptr);

  protected:
    void load() override;
    void store() override;

  private:
    void browse();

    NumberField* incrementLength_;
    NumberField* printEvery_;
    QLineEdit* workingLoads_;
    // The working loads as shown by load(): a text left as it was leaves the fractions exact.
    QString shownWorkingLoads_;
    QLineEdit* textEditor_;
    QLineEdit* setupDays_;
    QLineEdit* setupA_;
};

}  // namespace torve::app
