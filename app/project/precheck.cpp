// The check before a run: what keeps a project from running, or a selected method from giving a
// meaningful result, named with its method, layer and depth.
#include "app/project/precheck.h"

#include <cmath>
#include <initializer_list>
#include <numbers>

#include "app/project/project.h"
#include "app/project/projectdata.h"
#include "app/project/projectfile.h"
#include "app/project/texts.h"
#include "app/table/units.h"
#include "engine/model/rounded_constants.h"

namespace torve::app {
namespace {

// The analysis reads the project as a save writes it; its thresholds are single-precision literals.
constexpr double kNoncircular = static_cast<double>(1.0e-10f);  // a perimeter above it: noncircular
constexpr double kNoEndSection = static_cast<double>(1.0e-5f);  // an end section shorter: none
constexpr double kLargest = 1.0e15;                             // magnitude of the largest value it reads
// A cone resistance below it is not given (the cone methods then look to the CPT points).
constexpr double kNoQc = 1.0e-5;

// Effective unit weights outside these ranges (lb/ft^3 | kN/m^3) are hardly soil; above 45 degrees a
// friction angle is beyond the charts of every method.
constexpr double kLightest[] = {20, 3}, kHeaviest[] = {160, 25};
constexpr double kSteepestFriction = 45;

using Severity = Finding::Severity;
using Point = ProjectFile::SoilPoint;

class Checker {
  public:
    // Saved: as a save of the program writes the project; AsItStands: the records of a file as read.
    enum Source { Saved, AsItStands };
    Checker(const ProjectData& d, const ProjectFile& f, Source source) : d_(d), f_(f), source_(source) {}

    std::vector<Finding> run() {
        pile();
        soil();
        tables();
        cptPoints();
        reachesResults();
        // The cone-based methods run only on a file with offshore data, which a save always marks.
        for (const MethodInfo& m : kMethods)
            if (d_.isSelected(m.method) && (!m.cone_based || f_.offshoreFlag == 1)) method(m);
        return std::move(out_);
    }

  private:
    void add(Severity s, const QString& message, std::optional<Method> m = {}, int layer = 0,
             std::optional<double> depth = {}) {
        out_.push_back({s, m, layer, depth, message});
    }
    void error(const QString& message) { add(Severity::Error, message); }
    QString number(double v) const { return QString::number(v, 'g', 10); }
    void finite(const char* name, double v, int layer = 0, std::optional<double> depth = {}) {
        if (std::fabs(v) > kLargest)
            add(Severity::Error, QString(texts::kCheckTooLarge).arg(QLatin1String(name), number(v)), {},
                layer, depth);
    }

    double outsideDiameter() const {
        return f_.perimeter > kNoncircular ? f_.perimeter / kPiSinglePrecision : f_.outerDiameter;
    }
    double diameterPerLength() const { return app::diameterPerLength(unitSystemFromCode(f_.units)); }

    void pile();
    void soil();
    void tables();
    void cptPoints();
    void reachesResults();
    void method(const MethodInfo& info);

    const ProjectData& d_;
    const ProjectFile& f_;
    const Source source_;
    std::vector<Finding> out_;
};

void Checker::pile() {
    for (const auto& [name, v] : {std::pair{"perimeter", f_.perimeter},
                                  {"tip area", f_.tipArea},
                                  {"outside diameter", f_.outerDiameter},
                                  {"inside diameter", f_.innerDiameter},
                                  {"modulus of elasticity", f_.modulus},
                                  {"total pile length", f_.totalLength},
                                  {"stickup length", f_.stickupLength.value_or(0)},
                                  {"end section length", f_.endSectionLength},
                                  {"end section inside diameter", f_.endSectionInnerDiameter},
                                  {"zero-friction length", f_.zeroFrictionLength},
                                  {"computation increment", f_.incrementLength},
                                  {"taper angle", f_.taperAngle},
                                  {"deepest soil depth", f_.lastLayerBottom},
                                  {"cross-section area", f_.sectionArea},
                                  {"tension reduction factor", f_.tensionReduction},
                                  {"critical depth", f_.criticalDepth.value_or(0)}})
        finite(name, v);
    if (f_.printEvery < 1) error(texts::kCheckPrintInterval);
    if (!(f_.incrementLength > 0)) error(texts::kCheckNoIncrement);
    if (f_.perimeter < 0) error(texts::kCheckNegativePerimeter);
    if (f_.tipArea < 0) error(texts::kCheckNegativeTipArea);
    if (f_.innerDiameter < 0) error(texts::kCheckNegativeInnerDiameter);
    if (!(f_.modulus > 0)) error(texts::kCheckNoModulus);
    if (!(f_.totalLength > 0)) error(texts::kCheckNoLength);
    if (f_.stickupLength.value_or(0) < 0) error(texts::kCheckNegativeStickup);
    if (!(f_.perimeter > kNoncircular)) {
        if (!(f_.outerDiameter > 0))
            error(texts::kCheckNoOuterDiameter);
        else if (f_.innerDiameter >= f_.outerDiameter)
            error(texts::kCheckInnerNotBelowOuter);
    }
    if (f_.endSectionLength < 0) error(texts::kCheckNegativeEndSection);
    if (f_.endSectionInnerDiameter < 0) error(texts::kCheckNegativeEndSectionDiameter);
    if (f_.endSectionLength >= kNoEndSection && f_.endSectionInnerDiameter >= outsideDiameter())
        error(texts::kCheckEndSectionNotBelowOuter);
    if (f_.zeroFrictionLength < 0) error(texts::kCheckNegativeZeroFriction);
    if (f_.pileType < 1 || f_.pileType > 7) error(texts::kCheckPileType);
    if (!(f_.taperAngle >= 0 && f_.taperAngle < 90)) {
        error(texts::kCheckTaperRange);
    } else if (f_.totalLength > 0 && outsideDiameter() > 0) {
        // The tip diameter of a tapered pile is OD - 2 L tan(angle); without a diameter there is no
        // largest angle to name.
        const double length = f_.totalLength * diameterPerLength();
        const double tip =
            outsideDiameter() - 2.0 * length * std::tan(f_.taperAngle * std::numbers::pi / 180.0);
        if (tip < 0) {
            const double largest = std::atan(outsideDiameter() / 2.0 / length) * 180.0 / std::numbers::pi;
            error(QString(texts::kCheckTaperTooLarge)
                      .arg(number(f_.taperAngle), QString::number(largest, 'f', 3)));
        }
    }
    if (!is_valid_method_code(f_.loadTransferMethod)) error(texts::kCheckLoadTransferMethod);
    if (f_.loadingType != 0 && f_.loadingType != 1) error(texts::kCheckLoadingType);
    if (f_.plugCondition < 0 || f_.plugCondition > 2) error(texts::kCheckPlugCondition);
    if (f_.criticalDepthOption.value_or(0) < 0 || f_.criticalDepthOption.value_or(0) > 2)
        error(texts::kCheckCriticalDepthOption);
}

void Checker::soil() {
    if (!(f_.lastLayerBottom > 0) ||
        (f_.incrementLength > 0 && f_.lastLayerBottom / f_.incrementLength + kGridAllowance < 1.0))
        error(texts::kCheckSoilTooShallowForOneIncrement);
    const int system = unitSystemFromCode(f_.units) == UnitSystem::English ? 0 : 1;
    double above = 0;
    for (std::size_t i = 0; i < f_.points.size(); ++i) {
        const Point& p = f_.points[i];
        const int layer = static_cast<int>(i / 2) + 1;
        for (const auto& [name, v] : {std::pair{"depth", p.depth},
                                      {"effective unit weight", p.unitWeight},
                                      {"friction angle", p.frictionAngle},
                                      {"Ko", p.ko},
                                      {"Nq", p.nq},
                                      {"maximum unit friction", p.maxFriction},
                                      {"maximum unit bearing", p.maxBearing},
                                      {"undrained shear strength", p.undrained},
                                      {"remolded shear strength or blow count", p.remoldedOrBlows},
                                      {"yield stress ratio", p.ysr},
                                      {"plasticity index", p.pi},
                                      {"cone resistance qc", p.qc},
                                      {"user unit skin friction", p.userFriction},
                                      {"user unit end bearing", p.userBearing},
                                      {"factor on side friction", p.sideFactor.value_or(1)},
                                      {"factor on end bearing", p.endFactor.value_or(1)}})
            finite(name, v, layer, p.depth);
        if (p.depth < 0 || p.depth < above)
            add(Severity::Error, QString(texts::kCheckDepthsGoUp).arg(number(p.depth), number(above)), {},
                layer, p.depth);
        above = std::max(above, p.depth);
        if (!(p.unitWeight > 0)) {
            add(Severity::Error, texts::kCheckNoUnitWeight, {}, layer, p.depth);
        } else if (p.unitWeight < kLightest[system] || p.unitWeight > kHeaviest[system]) {
            add(Severity::Warning, QString(texts::kCheckUnitWeight).arg(number(p.unitWeight)), {}, layer,
                p.depth);
        }
        if (!(p.frictionAngle >= 0 && p.frictionAngle < 90))
            add(Severity::Error, texts::kCheckFrictionAngleRange, {}, layer, p.depth);
        else if (p.type == 1.0 && p.frictionAngle > kSteepestFriction)
            add(Severity::Warning, QString(texts::kCheckFrictionAngleSteep).arg(number(p.frictionAngle)), {},
                layer, p.depth);
    }
}

void Checker::tables() {
    if (f_.printExtraTz == 1) {
        if (f_.tzDepths.size() > static_cast<std::size_t>(kMaxTzPrintDepths))
            error(QString(texts::kCheckTooManyTzDepths).arg(f_.tzDepths.size()).arg(kMaxTzPrintDepths));
        for (double depth : f_.tzDepths) finite("t-z print depth", depth, 0, depth);
    }
    const int mode = f_.areaMode.value_or(0);
    if (mode == static_cast<int>(SectionMode::Constant) && !(f_.sectionArea > 0))
        error(texts::kCheckNoConstantArea);
    if (mode >= static_cast<int>(SectionMode::VaryingWithDepth)) {
        if (f_.sectionRows.empty()) error(texts::kCheckNoSectionRows);
        if (f_.sectionRows.size() > static_cast<std::size_t>(kMaxSectionRows))
            error(QString(texts::kCheckTooManySectionRows).arg(f_.sectionRows.size()).arg(kMaxSectionRows));
        for (const auto& [depth, area] : f_.sectionRows) {
            finite("section depth", depth, 0, depth);
            finite("cross-section area", area, 0, depth);
            if (!(area > 0)) add(Severity::Error, texts::kCheckNoSectionArea, {}, 0, depth);
        }
    }
}

void Checker::cptPoints() {
    const std::vector<CptPoint>& points = d_.cptPoints;
    if (points.size() > static_cast<std::size_t>(kMaxCptRows))
        error(QString(texts::kCheckTooManyCptPoints).arg(points.size()).arg(kMaxCptRows));
    for (std::size_t i = 0; i < points.size(); ++i) {
        finite("CPT depth", points[i].depth, 0, points[i].depth);
        finite("CPT qc", points[i].qc, 0, points[i].depth);
        if (i > 0 && points[i].depth < points[i - 1].depth)
            add(Severity::Error,
                QString(texts::kCheckCptOutOfOrder)
                    .arg(i + 1)
                    .arg(number(points[i].depth), number(points[i - 1].depth)),
                {}, 0, points[i].depth);
    }
}

// The analysis stops before its results when the soil does not reach two diameters below the tip,
// or when the soil needs more segments than its tables hold.
void Checker::reachesResults() {
    if (!(f_.totalLength > 0) || !(f_.incrementLength > 0)) return;
    const double required = f_.totalLength + 2.0 * outsideDiameter() / diameterPerLength();
    if (f_.lastLayerBottom < required)
        add(Severity::Error,
            QString(texts::kCheckSoilShallowerThanTip).arg(number(f_.lastLayerBottom), number(required)), {},
            static_cast<int>(f_.points.size() / 2), f_.lastLayerBottom);
    // The penetration rows stop at the last whole increment above the tip: a length left over from a
    // change of units (40 m in increments of 0.3048 m) makes every table end short of the tip.
    const double increments = std::trunc(f_.totalLength / f_.incrementLength + kGridAllowance);
    if (f_.totalLength / f_.incrementLength - increments > kGridAllowance) {
        const double last = increments * f_.incrementLength;
        add(Severity::Warning,
            QString(texts::kCheckLengthNotWholeIncrements)
                .arg(number(f_.totalLength), number(f_.incrementLength), QString::number(last, 'f', 2)),
            {}, 0, last);
    }
    const double segments = std::trunc(f_.lastLayerBottom / f_.incrementLength + kGridAllowance);
    if (segments > kMaxSegments)
        error(QString(texts::kCheckTooManySegments).arg(number(segments)).arg(kMaxSegments));
}

// Per layer, the values the method needs and the layer lacks, each named once at the first of its two
// points that lacks it.
void Checker::method(const MethodInfo& info) {
    const Method m = info.method;
    // A save keeps the user values only while their method carries the load transfer.
    if (info.user_values && source_ == Saved && f_.loadTransferMethod != code_of(m)) {
        add(Severity::Error, texts::kCheckUserValuesNotKept, m);
        return;
    }
    for (std::size_t i = 0; i + 1 < f_.points.size(); i += 2) {
        const Point* layer[] = {&f_.points[i], &f_.points[i + 1]};
        const bool sand = layer[0]->type == 1.0;
        const int number = static_cast<int>(i / 2) + 1;
        auto lacking = [&](auto missing, QLatin1StringView message, Severity severity = Severity::Error) {
            for (const Point* p : layer) {
                if (!missing(*p)) continue;
                add(severity, message, m, number, p->depth);
                return;
            }
        };
        if (info.user_values)
            lacking([](const Point& p) { return !(p.userFriction > 0) && !(p.userBearing > 0); },
                    texts::kCheckNoUserValues, Severity::Warning);
        if (sand) {
            if (info.sand.friction_angle)
                lacking([](const Point& p) { return !(p.frictionAngle > 0) && !(p.remoldedOrBlows > 0); },
                        texts::kCheckNoFrictionAngle);
            if (info.sand.ko) lacking([](const Point& p) { return !(p.ko > 0); }, texts::kCheckNoKo);
            if (info.sand.nq) lacking([](const Point& p) { return !(p.nq > 0); }, texts::kCheckNoNq);
        } else {
            if (info.clay.su) lacking([](const Point& p) { return !(p.undrained > 0); }, texts::kCheckNoSu);
            if (info.clay.sur)
                lacking([](const Point& p) { return !(p.remoldedOrBlows > 0); }, texts::kCheckNoSur);
            if (info.clay.ysr) lacking([](const Point& p) { return !(p.ysr > 0); }, texts::kCheckNoYsr);
            if (info.clay.pi) lacking([](const Point& p) { return !(p.pi > 0); }, texts::kCheckNoPi);
        }
        // The cone methods take qc from the layer, else from the CPT points, else from a sand's blow
        // count.
        const bool needsQc = sand ? info.sand.qc : info.clay.qc;
        if (needsQc && d_.cptPoints.empty())
            lacking([sand](const Point& p) { return !(p.qc >= kNoQc) && !(sand && p.remoldedOrBlows > 0); },
                    texts::kCheckNoQc);
    }
}

}  // namespace

std::vector<Finding> precheck(const ProjectData& data, const ProjectTables& tables) {
    ProjectData saved = data;
    if (saved.printEvery <= 0) saved.printEvery = 1;
    if (saved.incrementLength <= 0) saved.incrementLength = 1.0;
    if (saved.circular) saved.tipArea = 0;
    ProjectFile file = ProjectFile::of(saved, tables);
    if (saved.loadTransferMethod != Method::UserSpecified)
        for (ProjectFile::SoilPoint& p : file.points) p.userFriction = p.userBearing = 0;
    return Checker(saved, file, Checker::Saved).run();
}

std::vector<Finding> precheck(const ProjectData& data, const ProjectFile& asItStands) {
    return Checker(data, asItStands, Checker::AsItStands).run();
}

namespace {

std::vector<Finding> withCptFile(const Project& project, std::vector<Finding> rest) {
    std::vector<Finding> findings;
    if (project.cptFileUnread())
        findings.push_back(
            {Finding::Severity::Error,
             {},
             0,
             {},
             QString(texts::kCheckCptFileUnread).arg(besideProject(project.data().fileName, ".cpt"))});
    findings.insert(findings.end(), rest.begin(), rest.end());
    return findings;
}

}  // namespace

std::vector<Finding> precheck(const Project& project) {
    return withCptFile(project, precheck(project.data(), project.tables()));
}

std::vector<Finding> precheck(const Project& project, const ProjectFile& asItStands) {
    return withCptFile(project, precheck(project.data(), asItStands));
}

bool canRun(const std::vector<Finding>& findings) {
    for (const Finding& f : findings)
        if (f.severity == Finding::Severity::Error) return false;
    return true;
}

}  // namespace torve::app
