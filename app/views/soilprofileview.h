// The "Elevation View": the project's soil layers and pile to scale, with a depth read-out.
#pragma once

#include "app/render/soilprofile.h"
#include "app/widgets/childdialog.h"

class QPrinter;

namespace torve::app {

// A child window that draws the soil layers of the "Soil Properties" table and the pile in one
// elevation at equal scales across and down. Rebuilt from the project whenever it is shown,
// activated or the project changes; it edits nothing. The caption follows the pointer with the
// depth under it; "Print" draws the same picture on a landscape page.
class SoilProfileView : public ChildDialog {
    Q_OBJECT

  public:
    explicit SoilProfileView(WindowHost& host, QWidget* parent = nullptr);

    const SoilProfile& profile() const { return profile_; }
    // The drawing area: its world window, and the depth read-out at one of its pixel rows.
    QWidget* drawing() const { return drawing_; }
    WorldWindow world() const;
    void showDepthAt(int y);

    void print();
    // Draws the view on a landscape page of `printer`.
    void printTo(QPrinter& printer);

  protected:
    void load() override;
    void store() override {}
    void changeEvent(QEvent* event) override;

  private:
    SoilProfile profile_;
    QWidget* drawing_;
};

}  // namespace torve::app
