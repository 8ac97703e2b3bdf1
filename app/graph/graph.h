// A graph: titles, units and four sets of lines, shown by a graph window.
#pragma once

#include <QString>
#include <QStringList>
#include <array>
#include <vector>

#include "app/graph/graphmark.h"
#include "app/graph/plotline.h"
#include "app/graph/texts.h"

namespace torve::app {

// The results the program draws and the CPT profile are held in graphs. The first set holds the
// curves, the second the soil-layer marks; the other two serve the graph window (wall lines and
// the three-panel display). A graph window keeps its settings (markers, font size, line names,
// shown curves) here, so they survive closing and reopening the window.
class Graph {
  public:
    enum LineSet { Curves = 0, LayerMarks = 1, ExtraLines1 = 2, ExtraLines2 = 3 };

    // Stable name of the graph, as the files written from it are named ("pltSkin", "PltQw", ...).
    QString identifier;
    QString caption;
    QString curveName = texts::kDefaultCurveName;
    QString xCaption, yCaption, xUnits, yUnits;
    QString xCaption2, xUnits2, yCaption2, yUnits2, xCaption3, xUnits3, yCaption3, yUnits3;
    bool xOnTop = true;  // depth graphs: the x axis along the top, depth growing downward
    bool showLegend = true;
    bool showLayers = false;
    bool showWall = false;
    bool showThree = false;
    bool showFontWidth = true;
    int wallLineCount = 0;
    int markers = 1;  // a marker every n points; 0 none
    int fontSize = 10;
    int legendFontSize = 11;
    int lineWidth = 1;
    QString title;  // set by the user in the graph window
    bool titleOnTop = false;
    QStringList lineNames;
    // Points the results single out, each drawn as a dot with its label over the curves.
    std::vector<GraphMark> marks;

    // 1 English, 2 S.I., 3 templates shown literally; brought into 1..3.
    int units() const { return units_; }
    void setUnits(int units);

    // Axis titles as the graph window draws them: caption, and " (" + units + ")" with a template.
    QString xTitle() const;
    QString yTitle() const;

    int lineCount(LineSet set = Curves) const;
    PlotLine& line(int index, LineSet set = Curves);
    const PlotLine& line(int index, LineSet set = Curves) const;
    // Removes lines from the end or appends new ones (a negative count counts as 0).
    void setLineCount(int count, LineSet set = Curves);
    // Every line of the set gets `count` points; new points are (0, 0).
    void setPointCount(int count, LineSet set = Curves);

    // The line's own name; else the entry of lineNames at its index; else curveName followed by
    // the line's number ("Curve #3").
    QString displayName(int index, LineSet set = Curves) const;

  private:
    int units_ = 1;
    std::array<std::vector<PlotLine>, 4> sets_;
};

}  // namespace torve::app
