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
using Point = SoilPointRecord;

class Checker {
  public:
    // Saved: as a save of the program writes the project; AsItStands: the records of a file as read.
    enum Source { Saved, AsItStands };
    Checker(const ProjectData& d, const ProjectRecords& f, Source source) : d_(d), f_(f), source_(source) {}

    std::vector<Finding> run() {
        pile();
        soil();
        tables();
        cptPoints();
        reachesResults();
        // The cone-based methods run only on a file with offshore data, which a save always marks.
        for (const MethodInfo& m : kMethods)
            if (d_.isSelected(m.method) && (!m.cone_based || f_.offshore_data_flag == 1)) method(m);
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
        return f_.perimeter > kNoncircular ? f_.perimeter / kPiSinglePrecision : f_.outside_diameter;
    }
    double diameterPerLength() const {
        return app::diameterPerLength(unitSystemFromCode(f_.unit_system_code));
    }

    void pile();
    void soil();
    void tables();
    void cptPoints();
    void reachesResults();
    void method(const MethodInfo& info);

    const ProjectData& d_;
    const ProjectRecords& f_;
    const Source source_;
    std::vector<Finding> out_;
};

void Checker::pile() {
    for (const auto& [name, v] : {std::pair{"perimeter", f_.perimeter},
                                  {"tip area", f_.tip_area},
                                  {"outside diameter", f_.outside_diameter},
                                  {"inside diameter", f_.inside_diameter},
                                  {"modulus of elasticity", f_.modulus_of_elasticity},
                                  {"total pile length", f_.total_pile_length},
                                  {"stickup length", f_.stickup_length.value_or(0)},
                                  {"end section length", f_.enhanced_end_section_length},
                                  {"end section inside diameter", f_.enhanced_end_section_inside_diameter},
                                  {"zero-friction length", f_.zero_friction_length},
                                  {"computation increment", f_.computation_increment},
                                  {"taper angle", f_.taper_angle},
                                  {"deepest soil depth", f_.deepest_soil_depth},
                                  {"cross-section area", f_.cross_section_area},
                                  {"tension reduction factor", f_.tension_reduction_factor},
                                  {"critical depth", f_.critical_depth.value_or(0)}})
        finite(name, v);
    if (f_.print_interval < 1) error(texts::kCheckPrintInterval);
    if (!(f_.computation_increment > 0)) error(texts::kCheckNoIncrement);
    if (f_.perimeter < 0) error(texts::kCheckNegativePerimeter);
    if (f_.tip_area < 0) error(texts::kCheckNegativeTipArea);
    if (f_.inside_diameter < 0) error(texts::kCheckNegativeInnerDiameter);
    if (!(f_.modulus_of_elasticity > 0)) error(texts::kCheckNoModulus);
    if (!(f_.total_pile_length > 0)) error(texts::kCheckNoLength);
    if (f_.stickup_length.value_or(0) < 0) error(texts::kCheckNegativeStickup);
    if (!(f_.perimeter > kNoncircular)) {
        if (!(f_.outside_diameter > 0))
            error(texts::kCheckNoOuterDiameter);
        else if (f_.inside_diameter >= f_.outside_diameter)
            error(texts::kCheckInnerNotBelowOuter);
    }
    if (f_.enhanced_end_section_length < 0) error(texts::kCheckNegativeEndSection);
    if (f_.enhanced_end_section_inside_diameter < 0) error(texts::kCheckNegativeEndSectionDiameter);
    if (f_.enhanced_end_section_length >= kNoEndSection &&
        f_.enhanced_end_section_inside_diameter >= outsideDiameter())
        error(texts::kCheckEndSectionNotBelowOuter);
    if (f_.zero_friction_length < 0) error(texts::kCheckNegativeZeroFriction);
    if (f_.pile_type_code < 1 || f_.pile_type_code > 7) error(texts::kCheckPileType);
    if (!(f_.taper_angle >= 0 && f_.taper_angle < 90)) {
        error(texts::kCheckTaperRange);
    } else if (f_.total_pile_length > 0 && outsideDiameter() > 0) {
        // The tip diameter of a tapered pile is OD - 2 L tan(angle); without a diameter there is no
        // largest angle to name.
        const double length = f_.total_pile_length * diameterPerLength();
        const double tip =
            outsideDiameter() - 2.0 * length * std::tan(f_.taper_angle * std::numbers::pi / 180.0);
        if (tip < 0) {
            const double largest = std::atan(outsideDiameter() / 2.0 / length) * 180.0 / std::numbers::pi;
            error(QString(texts::kCheckTaperTooLarge)
                      .arg(number(f_.taper_angle), QString::number(largest, 'f', 3)));
        }
    }
    if (!is_valid_method_code(f_.load_transfer_method_code)) error(texts::kCheckLoadTransferMethod);
    if (f_.loading_type_code != 0 && f_.loading_type_code != 1) error(texts::kCheckLoadingType);
    if (f_.plug_condition_code < 0 || f_.plug_condition_code > 2) error(texts::kCheckPlugCondition);
    if (f_.critical_depth_option.value_or(0) < 0 || f_.critical_depth_option.value_or(0) > 2)
        error(texts::kCheckCriticalDepthOption);
}

void Checker::soil() {
    if (!(f_.deepest_soil_depth > 0) ||
        (f_.computation_increment > 0 &&
         f_.deepest_soil_depth / f_.computation_increment + kGridAllowance < 1.0))
        error(texts::kCheckSoilTooShallowForOneIncrement);
    const int system = unitSystemFromCode(f_.unit_system_code) == UnitSystem::English ? 0 : 1;
    double above = 0;
    for (std::size_t i = 0; i < f_.soil_points.size(); ++i) {
        const Point& p = f_.soil_points[i];
        const int layer = static_cast<int>(i / 2) + 1;
        for (const auto& [name, v] :
             {std::pair{"depth", p.depth},
              {"effective unit weight", p.effective_unit_weight},
              {"friction angle", p.friction_angle},
              {"Ko", p.coefficient_of_lateral_earth_pressure},
              {"Nq", p.bearing_capacity_factor},
              {"maximum unit friction", p.maximum_unit_friction},
              {"maximum unit bearing", p.maximum_unit_bearing},
              {"undrained shear strength", p.undrained_shear_strength},
              {"remolded shear strength or blow count", p.remolded_shear_strength_or_blow_count},
              {"yield stress ratio", p.yield_stress_ratio},
              {"plasticity index", p.plasticity_index},
              {"cone resistance qc", p.cone_resistance},
              {"user unit skin friction", p.user_unit_skin_friction},
              {"user unit end bearing", p.user_unit_end_bearing},
              {"factor on side friction", p.lrfd_factor_on_unit_friction.value_or(1)},
              {"factor on end bearing", p.lrfd_factor_on_unit_bearing.value_or(1)}})
            finite(name, v, layer, p.depth);
        if (p.depth < 0 || p.depth < above)
            add(Severity::Error, QString(texts::kCheckDepthsGoUp).arg(number(p.depth), number(above)), {},
                layer, p.depth);
        above = std::max(above, p.depth);
        if (!(p.effective_unit_weight > 0)) {
            add(Severity::Error, texts::kCheckNoUnitWeight, {}, layer, p.depth);
        } else if (p.effective_unit_weight < kLightest[system] ||
                   p.effective_unit_weight > kHeaviest[system]) {
            add(Severity::Warning, QString(texts::kCheckUnitWeight).arg(number(p.effective_unit_weight)), {},
                layer, p.depth);
        }
        if (!(p.friction_angle >= 0 && p.friction_angle < 90))
            add(Severity::Error, texts::kCheckFrictionAngleRange, {}, layer, p.depth);
        else if (p.is_sand() && p.friction_angle > kSteepestFriction)
            add(Severity::Warning, QString(texts::kCheckFrictionAngleSteep).arg(number(p.friction_angle)), {},
                layer, p.depth);
    }
}

void Checker::tables() {
    if (f_.t_z_print_flag == 1) {
        if (f_.t_z_print_depths.size() > static_cast<std::size_t>(kMaxTzPrintDepths))
            error(
                QString(texts::kCheckTooManyTzDepths).arg(f_.t_z_print_depths.size()).arg(kMaxTzPrintDepths));
        for (double depth : f_.t_z_print_depths) finite("t-z print depth", depth, 0, depth);
    }
    const int mode = f_.section_mode.value_or(0);
    if (mode == static_cast<int>(SectionMode::Constant) && !(f_.cross_section_area > 0))
        error(texts::kCheckNoConstantArea);
    if (mode >= static_cast<int>(SectionMode::VaryingWithDepth)) {
        if (f_.section_rows.empty()) error(texts::kCheckNoSectionRows);
        if (f_.section_rows.size() > static_cast<std::size_t>(kMaxSectionRows))
            error(QString(texts::kCheckTooManySectionRows).arg(f_.section_rows.size()).arg(kMaxSectionRows));
        for (const auto& [depth, area] : f_.section_rows) {
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
    if (!(f_.total_pile_length > 0) || !(f_.computation_increment > 0)) return;
    const double required = f_.total_pile_length + 2.0 * outsideDiameter() / diameterPerLength();
    if (f_.deepest_soil_depth < required)
        add(Severity::Error,
            QString(texts::kCheckSoilShallowerThanTip).arg(number(f_.deepest_soil_depth), number(required)),
            {}, static_cast<int>(f_.soil_points.size() / 2), f_.deepest_soil_depth);
    // The penetration rows stop at the last whole increment above the tip: a length left over from a
    // change of units (40 m in increments of 0.3048 m) makes every table end short of the tip.
    const double increments = std::trunc(f_.total_pile_length / f_.computation_increment + kGridAllowance);
    if (f_.total_pile_length / f_.computation_increment - increments > kGridAllowance) {
        const double last = increments * f_.computation_increment;
        add(Severity::Warning,
            QString(texts::kCheckLengthNotWholeIncrements)
                .arg(number(f_.total_pile_length), number(f_.computation_increment),
                     QString::number(last, 'f', 2)),
            {}, 0, last);
    }
    const double segments = std::trunc(f_.deepest_soil_depth / f_.computation_increment + kGridAllowance);
    if (segments > kMaxSegments)
        error(QString(texts::kCheckTooManySegments).arg(number(segments)).arg(kMaxSegments));
}

// Per layer, the values the method needs and the layer lacks, each named once at the first of its two
// points that lacks it.
void Checker::method(const MethodInfo& info) {
    const Method m = info.method;
    // A save keeps the user values only while their method carries the load transfer.
    if (info.user_values && source_ == Saved && f_.load_transfer_method_code != code_of(m)) {
        add(Severity::Error, texts::kCheckUserValuesNotKept, m);
        return;
    }
    for (std::size_t i = 0; i + 1 < f_.soil_points.size(); i += 2) {
        const Point* layer[] = {&f_.soil_points[i], &f_.soil_points[i + 1]};
        const bool sand = layer[0]->is_sand();
        const int number = static_cast<int>(i / 2) + 1;
        auto lacking = [&](auto missing, QLatin1StringView message, Severity severity = Severity::Error) {
            for (const Point* p : layer) {
                if (!missing(*p)) continue;
                add(severity, message, m, number, p->depth);
                return;
            }
        };
        if (info.user_values)
            lacking(
                [](const Point& p) {
                    return !(p.user_unit_skin_friction > 0) && !(p.user_unit_end_bearing > 0);
                },
                texts::kCheckNoUserValues, Severity::Warning);
        if (sand) {
            if (info.sand.friction_angle)
                lacking(
                    [](const Point& p) {
                        return !(p.friction_angle > 0) && !(p.remolded_shear_strength_or_blow_count > 0);
                    },
                    texts::kCheckNoFrictionAngle);
            if (info.sand.ko)
                lacking([](const Point& p) { return !(p.coefficient_of_lateral_earth_pressure > 0); },
                        texts::kCheckNoKo);
            if (info.sand.nq)
                lacking([](const Point& p) { return !(p.bearing_capacity_factor > 0); }, texts::kCheckNoNq);
        } else {
            if (info.clay.su)
                lacking([](const Point& p) { return !(p.undrained_shear_strength > 0); }, texts::kCheckNoSu);
            if (info.clay.sur)
                lacking([](const Point& p) { return !(p.remolded_shear_strength_or_blow_count > 0); },
                        texts::kCheckNoSur);
            if (info.clay.ysr)
                lacking([](const Point& p) { return !(p.yield_stress_ratio > 0); }, texts::kCheckNoYsr);
            if (info.clay.pi)
                lacking([](const Point& p) { return !(p.plasticity_index > 0); }, texts::kCheckNoPi);
        }
        // The cone methods take qc from the layer, else from the CPT points, else from a sand's blow
        // count.
        const bool needsQc = sand ? info.sand.qc : info.clay.qc;
        if (needsQc && d_.cptPoints.empty())
            lacking(
                [sand](const Point& p) {
                    return !(p.cone_resistance >= kNoQc) &&
                           !(sand && p.remolded_shear_strength_or_blow_count > 0);
                },
                texts::kCheckNoQc);
    }
}

}  // namespace

std::vector<Finding> precheck(const ProjectData& data, const ProjectTables& tables) {
    ProjectData saved = data;
    if (saved.printInterval <= 0) saved.printInterval = 1;
    if (saved.computationIncrement <= 0) saved.computationIncrement = 1.0;
    if (saved.circular) saved.tipArea = 0;
    ProjectFile file = ProjectFile::of(saved, tables);
    if (saved.loadTransferMethod != Method::UserSpecified)
        for (SoilPointRecord& p : file.records.soil_points)
            p.user_unit_skin_friction = p.user_unit_end_bearing = 0;
    return Checker(saved, file.records, Checker::Saved).run();
}

std::vector<Finding> precheck(const ProjectData& data, const ProjectFile& asItStands) {
    return Checker(data, asItStands.records, Checker::AsItStands).run();
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
