// The dialog that asks the size and resolution of a saved graph picture.
#pragma once

#include <QDialog>

namespace torve::app {

class NumberField;

// Height and width in inches (at least 2 each) and whole pixels per inch (at least 10), typed as
// expressions in checked number fields. OK closes only when every field holds a valid entry.
class SaveAttributesDialog : public QDialog {
    Q_OBJECT

  public:
    SaveAttributesDialog(double height, double width, int ppi, QWidget* parent = nullptr);

    double heightInches() const;
    double widthInches() const;
    int pixelsPerInch() const;

    void accept() override;

  private:
    NumberField* height_;
    NumberField* width_;
    NumberField* ppi_;
};

}  // namespace torve::app
