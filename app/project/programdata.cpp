// The project: every input of one analysis, its files, and its unit system.
#include "app/project/programdata.h"

#include <QFileInfo>
#include <QLocale>
#include <QSaveFile>
#include <cmath>

#include "app/graph/einouterror.h"
#include "app/graph/wordreader.h"
#include "app/project/cptpointsfile.h"
#include "app/project/driveabilityexport.h"
#include "app/project/projectfile.h"
#include "app/project/workspace.h"
#include "app/table/unitratio.h"

namespace torve::app {
namespace {

// Conversion factors of the project's own fields, English per S.I. unit (1 ft = 0.3048 m,
// 1 in = 25.4 mm, 1 lbf = 4.44822199911631 N).
constexpr double kFeetPerMetre = 3.280839895;
constexpr double kMetresPerFoot = 0.3048;
constexpr double kInchesPerMillimetre = 0.03937007874;
constexpr double kMillimetresPerInch = 25.4;
constexpr double kSquareInchesPerSquareMetre = 39.37007874 * 39.37007874;
constexpr double kSquareMetresPerSquareInch = 0.0254 * 0.0254;
constexpr double kPsiPerKiloPascal = 224.8089237 / (39.37007874 * 39.37007874);
constexpr double kKiloPascalsPerPsi = 0.00444822199911631 / (0.0254 * 0.0254);

// The engine's file-name convention: the project's path with another extension.
QString besideProject(const QString& path, const char* extension) {
    const QFileInfo info(path);
    const QString base = info.suffix().isEmpty() ? path : path.left(path.size() - info.suffix().size() - 1);
    return base + QLatin1String(extension);
}

void saveAtomically(const QString& path, const QByteArray& bytes) {
    QSaveFile f(path);
    if (!f.open(QIODevice::WriteOnly) || f.write(bytes) != bytes.size() || !f.commit())
        throw EInOutError(QStringLiteral("File %1 cannot be written: %2").arg(path, f.errorString()));
}

}  // namespace

const char* const TProgramData::kOffshoreFileMessage =
    "File was created using TORVE offshore version\rusing an offshore computation method,\rso the "
    "computation "
    "method will default to FHWA and\roffshore parameters will not be considered.\r\rIf you do not want to "
    "lose "
    "the previous information,\rplease do not save this file!!.";

TProgramData::TProgramData(TWorkspace& workspace) : workspace_(&workspace) {
    Create();
}

void TProgramData::Create() {
    TWorkspace& ws = *workspace_;
    FileName = QStringLiteral("NewTORVE.tv6d");
    GrlweapFileName.clear();
    CptFileName.clear();
    Title = QStringLiteral("New Pile");
    Designer.clear();
    JobNumber.clear();
    Units = 1;
    PrintEvery = 1;
    Circular = 1;
    Perimeter = TipArea = OuterDiameter = InnerDiameter = Modulus = 0;
    TotalLength = StickupLength = EndSectionLength = EndSectionInnerDiameter = ZeroFrictionLength = 0;
    IncrementLength = 1.0;
    PileType = 1;
    TaperAngle = 0;
    LoadTransferMethod = 4;
    OffshoreEdition = 1;
    ReducedCurves = 0;
    CapacityMethods.fill(0);
    CapacityMethods[4] = 1;
    LastLayerBottom = 0;
    AreaMode = 0;
    SectionArea = 0;
    PrintExtraTz = 0;
    LoadingType = 0;
    TensionReduction = 1.0;
    DrainedClay = 0;
    PlugCondition = 0;
    CriticalDepthOption = 0;
    CriticalDepth = 0;
    CptCount = 0;
    CptDataFile.clear();
    CptDataLines = CptHeaderLines = CptColumns = 0;
    resetResults();
    for (TGridTable* t : ws.tables()) {
        t->SetRowCount(0);
        t->SetUnits(1);
        t->SetRowCount(t->MinRows());
    }
    for (TGraphPlot* p : ws.plots()) {
        p->SetLineCount(TGraphPlot::Lines, 0);
        p->SetLineCount(TGraphPlot::LayerLines, 0);
        p->setUnits(1);
    }
    ws.ClearModified();
}

void TProgramData::resetResults() {
    PlotRows = 0;
    ResistanceCount = 0;
    ResistanceDepth.clear();
    SideResistance.clear();
    TipResistance.clear();
}

QStringList TProgramData::ReadProject(const QString& path, bool currentFormat) {
    // Everything is read before anything changes: a damaged file leaves the open project intact.
    const TProjectFile file = TProjectFile::Read(path, currentFormat);
    const QString cptPath = besideProject(path, ".cpt");
    std::optional<TCptPoints> cpt;
    if (QFileInfo::exists(cptPath)) cpt = ReadCptPointsFile(cptPath);

    QStringList notices;
    if (file.loadTransferMethod > 5 && OffshoreEdition == 0 && file.offshoreFlag == 1)
        notices << QString::fromLatin1(kOffshoreFileMessage);
    apply(file, path);
    if (notices.size()) LoadTransferMethod = 1;
    if (cpt) {
        // The CPT points file keeps them in the engine's units; MotionInput in the dialog's.
        SetCptPoints(*this, *cpt);
    }
    workspace_->ClearModified();
    return notices;
}

void TProgramData::apply(const TProjectFile& f, const QString& path) {
    const int edition = OffshoreEdition;
    Create();
    OffshoreEdition = edition;  // the program's edition, never the file's flag
    TWorkspace& ws = *workspace_;
    FileName = path;
    for (TGridTable* t : ws.tables()) t->SetRowCount(0);
    SetUnits(f.units);
    Title = f.title;
    Designer = f.designer;
    JobNumber = f.jobNumber;
    PrintEvery = f.printEvery;
    Circular = f.perimeter == 0 ? 1 : 0;
    Perimeter = f.perimeter;
    TipArea = f.tipArea;
    OuterDiameter = f.outerDiameter;
    InnerDiameter = f.innerDiameter;
    Modulus = f.modulus;
    TotalLength = f.totalLength;
    StickupLength = f.stickupLength.value_or(0);
    EndSectionLength = f.endSectionLength;
    EndSectionInnerDiameter = f.endSectionInnerDiameter;
    ZeroFrictionLength = f.zeroFrictionLength;
    IncrementLength = f.incrementLength;
    PileType = f.pileType;
    TaperAngle = f.taperAngle;
    LoadTransferMethod = f.loadTransferMethod;
    ReducedCurves = f.reducedCurves.value_or(0);
    CapacityMethods.fill(0);
    if (f.capacityMethods) {
        for (int m = 1; m <= 9; ++m)
            CapacityMethods[static_cast<std::size_t>(m)] =
                (*f.capacityMethods)[static_cast<std::size_t>(m - 1)];
    } else {
        // Files of the previous version computed the four onshore methods, the user-specified one
        // when it carried the load transfer, and the offshore ones in the offshore edition.
        for (int m = 1; m <= 4; ++m) CapacityMethods[static_cast<std::size_t>(m)] = 1;
        if (LoadTransferMethod == 5) CapacityMethods[5] = 1;
        if (OffshoreEdition == 1)
            for (int m = 6; m <= 9; ++m) CapacityMethods[static_cast<std::size_t>(m)] = 1;
    }
    LastLayerBottom = f.lastLayerBottom;
    SectionArea = f.sectionArea;

    const int layers = static_cast<int>(f.points.size() / 2);
    ws.D.SetRowCount(layers);
    for (int i = 0; i < layers; ++i) {
        const TProjectFile::SoilPoint& top = f.points[static_cast<std::size_t>(2 * i)];
        const TProjectFile::SoilPoint& bottom = f.points[static_cast<std::size_t>(2 * i + 1)];
        const bool sand = top.type == 1.0;
        ws.D.Cell(TWorkspace::SoilType, i).setAsInteger(sand ? 1 : 2);
        ws.D.Cell(TWorkspace::LayerBottom, i).setAsFloat(bottom.depth);
        ws.D.Cell(TWorkspace::MaxSideFriction, i).setAsFloat(bottom.maxFriction);
        ws.D.Cell(TWorkspace::MaxEndBearing, i).setAsFloat(bottom.maxBearing);
        if (bottom.sideFactor) ws.D.Cell(TWorkspace::SideFactor, i).setAsFloat(*bottom.sideFactor);
        if (bottom.endFactor) ws.D.Cell(TWorkspace::EndFactor, i).setAsFloat(*bottom.endFactor);
        TGridTable* data = ws.D.Cell(TWorkspace::LayerData, i).AsTable();
        if (!data) continue;
        for (int row = 0; row < 2; ++row) {
            const TProjectFile::SoilPoint& p = row == 0 ? top : bottom;
            auto set = [&](int col, double v) { data->Cell(col, row).setAsFloat(v); };
            set(0, p.unitWeight);
            if (sand) {
                set(TWorkspace::SandFrictionAngle, p.frictionAngle);
                data->Cell(TWorkspace::SandBlowCount, row)
                    .setAsInteger(static_cast<int>(std::lround(p.remoldedOrBlows)));
                set(TWorkspace::SandKo, p.ko);
                set(TWorkspace::SandNq, p.nq);
            } else {
                set(TWorkspace::ClayUndrained, p.undrained);
                set(TWorkspace::ClayRemolded, p.remoldedOrBlows);
                set(TWorkspace::ClayPI, p.pi);
                set(TWorkspace::ClayYSR, p.ysr);
            }
            set(5, p.qc);
            set(6, p.userFriction);
            set(7, p.userBearing);
        }
    }

    PrintExtraTz = f.printExtraTz;
    if (PrintExtraTz == 1) {
        ws.TblTZDepth.SetRowCount(static_cast<int>(f.tzDepths.size()));
        for (std::size_t i = 0; i < f.tzDepths.size(); ++i)
            ws.TblTZDepth.Cell(0, static_cast<int>(i)).setAsFloat(f.tzDepths[i]);
    }
    LoadingType = f.loadingType;
    TensionReduction = f.tensionReduction;
    DrainedClay = f.drainedClay;
    PlugCondition = f.plugCondition;
    ws.Sectionaldata.SetRowCount(static_cast<int>(f.sectionRows.size()));
    for (std::size_t i = 0; i < f.sectionRows.size(); ++i) {
        ws.Sectionaldata.Cell(0, static_cast<int>(i)).setAsFloat(f.sectionRows[i].first);
        ws.Sectionaldata.Cell(1, static_cast<int>(i)).setAsFloat(f.sectionRows[i].second);
    }
    if (f.areaMode)
        AreaMode = *f.areaMode;
    else
        AreaMode = f.sectionRowCount >= 2 ? 2 : (SectionArea != 0 ? 1 : 0);
    CriticalDepthOption = f.criticalDepthOption.value_or(0);
    CriticalDepth = f.criticalDepth.value_or(0);

    for (TGridTable* t : ws.tables())
        if (t->RowCount() < t->MinRows()) t->SetRowCount(t->MinRows());
}

TProjectFile TProgramData::collect() {
    TWorkspace& ws = *workspace_;
    TProjectFile f;
    f.title = Title;
    f.designer = Designer;
    f.jobNumber = JobNumber;
    f.units = Units;
    f.printEvery = PrintEvery;
    f.perimeter = Circular == 1 ? 0 : Perimeter;
    f.tipArea = TipArea;
    f.outerDiameter = OuterDiameter;
    f.innerDiameter = InnerDiameter;
    f.modulus = Modulus;
    f.totalLength = TotalLength;
    f.stickupLength = StickupLength;
    f.endSectionLength = EndSectionLength;
    f.endSectionInnerDiameter = EndSectionInnerDiameter;
    f.zeroFrictionLength = ZeroFrictionLength;
    f.incrementLength = IncrementLength;
    f.pileType = PileType;
    f.taperAngle = TaperAngle;
    f.loadTransferMethod = LoadTransferMethod;
    f.offshoreFlag = OffshoreEdition;
    f.reducedCurves = ReducedCurves;
    std::array<int, 9> flags{};
    for (int m = 1; m <= 9; ++m)
        flags[static_cast<std::size_t>(m - 1)] = CapacityMethods[static_cast<std::size_t>(m)];
    f.capacityMethods = flags;
    f.lastLayerBottom = LastLayerBottom;
    f.sectionArea = SectionArea;
    for (int i = 0; i < ws.D.RowCount(); ++i) {
        const bool sand = ws.D.Cell(TWorkspace::SoilType, i).AsInteger() != 2;
        const TGridTable* data = ws.D.Cell(TWorkspace::LayerData, i).AsTable();
        for (int row = 0; row < 2; ++row) {
            TProjectFile::SoilPoint p;
            p.type = sand ? 1 : 2;
            p.depth = row == 1 ? ws.D.Cell(TWorkspace::LayerBottom, i).AsFloat()
                               : (i == 0 ? 0.0 : ws.D.Cell(TWorkspace::LayerBottom, i - 1).AsFloat());
            p.maxFriction = ws.D.Cell(TWorkspace::MaxSideFriction, i).AsFloat();
            p.maxBearing = ws.D.Cell(TWorkspace::MaxEndBearing, i).AsFloat();
            p.sideFactor = ws.D.Cell(TWorkspace::SideFactor, i).AsFloat();
            p.endFactor = ws.D.Cell(TWorkspace::EndFactor, i).AsFloat();
            if (data && row < data->RowCount()) {
                auto get = [&](int col) { return data->Cell(col, row).AsFloat(); };
                p.unitWeight = get(0);
                if (sand) {
                    p.frictionAngle = get(TWorkspace::SandFrictionAngle);
                    p.remoldedOrBlows = data->Cell(TWorkspace::SandBlowCount, row).AsInteger();
                    p.ko = get(TWorkspace::SandKo);
                    p.nq = get(TWorkspace::SandNq);
                } else {
                    p.undrained = get(TWorkspace::ClayUndrained);
                    p.remoldedOrBlows = get(TWorkspace::ClayRemolded);
                    p.pi = get(TWorkspace::ClayPI);
                    p.ysr = get(TWorkspace::ClayYSR);
                }
                p.qc = get(5);
                p.userFriction = get(6);
                p.userBearing = get(7);
            }
            f.points.push_back(p);
        }
    }
    // The deepest soil depth the engine checks the pile against is the bottom of the last layer as
    // the table now holds it, not as some earlier file gave it.
    if (ws.D.RowCount() > 0)
        f.lastLayerBottom = ws.D.Cell(TWorkspace::LayerBottom, ws.D.RowCount() - 1).AsFloat();
    f.printExtraTz = PrintExtraTz;
    if (PrintExtraTz == 1)
        for (int i = 0; i < ws.TblTZDepth.RowCount(); ++i)
            f.tzDepths.push_back(ws.TblTZDepth.Cell(0, i).AsFloat());
    f.loadingType = LoadingType;
    f.tensionReduction = TensionReduction;
    f.drainedClay = DrainedClay;
    f.plugCondition = PlugCondition;
    f.areaMode = AreaMode;
    // Section rows go with mode 2 only: the engine reads them for that mode alone, and any other
    // count would shift the critical-depth record it reads next.
    if (AreaMode >= 2) {
        for (int i = 0; i < ws.Sectionaldata.RowCount(); ++i)
            f.sectionRows.emplace_back(ws.Sectionaldata.Cell(0, i).AsFloat(),
                                       ws.Sectionaldata.Cell(1, i).AsFloat());
    }
    f.sectionRowCount = static_cast<int>(f.sectionRows.size());
    f.criticalDepthOption = CriticalDepthOption;
    f.criticalDepth = CriticalDepth;
    return f;
}

void TProgramData::SaveProject() {
    TWorkspace& ws = *workspace_;
    // The engine needs a print interval of at least 1 and a positive increment.
    if (PrintEvery <= 0) PrintEvery = 1;
    if (IncrementLength <= 0) IncrementLength = 1.0;
    if (Circular == 1) TipArea = 0;
    if (LoadTransferMethod != 5) {
        for (int i = 0; i < ws.D.RowCount(); ++i) {
            if (TGridTable* data = ws.D.Cell(TWorkspace::LayerData, i).AsTable()) {
                for (int row = 0; row < data->RowCount(); ++row) {
                    data->Cell(6, row).setAsFloat(0);
                    data->Cell(7, row).setAsFloat(0);
                }
            }
        }
    }
    const TProjectFile file = collect();
    saveAtomically(FileName, file.Text());
    LastLayerBottom = file.lastLayerBottom;

    GrlweapFileName = besideProject(FileName, ".gwi");
    if (Circular == 1) Perimeter = 3.1416 * OuterDiameter;
    saveAtomically(GrlweapFileName, DriveabilityExportText(*this));

    CptFileName = besideProject(FileName, ".cpt");
    saveAtomically(CptFileName, CptPointsFileText(*this));
    ws.ClearModified();
}

void TProgramData::SetUnits(int code) {
    code = code > 2 ? 2 : (code < 1 ? 1 : code);
    if (code == Units) return;
    const bool si = code == 2;
    const double length = si ? kMetresPerFoot : kFeetPerMetre;
    const double diameter = si ? kMillimetresPerInch : kInchesPerMillimetre;
    const double area = si ? kSquareMetresPerSquareInch : kSquareInchesPerSquareMetre;
    const double modulus = si ? kKiloPascalsPerPsi : kPsiPerKiloPascal;
    for (double* v : {&Perimeter, &OuterDiameter, &InnerDiameter, &EndSectionInnerDiameter}) *v *= diameter;
    TipArea *= area;
    SectionArea *= area;
    for (double* v : {&TotalLength, &StickupLength, &EndSectionLength, &ZeroFrictionLength, &IncrementLength,
                      &LastLayerBottom, &CriticalDepth})
        *v *= length;
    Modulus *= modulus;

    // Results and CPT points convert by the templates of their graph axes.
    auto byTemplate = [&](const char* unitsTemplate) {
        const double r = UnitRatio(QLatin1String(unitsTemplate));
        return si ? 1.0 / r : r;
    };
    const double stress = byTemplate("F1/L2^2");  // ksf | kPa
    const double force = byTemplate("F1");        // kips | kN
    const double forcePerLength = byTemplate("F1/L2");
    for (double& d : ResistanceDepth) d *= length;
    for (double& s : SideResistance) s *= forcePerLength;
    for (double& t : TipResistance) t *= force;
    TWorkspace& ws = *workspace_;
    if (ws.MotionInput.LineCount() > 0) {
        for (TFloatPoint& p : ws.MotionInput.Line(0).Points) {
            p.Y *= length;
            p.X *= stress;
        }
    }
    // A converted SPT blow count has no unit; a converted Su is a stress like qc.
    if (ws.MotionConverted.LineCount() > 0) {
        const bool su = ws.MotionConvertedKind == TWorkspace::ConvertedSu;
        for (TFloatPoint& p : ws.MotionConverted.Line(0).Points) {
            p.Y *= length;
            if (su) p.X *= stress;
        }
    }
    Units = code;
    for (TGridTable* t : ws.tables()) t->SetUnits(code);
    SetCptCaptions(*this);
}

double TProgramData::Circumference() const {
    // 3.1416 is the program's value of pi for the driveability export.
    const double unit = Units == 1 ? 12.0 : 1000.0;
    return Circular == 1 ? 3.1416 * OuterDiameter / unit : Perimeter / unit;
}

QString TProgramData::ValidateBeforeRun(const QLocale& locale) const {
    const bool tapered = PileType == 2 || PileType == 4 || PileType == 5 || PileType == 7;
    if (CapacityMethods[1] != 1 || !tapered || !(TaperAngle > 0)) return {};
    // 0.01745 rad per degree is the program's own rounding of pi/180.
    const double length = TotalLength * (Units == 1 ? 12.0 : 1000.0);
    const double tip = OuterDiameter - 2.0 * length * std::tan(TaperAngle * 0.01745);
    if (tip >= 0) return {};
    const double largest = std::atan((OuterDiameter / 2.0) / length) / 0.01745;
    QLocale plain = locale;  // "0.000": the locale's decimal mark, no group separators
    plain.setNumberOptions(QLocale::OmitGroupSeparator);
    return QStringLiteral(
               "Taper angle is large since it generates a negative diameter at tip of pile.\r"
               "Taper angle should be smaller than ") +
           plain.toString(largest, 'f', 3) + QStringLiteral(" degrees.") + QStringLiteral("\r") +
           QStringLiteral("Please check input data ");
}

QString TProgramData::ValidateBeforeRun() const {
    return ValidateBeforeRun(QLocale());
}

}  // namespace torve::app
