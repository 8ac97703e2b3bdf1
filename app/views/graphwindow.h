// The window of one graph: the drawing with its legend, the "&Plot" menu, printing and saving.
#pragma once

#include <QImage>
#include <QStringList>
#include <QWidget>
#include <memory>
#include <vector>

class QAction;
class QMenu;
class QPrinter;

class QPainter;

namespace torve::app {

class Graph;
class GraphCanvas;
class WindowHost;

// Shows one graph object. The menu switches the legend, the soil layers, the markers, the font size
// and the line width, opens the title, legend-name and curve-activation dialogs, prints, and saves
// the picture as a bitmap, PNG or SVG file; below those, one item per active curve shows or hides
// it. These settings live in the graph, so they outlast the window; the zoom and the legend's place
// do not. The caption reads out the values under the pointer.
class GraphWindow : public QWidget {
    Q_OBJECT

  public:
    GraphWindow(Graph& graph, WindowHost& host, QWidget* parent = nullptr);
    ~GraphWindow() override;

    GraphCanvas* canvas() const { return canvas_; }
    QMenu* plotMenu() const { return plotMenu_; }

    // What the dialogs hand back, applied as when they close with OK.
    // One name per curve of the graph, every curve active or not.
    void applyLineNames(const QStringList& names);
    // One activation code per curve (" yes : " or " no  : ").
    void applyActivation(const QStringList& codes);
    void applyTitle(const QString& title, bool onTop);
    // Paints the graph at `widthInches` by `heightInches` and `ppi` into `path`, in the format its
    // extension names (a bitmap for any other). Shows a message and answers false on failure.
    bool saveTo(const QString& path, double widthInches, double heightInches, int ppi);
    // A printed page of `page` pixels at `ppi`: the graph, and a title block at its foot naming the
    // graph, the project, its job and designer, the date, the program and the file.
    void paintPrintedPage(QPainter& painter, const QRect& page, QPointF ppi) const;
    // The graph as the window shows it, for the clipboard.
    QImage picture() const;
    // Puts picture() on the clipboard (Ctrl+C and the menu's "Copy").
    void copyToClipboard();

    // Prints the graph on one page of `printer`, inside its margins, the legend drawn in.
    void printTo(QPrinter& printer);

    // The menu commands, each with its dialogs.
    void editTitle();
    void editLegend();
    void editActiveCurves();
    void print();
    void pageSetup();
    void saveToDisk();

  private:
    void createMenu();
    QAction* addChoice(QMenu* menu, const QString& caption, int value, void (GraphWindow::*apply)(int));
    void setMarkers(int every);
    void setFontSize(int size);
    void setLineWidth(int width);
    void rebuildCurveItems();
    void refreshMenu();
    void showReadout(QPointF value);
    void resultsChanged();

    Graph& graph_;
    WindowHost& host_;
    GraphCanvas* canvas_;
    QMenu* plotMenu_ = nullptr;
    QAction* showLegend_ = nullptr;
    QAction* showLayers_ = nullptr;
    QAction* showWall_ = nullptr;
    QMenu* markersMenu_ = nullptr;
    QMenu* fontMenu_ = nullptr;
    QMenu* widthMenu_ = nullptr;
    QAction* curvesSeparator_ = nullptr;
    std::vector<QAction*> curveItems_;
    std::vector<QMenu*> curveGroups_;
    std::unique_ptr<QPrinter> printer_;
    // The save-attribute dialog's values, kept between saves of this window.
    double saveWidth_ = 6, saveHeight_ = 4;
    int savePpi_ = 300;
};

}  // namespace torve::app
