// A graph object: titles, units and four sets of lines, shown by its own graph window.
#include "app/graph/graphplot.h"

#include <QLocale>
#include <algorithm>

#include "app/graph/expandplotunits.h"

namespace torve::app {

QString TLine::DisplayName() const {
    if (!LineName.isEmpty()) return LineName;
    const int i = plot_->indexOf(*this);
    if (i >= 0 && i < plot_->LineNames.size()) return plot_->LineNames[i];
    return plot_->CurveName + QString::number(LineNumber, 'g', QLocale::FloatingPointShortest);
}

void TGraphPlot::setUnits(int units) {
    units_ = std::clamp(units, 1, 3);
}

QString TGraphPlot::XTitle() const {
    return XUnits.isEmpty() ? XCaption
                            : XCaption + QStringLiteral(" (") + ExpandPlotUnits(XUnits, units_) + u')';
}

QString TGraphPlot::YTitle() const {
    return YUnits.isEmpty() ? YCaption
                            : YCaption + QStringLiteral(" (") + ExpandPlotUnits(YUnits, units_) + u')';
}

int TGraphPlot::LineCount(int set) const {
    return static_cast<int>(sets_.at(static_cast<std::size_t>(set)).size());
}

TLine& TGraphPlot::Line(int set, int index) const {
    return *sets_.at(static_cast<std::size_t>(set)).at(static_cast<std::size_t>(index));
}

void TGraphPlot::SetLineCount(int set, int count) {
    auto& lines = sets_.at(static_cast<std::size_t>(set));
    count = std::max(count, 0);
    if (count < static_cast<int>(lines.size())) lines.resize(static_cast<std::size_t>(count));
    while (static_cast<int>(lines.size()) < count)
        lines.push_back(std::make_unique<TLine>(*this, static_cast<double>(LineCount(Lines) + 1)));
}

void TGraphPlot::SetPointCount(int set, int count) {
    count = std::max(count, 0);
    for (auto& line : sets_.at(static_cast<std::size_t>(set)))
        line->Points.resize(static_cast<std::size_t>(count));
}

int TGraphPlot::indexOf(const TLine& line, int* set) const {
    for (std::size_t s = 0; s < sets_.size(); ++s) {
        for (std::size_t i = 0; i < sets_[s].size(); ++i) {
            if (sets_[s][i].get() == &line) {
                if (set) *set = static_cast<int>(s);
                return static_cast<int>(i);
            }
        }
    }
    return -1;
}

}  // namespace torve::app
