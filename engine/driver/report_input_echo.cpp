// "INPUT INFORMATION": the report's echo of the input data file, one function per section.
#include "engine/driver/report_sections.h"
#include "engine/methods/pile_geometry.h"

namespace torve {
namespace {

const char* pile_type_text(const InputData& in) {
    switch (in.pile_type) {
        case PileType::SteelPipe:
            return "Steel pipe pile or non-tapered portion of monotube pile";
        case PileType::Timber:
            return "Timber pile";
        case PileType::PrecastConcrete:
            return in.perimeter != 0 ? "Precast concrete pile (Square/Rectangular/Orthogonal)"
                                     : "Precast concrete pile (Circular/Tubular)";
        case PileType::RaymondStepTaper:
            return "Raymond step-taper pile";
        case PileType::RaymondUniformTaper:
            return "Raymond Uniform taper pile";
        case PileType::HPile:
            return "H-Pile/Steel Pile";
        case PileType::MonotubeTaper:
            return "Tapered portion of Monotube pile";
    }
    return "";
}

void input_heading(TextOut& out) {
    out.blank(3);
    out.line("1");
    out.line(Line().x(10).text(std::string(21, '*')));
    out.line(Line().x(10).text("* INPUT INFORMATION *"));
    out.line(Line().x(10).text(std::string(21, '*')));
}

void titles(TextOut& out, const InputData& in) {
    out.blank(3);
    out.line(Line().x(10).a(in.title, 70));
    out.blank();
    out.line(Line().x(10).text("DESIGNER   : ").a(in.designer, 60));
    out.blank();
    out.line(Line().x(10).text("JOB NUMBER : ").a(in.job_number, 60));
}

void load_transfer_method(TextOut& out, const InputData& in) {
    out.blank(2);
    out.line(Line().x(10).text("METHOD FOR UNIT LOAD TRANSFERS : "));
    out.blank();
    const MethodInfo& method = method_info(in.load_transfer_method);
    out.line(Line().x(10).text(method.report_line));
    if (!method.transfer_note.empty()) out.line(Line().x(10).text(method.transfer_note));
    out.line(Line().x(10).text(in.reduced_resistance == 1
                                   ? "  Reduced Unit Side Friction and Unit Side Resistance are used."
                                   : "  Unfactored Unit Side Friction and Unit Side Resistance are used."));
}

// The lines of the option that a method alone reads, under that method's line.
void method_option(TextOut& out, const InputData& in, MethodOption option, const UnitLabels& u) {
    switch (option) {
        case MethodOption::None:
            return;
        case MethodOption::CriticalDepthForSand:
            out.line(Line().x(10).text("  # Critical Depth Method for Sand:"));
            if (in.critical_depth_option == CriticalDepthOption::FromDensity) {
                out.line(Line().x(10).text("    10 to 20 Pile Diameter based on the Density"));
            } else if (in.critical_depth_option == CriticalDepthOption::FromStress) {
                out.line(Line().x(10).text("    At Effective Stress Reaching 3,500 psf (185 kPa)"));
            } else {
                out.line(Line()
                             .x(10)
                             .text("    At User-Specified Critical Depth =")
                             .f(in.critical_depth, 10, 2)
                             .x(1)
                             .text(u.length));
            }
            return;
        case MethodOption::ClayDrainage:
            out.line(Line().x(10).text(in.drained_clay() ? "  # Use Drained Condition for Clay"
                                                         : "  # Use Undrained Condition for Clay"));
            return;
        case MethodOption::UnifiedClayBase:
            out.line(Line().x(10).text(in.unified_clay_base == UnifiedClayBase::LoadTest
                                           ? "  # Clay Base from Load Tests: 0.8 qt Closed, 0.4 qt Open"
                                           : "  # Clay Base by the Effective Area Ratio"));
            return;
    }
}

void capacity_methods(TextOut& out, const InputData& in, const UnitLabels& u) {
    out.blank(3);
    out.line(Line().x(10).text("COMPUTATION METHOD(S) FOR PILE CAPACITY : "));
    out.blank();
    for (const MethodInfo& info : kMethods) {
        if (!in.is_selected(info.method)) continue;
        out.line(Line().x(10).text(info.report_line));
        method_option(out, in, info.option, u);
        if (!info.capacity_note.empty()) out.line(Line().x(10).text(info.capacity_note));
    }
}

void loading(TextOut& out, const InputData& in) {
    out.blank(2);
    out.line(Line().x(10).text("TYPE OF LOADING : "));
    out.line(Line().x(10).text(in.tension() ? "- TENSION  " : "- COMPRESSION  "));
    if (in.tension() && in.is_selected(Method::Api)) {
        out.line(Line()
                     .x(10)
                     .text("  REDUCTION FACTOR FOR TENSION LOADING =")
                     .f(in.tension_reduction_factor, 10, 2));
    }
}

void pile_type(TextOut& out, const InputData& in) {
    out.blank(2);
    out.line(Line().x(10).text("PILE TYPE : "));
    out.blank();
    out.line(Line().x(10).text(pile_type_text(in)));
    const bool tapered_type =
        in.pile_type == PileType::Timber || in.pile_type == PileType::RaymondStepTaper ||
        in.pile_type == PileType::RaymondUniformTaper || in.pile_type == PileType::MonotubeTaper;
    if (in.is_selected(Method::Api) && tapered_type && in.taper_angle > 0) {
        out.line(
            Line().x(10).text("Angle of taper for a tapered pile  (degrees) =").f(in.taper_angle, 10, 2));
    }
}

void axial_stiffness(TextOut& out, const InputData& in, const UnitLabels& u) {
    out.blank(2);
    out.line(Line().x(10).text("DATA FOR AXIAL STIFFNESS : "));
    out.blank();
    out.line(Line()
                 .x(10)
                 .text("- MODULUS OF ELASTICITY     =")
                 .e(in.modulus_of_elasticity, 10, 3)
                 .x(1)
                 .text(u.modulus));
    if (in.section_mode != SectionMode::VaryingWithDepth) {
        const double area = in.section_mode == SectionMode::Constant
                                ? in.cross_section_area
                                : section_area_from_diameters(in, units_of(in.units));
        out.line(Line().x(10).text("- CROSS SECTION AREA        =").f(area, 10, 2).x(1).text(u.area));
        return;
    }
    out.line(Line().x(10).text("- CROSS SECTION AREA ALONG DEPTH"));
    out.line(Line().x(10).text(" DEPTH,").text(u.length).x(10).text(" AREA,").text(u.area));
    for (const SectionRow& row : in.sections)
        out.line(Line().x(10).f(row.depth, 10, 2).x(10).f(row.area, 10, 2));
}

void value_line(TextOut& out, std::string_view caption, double value, std::string_view label) {
    out.line(Line().x(10).text(caption).f(value, 10, 2).x(1).text(label));
}

void increment_lines(TextOut& out, const InputData& in, const UnitLabels& u) {
    out.line(Line().x(10).text("- INCREMENT OF PILE LENGTH"));
    value_line(out, "  USED IN COMPUTATION       =", in.computation_increment, u.length);
}

void length_lines(TextOut& out, const InputData& in, const UnitLabels& u) {
    value_line(out, "- TOTAL PILE LENGTH, TL     =", in.total_pile_length, u.length);
    value_line(out, "- PILE STICKUP LENGTH, PSL  =", in.stickup_length, u.length);
    value_line(out, "- ZERO FRICTION LENGTH, ZFL =", in.zero_friction_length, u.length);
}

void pile_geometry(TextOut& out, const InputData& in, const UnitLabels& u) {
    const bool noncircular =
        in.pile_type == PileType::HPile || (in.pile_type == PileType::PrecastConcrete && in.perimeter > 0);
    out.blank(2);
    if (noncircular) {
        out.line(Line().x(10).text("NONCIRCULAR PILE PROPERTIES : "));
        out.blank();
        length_lines(out, in, u);
        value_line(out, "- PERIMETER OF PILE         =", in.perimeter, u.diameter);
        // The reader keeps an English tip area in ft2; echo it in the in2 the user entered.
        value_line(out,
                   "- TIP AREA OF PILE          =", in.tip_area * units_of(in.units).solver_area_per_area,
                   u.area);
        increment_lines(out, in, u);
        return;
    }
    out.line(Line().x(10).text("CIRCULAR PILE PROPERTIES : "));
    out.blank();
    value_line(out, "- OUTSIDE DIAMETER, OD      =", in.outside_diameter, u.diameter);
    if (in.pile_type == PileType::SteelPipe)
        value_line(out, "- INTERNAL DIAMETER, ID     =", in.inside_diameter, u.diameter);
    length_lines(out, in, u);
    increment_lines(out, in, u);
    if (in.pile_type != PileType::SteelPipe) return;
    if (in.enhanced_end_section_length != in.total_pile_length) {
        out.line(Line().x(10).text("- LENGTH OF ENHANCED "));
        value_line(out, "  END SECTION               =", in.enhanced_end_section_length, u.length);
        out.line(Line().x(10).text("- INTERNAL DIAMETER OF "));
        value_line(out, "  ENHANCED END SECTION      =", in.enhanced_end_section_inside_diameter, u.diameter);
    }
    out.blank(2);
    out.line(Line().x(10).text("PLUGGED/UNPLUGGED CONDITIONS : "));
    static constexpr const char* kPlug[] = {"Internal Pile Plug Calculated by Program",
                                            "Plugged for open-ended pile", "Unplugged for open-ended pile"};
    out.line(Line().x(10).text(kPlug[static_cast<int>(in.plug_condition)]));
}

void soil_information(TextOut& out, const InputData& in, const UnitLabels& u) {
    out.blank(3);
    out.line(Line().x(10).text("SOIL INFORMATIONS :"));
    out.blank();
    out.line(blanks(63));
    out.blank();
    out.line(Line().x(10).text("                  LATERAL    EFFECTIVE    FRICTION   BEARING"));
    out.line(Line().x(10).text("          SOIL    EARTH      UNIT         ANGLE      CAPACITY"));
    out.line(Line().x(10).text(" DEPTH    TYPE    PRESSURE   WEIGHT       DEGREES    FACTOR"));
    out.line(Line().x(12).a(u.length, 3).x(24).a(u.unit_weight, 5));
    for (const SoilPoint& p : in.soil) {
        out.line(Line()
                     .x(10)
                     .f(p.depth, 7, 2)
                     .x(3)
                     .a(p.is_sand() ? "SAND" : "CLAY", 4)
                     .f(p.earth_pressure, 10, 2)
                     .f(p.unit_weight, 13, 2)
                     .f(p.friction_angle, 13, 2)
                     .f(p.bearing_factor, 10, 2));
    }
}

void limits_and_user_values(TextOut& out, const InputData& in, const UnitLabels& u) {
    out.blank(3);
    out.line(Line().x(10).text("MAXIMUM   MAXIMUM   UNDISTURB  REMOLDED "));
    out.line(Line().x(10).text("UNIT      UNIT      SHEAR      SHEAR     BLOW   UNIT SKIN  UNIT END"));
    out.line(Line().x(10).text("FRICTION  BEARING   STRENGTH   STRENGTH  COUNT  FRICTION   BEARING"));
    out.line(Line()
                 .x(12)
                 .text(u.stress)
                 .x(7)
                 .text(u.stress)
                 .x(8)
                 .text(u.stress)
                 .x(7)
                 .text(u.stress)
                 .x(15)
                 .text(u.stress)
                 .x(7)
                 .text(u.stress));
    bool any_marker = false;
    for (const SoilPoint& p : in.soil) {
        any_marker = any_marker || p.friction_unlimited || p.bearing_unlimited;
        out.line(Line()
                     .x(10)
                     .e(p.max_friction, 8, 2)
                     .a(p.friction_unlimited ? "*" : " ", 1)
                     .e(p.max_bearing, 9, 2)
                     .a(p.bearing_unlimited ? "*" : " ", 1)
                     .f(p.su, 11, 2)
                     .f(p.sur, 10, 2)
                     .f(p.blow_count_ysr, 7, 2)
                     .f(p.user_friction, 11, 2)
                     .f(p.user_bearing, 10, 2));
    }
    if (!any_marker) return;
    out.blank();
    out.line(Line().x(10).text("* MAXIMUM UNIT FRICTION AND/OR MAXIMUM UNIT BEARING "));
    out.line(Line().x(10).text("  WERE SET TO BE 0.10E+08 BECAUSE THE USER DOES NOT "));
    out.line(Line().x(10).text("  PLAN TO LIMIT THE COMPUTED DATA."));
}

void lrfd_factors(TextOut& out, const InputData& in, const UnitLabels& u) {
    out.blank(3);
    out.line(Line().x(10).text("         LRFD FACTOR  LRFD FACTOR    "));
    out.line(Line().x(10).text("          ON UNIT      ON UNIT       "));
    out.line(Line().x(10).text(" DEPTH    FRICTION     BEARING   "));
    out.line(Line().x(12).text(u.length));
    for (const SoilPoint& p : in.soil) {
        out.line(Line().x(10).f(p.depth, 7, 2).x(1).f(p.lrfd_friction, 8, 3).x(4).f(p.lrfd_bearing, 8, 3));
    }
}

void offshore_parameters(TextOut& out, const InputData& in, const UnitLabels& u) {
    if (in.offshore_data <= 0) return;
    out.blank(2);
    out.line(blanks(63));
    out.blank();
    out.line(Line().x(10).text("        PLASTIC    YIELD      Qc                             "));
    out.line(Line().x(10).text("         INDEX    STRESS     FROM                            "));
    out.line(Line().x(10).text(" DEPTH     PI      RATIO     CPT                             "));
    out.line(Line().x(12).text(u.length).x(6).text("%").x(17).text(u.stress));
    for (const SoilPoint& p : in.soil) {
        out.line(Line()
                     .x(10)
                     .f(p.depth, 7, 2)
                     .x(1)
                     .f(p.plasticity_index, 6, 2)
                     .x(3)
                     .f(p.blow_count_ysr, 6, 2)
                     .x(3)
                     .e(p.cone_resistance, 10, 3));
    }
}

}  // namespace

void write_input_echo(TextOut& out, const InputData& in, const UnitLabels& u) {
    input_heading(out);
    titles(out, in);
    load_transfer_method(out, in);
    capacity_methods(out, in, u);
    loading(out, in);
    pile_type(out, in);
    axial_stiffness(out, in, u);
    pile_geometry(out, in, u);
    soil_information(out, in, u);
    limits_and_user_values(out, in, u);
    lrfd_factors(out, in, u);
    offshore_parameters(out, in, u);
}

}  // namespace torve
