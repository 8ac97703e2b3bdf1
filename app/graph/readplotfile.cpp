// Reading the engine's plot data file into the workspace's graph objects.
#include "app/graph/readplotfile.h"

#include <QString>
#include <algorithm>
#include <array>

#include "app/graph/einouterror.h"
#include "app/graph/graphplot.h"
#include "app/graph/wordreader.h"
#include "app/project/programdata.h"
#include "app/project/workspace.h"
#include "app/table/gridtable.h"

namespace torve::app {
namespace {

// The capacity curves come in this method order; offshore methods only with the offshore edition.
struct MethodLabel {
    int code;
    const char* label;
};
constexpr std::array<MethodLabel, 9> kMethodOrder = {{{5, "User Spec."},
                                                      {1, "FHWA"},
                                                      {2, "USACE"},
                                                      {3, "Lambda"},
                                                      {4, "API"},
                                                      {6, "NGI"},
                                                      {7, "MTD"},
                                                      {8, "FUGRO"},
                                                      {9, "UWA"}}};

constexpr int kLoadLevels = 9;
constexpr int kTzPoints = 10;

// A count the rest of the file cannot hold is damage, not a reason to make room for it.
void checkFits(TWordReader& r, long long count, long long wordsEach) {
    if (count > 0 && count * wordsEach > r.WordsRemaining())
        throw EInOutError(QStringLiteral("This file either invalid or incomplete."));
}

void readTzCurves(TWordReader& r, TGraphPlot& plot, int units) {
    const int c = std::max(0, r.ReadInteger());
    checkFits(r, c, 3 + 2 * kTzPoints);
    plot.SetLineCount(TGraphPlot::Lines, c);
    plot.SetPointCount(TGraphPlot::Lines, kTzPoints);
    for (int i = 0; i < c; ++i) {
        TLine& line = plot.Line(i);
        r.ReadInteger();  // curve number
        r.ReadInteger();  // point count, always 10
        const double depth = r.ReadFloat();
        line.LineName = QString::number(depth, 'g', QLocale::FloatingPointShortest) +
                        (units == 1 ? QStringLiteral(" ft") : QStringLiteral(" m"));
        for (TFloatPoint& p : line.Points) {
            p.Y = r.ReadFloat();  // unit load transfer t
            p.X = r.ReadFloat();  // movement z
        }
    }
}

}  // namespace

void AddLayerMarks(TGraphPlot& plot, const TGridTable& layers) {
    bool hasPoint = false;
    for (int i = 0; i < plot.LineCount(); ++i) hasPoint = hasPoint || !plot.Line(i).Points.empty();
    if (!hasPoint) return;
    plot.SetLineCount(TGraphPlot::LayerLines, layers.RowCount());
    for (int i = 0; i < layers.RowCount(); ++i) {
        TLine& mark = plot.Line(TGraphPlot::LayerLines, i);
        mark.LineName = QStringLiteral("LAYER ") + QString::number(i + 1);
        mark.Points.assign(1, TFloatPoint{});
        const int type = layers.Cell(TWorkspace::SoilType, i).AsInteger();
        if (type == 1) {
            mark.LineName = QStringLiteral(" SAND ");
            mark.Points[0].X = 7;
        } else if (type == 2) {
            mark.LineName = QStringLiteral(" CLAY ");
            mark.Points[0].X = 1;
        }
        mark.Points[0].Y = layers.Cell(TWorkspace::LayerBottom, i).AsFloat();
    }
}

bool ReadPlotFile(const QString& path, TProgramData& project, QString* error) {
    try {
        TWordReader reader(path);
        return ReadPlotFile(reader, project, error);
    } catch (const EInOutError& e) {
        if (error) *error = e.message();
        return false;
    }
}

bool ReadPlotFile(TWordReader& r, TProgramData& project, QString* error) {
    TWorkspace& ws = project.workspace();
    const bool uplift = project.LoadingType != 0;
    TGraphPlot* methodPlots[] = {&ws.pltSkin, &ws.pltUSkin, &ws.pltTip, &ws.pltTotal};
    try {
        // Block 1: curve count, rows per curve, unit system, load-transfer method.
        const int m = std::max(0, r.ReadInteger());
        for (TGraphPlot* p : methodPlots) p->SetLineCount(TGraphPlot::Lines, m);
        ws.pltAxial.SetLineCount(TGraphPlot::Lines, 1);
        ws.pltLoad.SetLineCount(TGraphPlot::Lines, kLoadLevels);
        ws.PltQw.SetLineCount(TGraphPlot::Lines, 1);
        ws.pltCombine.SetLineCount(TGraphPlot::Lines, 3);
        ws.pltAxial.XOnTop = !uplift;
        ws.PltQw.XOnTop = !uplift;

        const int n = std::max(0, r.ReadInteger());
        checkFits(r, static_cast<long long>(m) * n, 5);
        for (TGraphPlot* p :
             {&ws.pltSkin, &ws.pltUSkin, &ws.pltTip, &ws.pltTotal, &ws.pltLoad, &ws.pltCombine})
            p->SetPointCount(TGraphPlot::Lines, n);
        ws.pltAxial.SetPointCount(TGraphPlot::Lines, kTzPoints);
        ws.PltQw.SetPointCount(TGraphPlot::Lines, kTzPoints);
        project.PlotRows = n;

        const int u = r.ReadInteger();
        for (TGraphPlot* p : ws.resultPlots()) p->setUnits(u);
        const bool english = u == 1;
        ws.PltQw.YCaption = english ? QStringLiteral("Settlement, in.") : QStringLiteral("Settlement, m");
        if (uplift)
            ws.pltAxial.YCaption = english ? QStringLiteral("Uplift, in.") : QStringLiteral("Uplift, m");
        else
            ws.pltAxial.YCaption = ws.PltQw.YCaption;

        const int s = r.ReadInteger();
        int transferLine = -1;
        QString transferName;
        int line = 0;
        for (const MethodLabel& method : kMethodOrder) {
            const bool offshore = method.code >= 6;
            if (project.CapacityMethods[static_cast<std::size_t>(method.code)] != 1) continue;
            if (offshore && project.OffshoreEdition != 1) continue;
            if (method.code == s) {
                transferLine = line;
                transferName = QLatin1String(method.label);
            }
            if (line < m)
                for (TGraphPlot* p : methodPlots) p->Line(line).LineName = QLatin1String(method.label);
            ++line;
        }
        if (transferLine >= m) transferLine = -1;
        ws.pltAxial.Line(0).LineName = transferName;
        ws.pltCombine.Line(0).LineName = QStringLiteral("Skin Friction");
        ws.pltCombine.Line(1).LineName =
            uplift ? QStringLiteral("Self Weight") : QStringLiteral("Tip Resistance");
        ws.pltCombine.Line(2).LineName = QStringLiteral("Total Capacity");

        // Block 2: per method line and row: depth, skin friction, tip (self weight in uplift),
        // total capacity, unit skin friction.
        project.ResistanceCount = 0;
        const int kept = std::min(n, TProgramData::kMaxResistancePoints);
        const double circumference = project.Circumference();
        for (int i = 0; i < m; ++i) {
            const bool transfer = i == transferLine;
            if (transfer) {
                project.ResistanceDepth.assign(static_cast<std::size_t>(kept), 0.0);
                project.SideResistance.assign(static_cast<std::size_t>(kept), 0.0);
                project.TipResistance.assign(static_cast<std::size_t>(kept), 0.0);
            }
            for (int j = 0; j < n; ++j) {
                const auto k = static_cast<std::size_t>(j);
                const double d = r.ReadFloat();
                const double skin = r.ReadFloat(), tip = r.ReadFloat(), total = r.ReadFloat(),
                             unit = r.ReadFloat();
                ws.pltSkin.Line(i).Points[k] = {skin, d};
                ws.pltTip.Line(i).Points[k] = {tip, d};
                ws.pltTotal.Line(i).Points[k] = {total, d};
                ws.pltUSkin.Line(i).Points[k] = {unit, d};
                if (transfer && j < kept) {
                    project.ResistanceDepth[k] = d;
                    project.SideResistance[k] = unit * circumference;
                    project.TipResistance[k] = tip;
                    project.ResistanceCount = j + 1;
                }
            }
        }
        // The combined graph shows the load-transfer method's curves; without one it stays empty.
        if (transferLine >= 0) {
            ws.pltCombine.Line(0).Points = ws.pltSkin.Line(transferLine).Points;
            ws.pltCombine.Line(1).Points = ws.pltTip.Line(transferLine).Points;
            ws.pltCombine.Line(2).Points = ws.pltTotal.Line(transferLine).Points;
        } else {
            ws.pltCombine.SetPointCount(TGraphPlot::Lines, 0);
        }

        // Block 3: internally generated t-z curves.
        readTzCurves(r, ws.pltTZcurves, u);

        // Block 4: load distribution, 9 load levels of n rows: depth, load, movement (not drawn).
        checkFits(r, static_cast<long long>(kLoadLevels) * n, 3);
        for (int level = 0; level < kLoadLevels; ++level) {
            for (TFloatPoint& p : ws.pltLoad.Line(level).Points) {
                p.Y = r.ReadFloat();
                p.X = r.ReadFloat();
                r.ReadFloat();
            }
        }

        // Block 5: load-settlement and Q-w curves, 9 levels after the origin.
        ws.pltAxial.Line(0).Points[0] = {};
        ws.PltQw.Line(0).Points[0] = {};
        for (std::size_t k = 1; k <= static_cast<std::size_t>(kLoadLevels); ++k) {
            TFloatPoint& head = ws.pltAxial.Line(0).Points[k];
            head.X = r.ReadFloat();
            head.Y = r.ReadFloat();
            TFloatPoint& tip = ws.PltQw.Line(0).Points[k];
            tip.X = r.ReadFloat();
            tip.Y = r.ReadFloat();
        }

        // Block 6: t-z curves at the additional depths, when the project asks for them.
        if (project.PrintExtraTz == 1) readTzCurves(r, ws.PltExtraTZ, u);
    } catch (const EInOutError& e) {
        if (error) *error = e.message();
        return false;
    }
    for (TGraphPlot* p : {&ws.pltUSkin, &ws.pltSkin, &ws.pltTip, &ws.pltTotal, &ws.pltLoad, &ws.pltCombine})
        AddLayerMarks(*p, ws.D);
    return true;
}

}  // namespace torve::app
