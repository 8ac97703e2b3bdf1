// The "Elevation View" of the project's soil layers and pile.
#include "app/views/soilprofileview.h"

#include <QEvent>
#include <QHBoxLayout>
#include <QMouseEvent>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QVBoxLayout>
#include <functional>

#include "app/project/project.h"
#include "app/render/soilprofilepainter.h"
#include "app/views/texts.h"
#include "app/widgets/caption.h"
#include "app/widgets/messages.h"

namespace torve::app {
namespace {

// The drawing surface: paints through the soil profile painter and reports the pointer's row.
class ProfileDrawing : public QWidget {
  public:
    ProfileDrawing(const SoilProfile& profile, std::function<void(int)> pointerAt)
        : profile_(profile), pointerAt_(std::move(pointerAt)) {
        setMouseTracking(true);
        setMinimumSize(200, 150);
    }

  protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        SoilProfilePainter::Style style = SoilProfilePainter::windowStyle(
            palette().color(QPalette::Window), palette().color(QPalette::WindowText), font());
        style.depthUnit = depthUnit;
        SoilProfilePainter(profile_).paint(painter, rect(), profile_.world(size()), style);
    }

  public:
    QString depthUnit;
    void mouseMoveEvent(QMouseEvent* event) override { pointerAt_(event->position().toPoint().y()); }

  private:
    const SoilProfile& profile_;
    std::function<void(int)> pointerAt_;
};

}  // namespace

SoilProfileView::SoilProfileView(WindowHost& host, QWidget* parent)
    : ChildDialog(host, texts::kElevationView, parent),
      drawing_(new ProfileDrawing(profile_, [this](int y) { showDepthAt(y); })) {
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(drawing_, 1);
    auto* print = new QPushButton(texts::kPrintButton);
    setAccessibleFromCaption(print, texts::kPrintButton);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(print);
    buttons->addStretch();
    layout->addLayout(buttons);
    connect(print, &QPushButton::clicked, this, &SoilProfileView::print);
    resize(640, 520);
}

WorldWindow SoilProfileView::world() const {
    return profile_.world(drawing_->size());
}

void SoilProfileView::showDepthAt(int y) {
    const WorldWindow w = world();
    if (!(w.height() > 0) || drawing_->height() <= 0) return;
    setWindowTitle(texts::kDepthReadout +
                   QString::number(SoilProfilePainter::depthAt(y, drawing_->height(), w), 'f', 1));
}

void SoilProfileView::load() {
    profile_ = SoilProfile::of(project().data(), project().tables().soilLayers);
    static_cast<ProfileDrawing*>(drawing_)->depthUnit =
        project().data().units == UnitSystem::SI ? texts::kMetreUnit : texts::kFootUnit;
    drawing_->update();
}

void SoilProfileView::changeEvent(QEvent* event) {
    ChildDialog::changeEvent(event);
    if (event->type() == QEvent::ActivationChange && isActiveWindow()) reload();
}

void SoilProfileView::print() {
    QPrinter printer(QPrinter::HighResolution);
    printer.setPageOrientation(QPageLayout::Landscape);
    QPrintDialog dialog(&printer, this);
    if (dialog.exec() == QDialog::Accepted) printTo(printer);
}

void SoilProfileView::printTo(QPrinter& printer) {
    printer.setPageOrientation(QPageLayout::Landscape);
    printer.setDocName(texts::kSoilPileProfile);
    QPainter painter;
    if (!painter.begin(&printer)) {
        messages().warning(this, texts::kPrinterNotStarted);
        return;
    }
    const QRect page(QPoint(), printer.pageLayout().paintRectPixels(printer.resolution()).size());
    SoilProfilePainter::Style style = SoilProfilePainter::pageStyle(page.width(), font());
    style.depthUnit = project().data().units == UnitSystem::SI ? texts::kMetreUnit : texts::kFootUnit;
    SoilProfilePainter(profile_).paint(painter, page, profile_.world(page.size()), style);
    painter.end();
}

}  // namespace torve::app
