// The window of one graph.
#include "app/views/graphwindow.h"

#include <QActionGroup>
#include <QClipboard>
#include <QDate>
#include <QFileDialog>
#include <QGuiApplication>
#include <QImage>
#include <QKeySequence>
#include <QMenu>
#include <QMenuBar>
#include <QPageSetupDialog>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>
#include <QVBoxLayout>

#include "app/controls/numbertext.h"
#include "app/graph/graph.h"
#include "app/project/project.h"
#include "app/render/graphexport.h"
#include "app/render/graphlegend.h"
#include "app/render/graphpainter.h"
#include "app/render/titleblock.h"
#include "app/views/activecurvesdialog.h"
#include "app/views/graphcanvas.h"
#include "app/views/graphtitledialog.h"
#include "app/views/legendbox.h"
#include "app/views/linenamesdialog.h"
#include "app/views/saveattributesdialog.h"
#include "app/views/texts.h"
#include "app/widgets/caption.h"
#include "app/widgets/messages.h"
#include "app/widgets/windowhost.h"

namespace torve::app {
namespace {

// The read-out shows 5 significant digits.
constexpr int kReadoutDigits = 5;
// Curve items beyond this many go into submenus of as many each.
constexpr int kCurveItemsPerMenu = 20;

struct Choice {
    int value;
    QLatin1StringView caption;
};

QString timesDefault(int value, int defaultValue) {
    return QString(texts::kTimesDefault).arg(QString::number(double(value) / defaultValue));
}

}  // namespace

GraphWindow::GraphWindow(Graph& graph, WindowHost& host, QWidget* parent)
    : QWidget(parent), graph_(graph), host_(host) {
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(graph_.caption);
    setAccessibleName(graph_.caption);
    activateCurvesAtOpening(graph_);
    canvas_ = new GraphCanvas(graph_, this);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    auto* menuBar = new QMenuBar;
    layout->setMenuBar(menuBar);
    layout->addWidget(canvas_);
    createMenu();
    menuBar->addMenu(plotMenu_);
    // Ctrl+Z opens the menu from the keyboard, wherever the focus is in the window.
    auto* openMenu = new QAction(this);
    openMenu->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Z));
    openMenu->setShortcutContext(Qt::WidgetWithChildrenShortcut);
    addAction(openMenu);
    connect(openMenu, &QAction::triggered, this,
            [this, menuBar] { plotMenu_->popup(menuBar->mapToGlobal(menuBar->rect().bottomLeft())); });
    connect(canvas_, &GraphCanvas::pointerMoved, this, &GraphWindow::showReadout);
    connect(canvas_->legend(), &LegendBox::curveToggled, this, &GraphWindow::refreshMenu);
    connect(&host_.project(), &Project::resultsChanged, this, &GraphWindow::resultsChanged);
    // A CPT graph is drawn anew when the points or the unit system change under it.
    for (CptProfile profile : {CptProfile::Qc, CptProfile::Spt, CptProfile::Su})
        if (&host_.project().cptGraph(profile) == &graph_)
            connect(&host_.project(), &Project::cptGraphsChanged, this, &GraphWindow::resultsChanged);
    printer_ = std::make_unique<QPrinter>(QPrinter::HighResolution);
    // Margins of an inch all round until the page setup says otherwise.
    printer_->setPageMargins(QMarginsF(1, 1, 1, 1), QPageLayout::Inch);
    resize(800, 600);
}

GraphWindow::~GraphWindow() = default;

QAction* GraphWindow::addChoice(QMenu* menu, const QString& caption, int value,
                                void (GraphWindow::*apply)(int)) {
    QAction* action = menu->addAction(caption);
    action->setData(value);
    action->setCheckable(true);
    connect(action, &QAction::triggered, this, [this, apply, value] { (this->*apply)(value); });
    return action;
}

void GraphWindow::createMenu() {
    plotMenu_ = new QMenu(texts::kPlotMenu, this);
    setAccessibleFromCaption(plotMenu_, texts::kPlotMenu);
    showLegend_ = plotMenu_->addAction(texts::kShowLegend);
    showLegend_->setCheckable(true);
    connect(showLegend_, &QAction::triggered, this, [this](bool on) {
        graph_.showLegend = on;
        canvas_->updateLegendVisibility();
    });
    showLayers_ = plotMenu_->addAction(texts::kShowSoilLayer);
    showLayers_->setCheckable(true);
    connect(showLayers_, &QAction::triggered, this, [this](bool on) {
        graph_.showLayers = on;
        canvas_->graphChanged();
    });
    showWall_ = plotMenu_->addAction(texts::kShowWallGeometry);
    showWall_->setCheckable(true);
    connect(showWall_, &QAction::triggered, this, [this](bool on) {
        graph_.showWall = on;
        canvas_->update();
    });

    markersMenu_ = plotMenu_->addMenu(texts::kShowMarkers);
    auto* markerGroup = new QActionGroup(markersMenu_);
    for (const Choice& c : {Choice{0, texts::kMarkersNever}, Choice{1, texts::kMarkersEvery1},
                            Choice{2, texts::kMarkersEvery2}, Choice{3, texts::kMarkersEvery3},
                            Choice{5, texts::kMarkersEvery5}, Choice{10, texts::kMarkersEvery10}})
        markerGroup->addAction(addChoice(markersMenu_, c.caption, c.value, &GraphWindow::setMarkers));

    fontMenu_ = plotMenu_->addMenu(texts::kFontSize);
    for (int size : {10, 15, 20, 25, 30, 40})
        addChoice(fontMenu_, size == 10 ? QString(texts::kDefaultSize) : timesDefault(size, 10), size,
                  &GraphWindow::setFontSize);
    widthMenu_ = plotMenu_->addMenu(texts::kLineWidth);
    for (int width : {1, 2, 4, 6, 10})
        addChoice(widthMenu_, width == 1 ? QString(texts::kDefaultSize) : timesDefault(width, 1), width,
                  &GraphWindow::setLineWidth);

    connect(plotMenu_->addAction(texts::kGraphTitle), &QAction::triggered, this, &GraphWindow::editTitle);
    connect(plotMenu_->addAction(texts::kEditLegend), &QAction::triggered, this, &GraphWindow::editLegend);
    connect(plotMenu_->addAction(texts::kActiveCurves), &QAction::triggered, this,
            &GraphWindow::editActiveCurves);
    // Qt always offers a printer, a PDF file if no other, so printing stays enabled.
    connect(plotMenu_->addAction(texts::kPrint), &QAction::triggered, this, &GraphWindow::print);
    connect(plotMenu_->addAction(texts::kPageSetup), &QAction::triggered, this, &GraphWindow::pageSetup);
    connect(plotMenu_->addAction(texts::kSaveToDisk), &QAction::triggered, this, &GraphWindow::saveToDisk);
    QAction* copy = plotMenu_->addAction(texts::kCopyGraph);
    copy->setShortcut(QKeySequence::Copy);
    copy->setShortcutContext(Qt::WidgetWithChildrenShortcut);
    addAction(copy);
    connect(copy, &QAction::triggered, this, &GraphWindow::copyToClipboard);
    curvesSeparator_ = plotMenu_->addSeparator();
    connect(plotMenu_, &QMenu::aboutToShow, this, &GraphWindow::refreshMenu);
    rebuildCurveItems();
    refreshMenu();
}

void GraphWindow::rebuildCurveItems() {
    for (QAction* a : curveItems_) delete a;
    for (QMenu* m : curveGroups_) delete m;
    curveItems_.clear();
    curveGroups_.clear();
    const std::vector<LegendEntry> entries = legendEntries(graph_);
    QMenu* menu = plotMenu_;
    for (std::size_t i = 0; i < entries.size(); ++i) {
        const int n = static_cast<int>(i);
        if (n >= kCurveItemsPerMenu && n % kCurveItemsPerMenu == 0) {
            const int last = std::min(n + kCurveItemsPerMenu, static_cast<int>(entries.size()));
            menu = plotMenu_->addMenu(QString(texts::kCurvesFromTo).arg(n + 1).arg(last));
            curveGroups_.push_back(menu);
        }
        QAction* item = menu->addAction(entries[i].name);
        item->setCheckable(true);
        const int line = entries[i].line;
        item->setData(line);
        connect(item, &QAction::triggered, this, [this, line](bool on) {
            graph_.line(line).shown = on;
            canvas_->graphChanged();
        });
        curveItems_.push_back(item);
    }
    curvesSeparator_->setVisible(!entries.empty());
}

void GraphWindow::refreshMenu() {
    const bool hasLines = graph_.lineCount() > 0;
    showLegend_->setVisible(hasLines);
    showLegend_->setChecked(graph_.showLegend);
    showLayers_->setVisible(graph_.lineCount(Graph::LayerMarks) > 0);
    showLayers_->setChecked(graph_.showLayers);
    showWall_->setVisible(graph_.wallLineCount > 0);
    showWall_->setEnabled(graph_.showLayers);
    showWall_->setChecked(graph_.showWall);
    for (QAction* a : markersMenu_->actions()) a->setChecked(a->data().toInt() == graph_.markers);
    for (QAction* a : fontMenu_->actions()) a->setChecked(a->data().toInt() == graph_.fontSize);
    for (QAction* a : widthMenu_->actions()) a->setChecked(a->data().toInt() == graph_.lineWidth);
    fontMenu_->menuAction()->setVisible(graph_.showFontWidth);
    widthMenu_->menuAction()->setVisible(graph_.showFontWidth);
    for (QAction* item : curveItems_) {
        const int line = item->data().toInt();
        if (line < graph_.lineCount()) item->setChecked(graph_.line(line).shown);
    }
}

QImage GraphWindow::picture() const {
    // As the window shows it, legend included, at the screen's resolution.
    QImage image(canvas_->size(), QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    canvas_->paintOutput(painter, image.rect(), canvas_->ppi());
    return image;
}

void GraphWindow::copyToClipboard() {
    if (QClipboard* clipboard = QGuiApplication::clipboard()) clipboard->setImage(picture());
}

void GraphWindow::setMarkers(int every) {
    graph_.markers = every;
    refreshMenu();
    canvas_->update();
}

void GraphWindow::setFontSize(int size) {
    graph_.fontSize = size;
    refreshMenu();
    canvas_->graphChanged();
}

void GraphWindow::setLineWidth(int width) {
    graph_.lineWidth = width;
    refreshMenu();
    canvas_->update();
}

void GraphWindow::showReadout(QPointF value) {
    const QChar point = QLatin1Char('.');
    setWindowTitle(graph_.caption + texts::kReadoutX + formatGeneral(value.x() + 0.0, kReadoutDigits, point) +
                   texts::kReadoutY + formatGeneral(value.y() + 0.0, kReadoutDigits, point));
}

void GraphWindow::resultsChanged() {
    // A new run or another plot file: the window shows the graph's new curves from scratch.
    activateCurvesAtOpening(graph_);
    canvas_->graphChanged(true);
    rebuildCurveItems();
    refreshMenu();
}

void GraphWindow::applyLineNames(const QStringList& names) {
    for (int i = 0; i < graph_.lineCount() && i < names.size(); ++i) graph_.line(i).name = names[i];
    const std::vector<LegendEntry> entries = legendEntries(graph_);
    for (std::size_t i = 0; i < entries.size() && i < curveItems_.size(); ++i)
        curveItems_[i]->setText(entries[i].name);
    canvas_->graphChanged();
}

void GraphWindow::applyActivation(const QStringList& codes) {
    for (int i = 0; i < graph_.lineCount() && i < codes.size(); ++i)
        graph_.line(i).active = codes[i] == texts::kActiveCode;
    rebuildCurveItems();
    refreshMenu();
    canvas_->graphChanged();
}

void GraphWindow::applyTitle(const QString& title, bool onTop) {
    graph_.title = title;
    graph_.titleOnTop = onTop;
    canvas_->graphChanged();
}

void GraphWindow::editTitle() {
    GraphTitleDialog dialog(graph_.title, graph_.titleOnTop, this);
    dialog.exec();
    applyTitle(dialog.title(), dialog.onTop());
}

void GraphWindow::editLegend() {
    QStringList names;
    for (int i = 0; i < graph_.lineCount(); ++i) names << graph_.displayName(i);
    LineNamesDialog dialog(names, this);
    if (dialog.exec() == QDialog::Accepted) applyLineNames(dialog.names());
}

void GraphWindow::editActiveCurves() {
    QStringList names, codes;
    for (int i = 0; i < graph_.lineCount(); ++i) {
        names << graph_.displayName(i);
        codes << (graph_.line(i).active ? texts::kActiveCode : texts::kInactiveCode);
    }
    ActiveCurvesDialog dialog(names, codes, this);
    if (dialog.exec() == QDialog::Accepted) applyActivation(dialog.codes());
}

void GraphWindow::print() {
    QPrintDialog dialog(printer_.get(), this);
    if (dialog.exec() == QDialog::Accepted) printTo(*printer_);
}

void GraphWindow::printTo(QPrinter& printer) {
    printer.setDocName(graph_.caption);
    QPainter painter;
    if (!painter.begin(&printer)) {
        messages().warning(this, texts::kPrinterNotStarted);
        return;
    }
    // The page inside its margins, which the page layout keeps at least at the printer's own.
    const int resolution = printer.resolution();
    const QRect page(QPoint(), printer.pageLayout().paintRectPixels(resolution).size());
    paintPrintedPage(painter, page, QPointF(resolution, resolution));
    painter.end();
}

void GraphWindow::paintPrintedPage(QPainter& painter, const QRect& page, QPointF ppi) const {
    // The graph above, and at the foot of the page the block that says whose graph it is.
    const int block = titleBlockHeight(ppi);
    const int gap = static_cast<int>(ppi.y() / 8);
    const QRect graphArea(page.topLeft(), QSize(page.width(), std::max(1, page.height() - block - gap)));
    canvas_->paintOutput(painter, graphArea, ppi);
    paintTitleBlock(painter,
                    QRect(QPoint(page.left(), page.bottom() + 1 - block), QSize(page.width(), block)), ppi,
                    titleBlockOf(host_.project().data(), graph_.caption, QDate::currentDate()));
}

void GraphWindow::pageSetup() {
    QPageSetupDialog dialog(printer_.get(), this);
    dialog.exec();
}

void GraphWindow::saveToDisk() {
    QFileDialog dialog(this);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    // PNG first: the format every program and page takes, drawn sharp at print resolution.
    const QStringList filters = {texts::kPngFilter, texts::kSvgFilter, texts::kBitmapFilter};
    const QStringList suffixes = {QStringLiteral("png"), QStringLiteral("svg"), QStringLiteral("bmp")};
    dialog.setNameFilters(filters);
    dialog.setDefaultSuffix(suffixes[0]);
    connect(&dialog, &QFileDialog::filterSelected, &dialog, [&](const QString& filter) {
        dialog.setDefaultSuffix(suffixes.value(filters.indexOf(filter), suffixes[0]));
    });
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return;
    QString path = dialog.selectedFiles().constFirst();
    // The filter decides the format unless the name itself ends in one of the three.
    const std::optional<GraphFileFormat> named = graphFileFormat(path);
    if (!named || *named == GraphFileFormat::Pdf)
        path += u'.' + suffixes.value(filters.indexOf(dialog.selectedNameFilter()), suffixes[0]);
    SaveAttributesDialog attributes(saveHeight_, saveWidth_, savePpi_, this);
    if (attributes.exec() != QDialog::Accepted) return;
    saveHeight_ = attributes.heightInches();
    saveWidth_ = attributes.widthInches();
    savePpi_ = attributes.pixelsPerInch();
    saveTo(path, saveWidth_, saveHeight_, savePpi_);
}

bool GraphWindow::saveTo(const QString& path, double widthInches, double heightInches, int ppi) {
    const GraphFileFormat format = graphFileFormat(path).value_or(GraphFileFormat::Png);
    const QSize pixels = picturePixels(QSizeF(widthInches, heightInches), ppi);
    // The picture is laid out afresh for its own size; the legend keeps its place relative to it.
    const GraphPainter painter(graph_, canvas_->ranges());
    const std::optional<QPointF> legend = canvas_->legendPlaceOn(QRect(QPoint(), pixels), QPointF(ppi, ppi));
    switch (saveGraph(path, format, painter, pixels, ppi, legend)) {
        case GraphSaveResult::Saved:
            return true;
        case GraphSaveResult::NoMemory:
            messages().error(this, texts::kNotEnoughMemory);
            return false;
        case GraphSaveResult::CannotWrite:
            messages().error(this, QString(texts::kCannotSave).arg(path));
            return false;
    }
    return false;
}

}  // namespace torve::app
