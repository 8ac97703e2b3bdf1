// Reading a user's cone penetration data file into the project's CPT points.
#include "app/project/cptimport.h"

#include <QFileInfo>
#include <cmath>
#include <vector>

#include "app/graph/einouterror.h"
#include "app/graph/wordreader.h"
#include "app/project/cptpointsfile.h"
#include "app/project/programdata.h"
#include "app/project/workspace.h"

namespace torve::app {

const char* const TCptImport::kReadError = "There was an error reading the input CPT file.";

double TCptImport::Converted(Kind kind, double v, int units) {
    switch (kind) {
        case Qc:
            return v;
        case Spt:
            // qc (kPa) / N = 280: the blow count conversion of the CPT dialog; 47.875 kPa per ksf.
            return units == 1 ? v * 47.875 / 280.0 : v / 280.0;
        case Su:
            return v / 15.0;  // cone factor Nk = 15
    }
    return v;
}

QString TCptImport::Read(Kind kind) {
    TProgramData& project = *project_;
    const QString& name = project.CptDataFile;
    if (!QFileInfo::exists(name) || !QFileInfo(name).isFile())
        return QStringLiteral("File ") + name + QStringLiteral(" does not exists");
    const long long lines = std::llround(static_cast<double>(project.CptDataLines));
    const int header = std::max(0, project.CptHeaderLines);
    // Depth and qc are the first two columns; fewer cannot be read.
    const int columns = std::max(2, project.CptColumns);
    if (lines > kMaxCptRows)
        return QStringLiteral(
                   "At most %1 data lines of cone data can be used in an analysis; %2 were asked for.")
            .arg(kMaxCptRows)
            .arg(lines);
    const int n = static_cast<int>(std::max(0LL, lines));

    std::vector<TFloatPoint> qc(static_cast<std::size_t>(n));
    try {
        TWordReader r(name);
        for (int i = 0; i < header; ++i) r.ReadLine();
        for (int i = 0; i < n; ++i) {
            std::vector<double> values(static_cast<std::size_t>(columns));
            for (double& v : values) v = r.ReadFloat();
            qc[static_cast<std::size_t>(i)] = {Ua * values[1], values[0]};
            r.SkipRestOfLine();
        }
    } catch (const EInOutError&) {
        // A short or damaged file changes nothing: no half-read profile reaches the engine.
        return QString::fromLatin1(kReadError);
    }

    TWorkspace& ws = project.workspace();
    ws.MotionInput.SetLineCount(TGraphPlot::Lines, 1);
    ws.MotionInput.Line(0).Points = qc;
    ws.MotionInput.Line(0).LineName = QStringLiteral("CPT Data");
    project.CptCount = n;
    if (kind == Qc) {
        ws.MotionConvertedKind = TWorkspace::ConvertedNone;
        ws.MotionConverted.SetLineCount(TGraphPlot::Lines, 0);
    } else {
        TGraphPlot& c = ws.MotionConverted;
        const bool spt = kind == Spt;
        ws.MotionConvertedKind = spt ? TWorkspace::ConvertedSpt : TWorkspace::ConvertedSu;
        c.Caption = spt ? QStringLiteral("Converted SPT from CPT Data")
                        : QStringLiteral("Converted Undrained Shear Strength Su from CPT Data");
        c.XCaption = QStringLiteral("SPT, N");
        c.SetLineCount(TGraphPlot::Lines, 1);
        c.Line(0).LineName = spt ? QStringLiteral("Converted SPT") : QStringLiteral("Converted Su");
        c.Line(0).Points = qc;
        for (TFloatPoint& p : c.Line(0).Points) p.X = Converted(kind, p.X, project.Units);
    }
    SetCptCaptions(project);
    return {};
}

}  // namespace torve::app
