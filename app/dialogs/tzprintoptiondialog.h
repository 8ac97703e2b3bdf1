// The t-z print option dialog: t-z curves also at depths the user lists.
#pragma once

#include "app/widgets/childdialog.h"

class QCheckBox;
class QPushButton;

namespace torve::app {

// The depths themselves are edited in the table window of the t-z print depths; they are kept when
// printing is switched off.
class TzPrintOptionDialog : public ChildDialog {
    Q_OBJECT

  public:
    explicit TzPrintOptionDialog(WindowHost& host, QWidget* parent = nullptr);

  protected:
    void load() override;
    void store() override;

  private:
    QCheckBox* printExtraTz_;
    QPushButton* editDepths_;
};

}  // namespace torve::app
