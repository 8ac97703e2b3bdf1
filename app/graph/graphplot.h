// A graph object: titles, units and four sets of lines, shown by its own graph window.
#pragma once

#include <QString>
#include <QStringList>
#include <array>
#include <memory>
#include <vector>

#include "app/graph/line.h"

namespace torve::app {

// The results drawn by the program and the CPT profile live in graph objects held by the
// workspace. Set 0 holds the curves, set 1 the soil-layer marks; sets 2 and 3 serve the graph
// window.
class TGraphPlot {
  public:
    enum LineSet { Lines = 0, LayerLines = 1, Set2 = 2, Set3 = 3 };

    TGraphPlot() = default;
    TGraphPlot(const TGraphPlot&) = delete;
    TGraphPlot& operator=(const TGraphPlot&) = delete;

    QString Caption;
    QString CurveName = QStringLiteral("Curve #");
    QString XCaption, YCaption, XUnits, YUnits;
    QString XCaption2, XUnits2, YCaption2, YUnits2, XCaption3, XUnits3, YCaption3, YUnits3;
    bool XOnTop = true;
    bool ShowLegend = true;
    bool ShowLayers = false;
    bool ShowWall = false;
    bool ShowThree = false;
    bool ShowFontWidth = true;
    int WallLineCount = 0;
    int Markers = 1;
    int SizeFont = 10;
    int LegendFont = 11;
    int WidthLine = 1;
    QString GraphTitle;
    bool TitleOnTop = false;
    QStringList LineNames;

    // 1 English, 2 S.I., 3 templates shown literally; brought into 1..3.
    int Units() const { return units_; }
    void setUnits(int units);

    // Axis titles as the graph window draws them: caption, and " (" + units + ")" with a template.
    QString XTitle() const;
    QString YTitle() const;

    int LineCount(int set = Lines) const;
    TLine& Line(int set, int index) const;
    TLine& Line(int index) const { return Line(Lines, index); }
    // Removes lines from the end or appends new ones (a negative count counts as 0).
    void SetLineCount(int set, int count);
    // Every line of the set gets `count` points; new points are (0, 0).
    void SetPointCount(int set, int count);
    int indexOf(const TLine& line, int* set = nullptr) const;

  private:
    int units_ = 1;
    std::array<std::vector<std::unique_ptr<TLine>>, 4> sets_;
};

}  // namespace torve::app
