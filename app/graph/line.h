// A named series of points of a graph object.
#pragma once

#include <QString>
#include <vector>

namespace torve::app {

class TGraphPlot;

struct TFloatPoint {
    double X = 0;
    double Y = 0;
};

class TLine {
  public:
    TLine(TGraphPlot& plot, double lineNumber) : LineNumber(lineNumber), plot_(&plot) {}

    std::vector<TFloatPoint> Points;
    QString LineName;
    double LineNumber;
    bool Active = true;      // listed in the graph window's legend and menu
    bool CurveShown = true;  // drawn

    TGraphPlot& plot() const { return *plot_; }
    // LineName; else the plot's LineNames entry at the line's index; else CurveName + LineNumber.
    QString DisplayName() const;

  private:
    TGraphPlot* plot_;
};

}  // namespace torve::app
