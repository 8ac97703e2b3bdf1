// The noncircular pile dialog: perimeter, tip area and lengths of an H-pile or square pile.
#pragma once

#include "app/widgets/childdialog.h"

namespace torve::app {

class NumberField;

// Perimeter and tip area are entered as such, with examples of how to find them for a rectangle
// and an H-section.
class NoncircularPileDialog : public ChildDialog {
    Q_OBJECT

  public:
    explicit NoncircularPileDialog(WindowHost& host, QWidget* parent = nullptr);

  protected:
    void load() override;
    void store() override;

  private:
    QWidget* createExamples();

    NumberField* perimeter_;
    NumberField* tipArea_;
    NumberField* totalLength_;
    NumberField* zeroFrictionLength_;
    NumberField* stickupLength_;
};

}  // namespace torve::app
