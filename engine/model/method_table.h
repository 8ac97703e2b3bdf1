// Every fact about a design method that the engine, the runners and the desktop program share, one row
// per method: its code, names, report texts, what it needs from the soil layers, its dialog captions
// and its places in the ordered lists. Header-only and free of engine code, so that the desktop
// program can include it without linking the engine; the engine finds the method's routines through
// its own rules (engine/methods/method_rules.h).
#pragma once

#include <array>
#include <cstddef>
#include <string_view>

namespace torve {

// One numbering for the load-transfer method and the positions of the selection flags.
enum class Method : int {
    Fhwa = 1,
    Usace = 2,
    RevisedLambda = 3,
    Api = 4,
    UserSpecified = 5,
    Ngi = 6,
    IcpMtd = 7,
    Fugro = 8,
    Uwa = 9,
    Unified = 10,
    Nen9997 = 11,
};
// The highest method code; kMethods holds exactly this many rows.
inline constexpr int kMethodCount = 11;

constexpr int code_of(Method m) {
    return static_cast<int>(m);
}
constexpr std::size_t index_of(Method m) {
    return static_cast<std::size_t>(code_of(m) - 1);
}
constexpr bool is_valid_method_code(int code) {
    return code >= 1 && code <= kMethodCount;
}

// What a method reads from a sand layer, so that a layer without it gives no meaningful result.
struct SandNeeds {
    bool friction_angle = false;  // or the SPT blow count it is derived from
    bool ko = false;              // coefficient of lateral earth pressure
    bool nq = false;              // bearing capacity factor
    bool qc = false;              // from the layer, the CPT points, or 2.8 pa N from the blow count
};

// What a method reads from a clay layer.
struct ClayNeeds {
    bool su = false;   // undrained shear strength
    bool sur = false;  // remolded shear strength
    bool ysr = false;  // yield stress ratio
    bool pi = false;   // plasticity index
    bool qc = false;   // from the layer or the CPT points
};

// An option of the computation methods that only one method reads: the report echoes it under that
// method's line, and the dialog places its panel under that method's box and enables it with it.
enum class MethodOption : int {
    None = 0,
    CriticalDepthForSand = 1,  // 10 to 20 diameters by density, at 3,500 psf, or user-specified
    ClayDrainage = 2,          // drained or undrained clay
    UnifiedClayBase = 3,       // the clay base by the effective area ratio or by the load tests
};

// Shapes of the t-z and Q-w curves when the method carries the load transfer.
enum class CurveShapes : int {
    Api = 0,    // API RP 2A t-z and Q-z curves
    Usace = 1,  // Reese/Skempton clay curves, Mosher's hyperbola in sand and the USACE tip curves
    Own = 2,    // curves of its own in sand (the engine's rules of the method give them), API in clay
};

// Whether a project file of the previous version, which holds no selection flags, selects the method.
enum class PreviousFormat : int {
    NotSelected = 0,  // the previous version did not have it
    Selected = 1,     // a cone-based method only where the edition offers the cone-based methods
    SelectedWhenLoadTransfer = 2,
};

// Every row gives each member that has no default here; the build refuses a row that leaves one out
// (missing-field-initializers), and the checks below refuse an empty text.
struct MethodInfo {
    Method method;
    std::string_view name;          // short name in summaries, findings and tables of results
    std::string_view report_line;   // line of the method lists of the report's input echo
    std::string_view report_title;  // title line of its capacity table, framed by as many asterisks
    int title_indent;               // blanks before the title and its frame
    std::string_view curve_label;   // name of its curve in the graphs of the plot file
    // Runs only on a project with offshore data, and is offered only by the offshore edition.
    bool cone_based;
    // Under tension its table is headed "SELF WEIGHT" rather than "END BEARING".
    bool self_weight_heading;
    // Its table marks with an asterisk the rows whose tip resistance the soil plug's friction controls.
    bool plug_marker;
    SandNeeds sand = {};
    ClayNeeds clay = {};
    // Reads the user unit skin friction and end bearing of every layer instead of soil properties.
    bool user_values = false;
    // Its clay friction falls to zero without YSR and takes the chart's first angle without PI, so a
    // run warns of every clay point that lacks them.
    bool clay_data_warnings = false;
    MethodOption option = MethodOption::None;
    std::string_view transfer_note = {};  // echo line under the load-transfer method line
    std::string_view capacity_note = {};  // echo line under its line of the capacity methods
    // Computation methods dialog: the load-transfer radio button (followed by a blank and the mark of
    // its curve-shape note) and the capacity check box, each with its accelerator, and the place of
    // the box on the capacity page, counted from 1.
    std::string_view transfer_caption;
    std::string_view curve_note_mark;
    std::string_view capacity_caption;
    int dialog_place;
    PreviousFormat previous_format = PreviousFormat::NotSelected;
    // Place of its capacity table in the report and of its curve in the plot file, counted from 1.
    int table_place;
    CurveShapes curve_shapes = CurveShapes::Api;
};

// In method-code order; the texts are the program's own, spelling included.
// clang-format off
inline constexpr std::array<MethodInfo, kMethodCount> kMethods = {{
    {
        .method = Method::Fhwa,
        .name = "FHWA",
        .report_line = "- FHWA (Federal Highway Administration)",
        .report_title = "*  FED. HWY. METHOD  *",
        .title_indent = 28,
        .curve_label = "FHWA",
        .cone_based = false,
        .self_weight_heading = false,
        .plug_marker = true,
        .sand = {.friction_angle = true},
        .clay = {.su = true},
        .transfer_caption = "&FHWA (Federal Highway Administration)",
        .curve_note_mark = "(*)",
        .capacity_caption = "&FHWA (Federal Highway Administration) ",
        .dialog_place = 1,
        .previous_format = PreviousFormat::Selected,
        .table_place = 2,
    },
    {
        .method = Method::Usace,
        .name = "USACE",
        .report_line = "- USACE (U.S. Army Corps of Engineers)",
        .report_title = "* ARMY CORPS METHOD  *",
        .title_indent = 28,
        .curve_label = "USACE",
        .cone_based = false,
        .self_weight_heading = false,
        .plug_marker = true,
        .sand = {.friction_angle = true, .ko = true},
        .clay = {.su = true},
        .option = MethodOption::CriticalDepthForSand,
        .transfer_caption = "USACE (U.S. Army &Corps of Engineers)",
        .curve_note_mark = "(*)",
        .capacity_caption = "USACE (U.S. Army &Corps of Engineers) ",
        .dialog_place = 2,
        .previous_format = PreviousFormat::Selected,
        .table_place = 3,
        .curve_shapes = CurveShapes::Usace,
    },
    {
        .method = Method::RevisedLambda,
        .name = "Revised Lambda",
        .report_line = "- Revised Lambda",
        .report_title = "*  LAMBDA 2 METHOD   *",
        .title_indent = 28,
        .curve_label = "Lambda",
        .cone_based = false,
        .self_weight_heading = false,
        .plug_marker = true,
        // Its end bearing is API RP 2A's, Nq times the effective stress in sand.
        .sand = {.friction_angle = true, .nq = true},
        .clay = {.su = true},
        .transfer_caption = "Revised &Lambda",
        .curve_note_mark = "(*)",
        .capacity_caption = "Revised Lambda ",
        .dialog_place = 3,
        .previous_format = PreviousFormat::Selected,
        .table_place = 4,
    },
    {
        .method = Method::Api,
        .name = "API RP 2A",
        .report_line = "- API RP 2A (American Petroleum Institute)",
        .report_title = "*  API RP-2A (1994)  *",
        .title_indent = 28,
        .curve_label = "API",
        .cone_based = false,
        .self_weight_heading = true,
        .plug_marker = true,
        .sand = {.friction_angle = true, .ko = true, .nq = true},
        .clay = {.su = true},
        .transfer_caption = "&API RP 2A (American Petroleum Institute)",
        .curve_note_mark = "(**)",
        .capacity_caption = "&API RP 2A (American Petroleum Institute) ",
        .dialog_place = 4,
        .previous_format = PreviousFormat::Selected,
        .table_place = 5,
    },
    {
        .method = Method::UserSpecified,
        .name = "User-specified",
        .report_line = "- Load-transfer Units specified by User",
        .report_title = "* GENERAL METHOD *",
        .title_indent = 29,
        // The legend abbreviates "user-specified" as the graphs have always shown it.
        .curve_label = "User Spec.",
        .cone_based = false,
        .self_weight_heading = false,
        // Its table has no tip chain, so no row of it is marked.
        .plug_marker = false,
        .user_values = true,
        .transfer_caption = "Load-transfer Units specified by &User",
        .curve_note_mark = "(*)",
        .capacity_caption = "Load-transfer Units specified by &User",
        .dialog_place = 5,
        .previous_format = PreviousFormat::SelectedWhenLoadTransfer,
        .table_place = 1,
    },
    {
        .method = Method::Ngi,
        .name = "NGI",
        .report_line = "- NGI (Norwegian Geotechnical Institute)",
        .report_title = "*  NORWEIGIAN GEOTECHNICAL INSTITUTE (NGI) METHOD  *",
        .title_indent = 10,
        .curve_label = "NGI",
        .cone_based = true,
        .self_weight_heading = true,
        .plug_marker = true,
        // Clay under NGI bears on su and PI, not on qc.
        .sand = {.qc = true},
        .clay = {.su = true, .pi = true},
        .transfer_caption = "&NGI (Norwegian Geotechnical Institute)",
        .curve_note_mark = "(**)",
        .capacity_caption = "&NGI (Norwegian Geotechnical Institute) ",
        .dialog_place = 6,
        .previous_format = PreviousFormat::Selected,
        .table_place = 6,
    },
    {
        .method = Method::IcpMtd,
        .name = "ICP/MTD",
        .report_line = "- ICP/MTD (Imperial College of London)",
        .report_title = "*  IMPERIAL COLLEGE (MTD) METHOD  *",
        .title_indent = 20,
        .curve_label = "MTD",
        .cone_based = true,
        .self_weight_heading = true,
        .plug_marker = true,
        .sand = {.friction_angle = true, .qc = true},
        .clay = {.su = true, .sur = true, .ysr = true, .pi = true, .qc = true},
        .clay_data_warnings = true,
        .option = MethodOption::ClayDrainage,
        .transfer_caption = "&ICP/MTD (Imperial College of London)",
        .curve_note_mark = "(**)",
        .capacity_caption = "&ICP/MTD (Imperial College of London) ",
        .dialog_place = 7,
        .previous_format = PreviousFormat::Selected,
        .table_place = 7,
    },
    {
        .method = Method::Fugro,
        .name = "Fugro",
        .report_line = "- FUGRO (Offshore Driven Piles in Sand)",
        .report_title = "*    FUGRO 2004 (FUGRO) METHOD    *",
        .title_indent = 20,
        .curve_label = "FUGRO",
        .cone_based = true,
        .self_weight_heading = true,
        .plug_marker = true,
        .sand = {.qc = true},
        .clay = {.su = true, .sur = true, .ysr = true, .pi = true, .qc = true},
        .clay_data_warnings = true,
        .transfer_caption = "Fugro (Offshore Driven Piles in Sand)",
        .curve_note_mark = "(**)",
        .capacity_caption = "Fugro (Offshore Driven Piles in Sand) ",
        .dialog_place = 8,
        .previous_format = PreviousFormat::Selected,
        .table_place = 8,
    },
    {
        .method = Method::Uwa,
        .name = "UWA",
        .report_line = "- UWA (University of Western Australia)",
        .report_title = "*  UNIV. OF WESTERN AUSTRALIA (UWA) METHOD  *",
        .title_indent = 13,
        .curve_label = "UWA",
        .cone_based = true,
        .self_weight_heading = true,
        .plug_marker = true,
        .sand = {.friction_angle = true, .qc = true},
        .clay = {.su = true, .sur = true, .ysr = true, .pi = true, .qc = true},
        .clay_data_warnings = true,
        .transfer_caption = "UWA (University of Western Australia)",
        .curve_note_mark = "(**)",
        .capacity_caption = "UWA (University of Western Australia) ",
        .dialog_place = 9,
        .previous_format = PreviousFormat::Selected,
        .table_place = 9,
    },
    {
        .method = Method::Unified,
        .name = "Unified",
        .report_line = "- Unified CPT-Based (ISO 19901-4, Lehane et al.)",
        .report_title = "*   UNIFIED CPT-BASED METHOD (ISO 19901-4)  *",
        .title_indent = 13,
        .curve_label = "UNIFIED",
        .cone_based = true,
        .self_weight_heading = true,
        .plug_marker = true,
        .sand = {.qc = true},
        .clay = {.qc = true},
        .option = MethodOption::UnifiedClayBase,
        .transfer_note = "  # CPT-Based t-z and Q-w Curves in Sand; API RP 2A Curves in Clay",
        .capacity_note = "  # Open End by the Effective Area Ratio; the Plug Condition is not used",
        .transfer_caption = "Unified CPT-Based (ISO 19901-4, Lehane et al.)",
        .curve_note_mark = "(***)",
        .capacity_caption = "Unified CPT-Based (ISO 19901-4, Lehane et al.)",
        .dialog_place = 10,
        .table_place = 10,
        .curve_shapes = CurveShapes::Own,
    },
    {
        .method = Method::Nen9997,
        .name = "NEN9997",
        .report_line = "- NEN 9997-1 (Dutch CPT Method, Koppejan)",
        .report_title = "*  NEN 9997-1 DUTCH CPT METHOD (KOPPEJAN)  *",
        .title_indent = 13,
        .curve_label = "NEN9997",
        .cone_based = true,
        .self_weight_heading = true,
        .plug_marker = false,
        .sand = {.qc = true},
        .clay = {.qc = true},
        .transfer_note = "  # API RP 2A t-z and Q-w Curves with the Method's Unit Values",
        .capacity_note = "  # Precast Concrete Driven Piles; no Shaft Friction in Clay",
        .transfer_caption = "NEN 9997-1 (Dutch CPT Method, Koppejan)",
        .curve_note_mark = "(**)",
        .capacity_caption = "NEN 9997-1 (Dutch CPT Method, Koppejan)",
        .dialog_place = 11,
        .table_place = 11,
    },
}};
// clang-format on

constexpr const MethodInfo& method_info(Method m) {
    return kMethods[index_of(m)];
}

// The cone-based offshore methods, which run only on a project with offshore data.
constexpr bool is_cone_based(Method m) {
    return method_info(m).cone_based;
}

// The method that reads an option (the table's checks make it exactly one).
constexpr Method option_owner(MethodOption option) {
    for (const MethodInfo& m : kMethods)
        if (m.option == option) return m.method;
    return Method::Fhwa;  // MethodOption::None, which no method owns
}

namespace method_table {

// Methods in the order of a place field of their rows; a place outside 1..N is left out here and
// refused by the checks below.
consteval std::array<Method, kMethodCount> ordered_by(int MethodInfo::*place) {
    std::array<Method, kMethodCount> order{};
    for (const MethodInfo& m : kMethods)
        if (m.*place >= 1 && m.*place <= kMethodCount)
            order[static_cast<std::size_t>(m.*place - 1)] = m.method;
    return order;
}

consteval bool one_row_per_code_in_code_order() {
    for (std::size_t i = 0; i < kMethods.size(); ++i)
        if (code_of(kMethods[i].method) != static_cast<int>(i) + 1) return false;
    return true;
}

consteval bool every_text_given() {
    for (const MethodInfo& m : kMethods)
        for (std::string_view text : {m.name, m.report_line, m.report_title, m.curve_label,
                                      m.transfer_caption, m.curve_note_mark, m.capacity_caption})
            if (text.empty()) return false;
    return true;
}

// The frame of asterisks is as wide as the title, which stands between two of them.
consteval bool titles_framed() {
    for (const MethodInfo& m : kMethods)
        if (m.report_title.size() < 2 || m.report_title.front() != '*' || m.report_title.back() != '*' ||
            m.title_indent < 1)
            return false;
    return true;
}

consteval bool places_are_a_permutation(int MethodInfo::*place) {
    std::array<int, kMethodCount> seen{};
    for (const MethodInfo& m : kMethods) {
        if (m.*place < 1 || m.*place > kMethodCount) return false;
        ++seen[static_cast<std::size_t>(m.*place - 1)];
    }
    for (int n : seen)
        if (n != 1) return false;
    return true;
}

// Every method reads something of the layers, and the clay data warnings name data the method needs.
consteval bool needs_consistent() {
    for (const MethodInfo& m : kMethods) {
        const bool reads_sand = m.sand.friction_angle || m.sand.ko || m.sand.nq || m.sand.qc;
        const bool reads_clay = m.clay.su || m.clay.sur || m.clay.ysr || m.clay.pi || m.clay.qc;
        if (!(reads_sand || reads_clay || m.user_values)) return false;
        if (m.user_values && (reads_sand || reads_clay)) return false;
        if (m.clay_data_warnings && !(m.clay.ysr && m.clay.pi)) return false;
    }
    return true;
}

// An option belongs to one method.
consteval bool options_owned_once() {
    for (MethodOption option :
         {MethodOption::CriticalDepthForSand, MethodOption::ClayDrainage, MethodOption::UnifiedClayBase}) {
        int owners = 0;
        for (const MethodInfo& m : kMethods) owners += m.option == option ? 1 : 0;
        if (owners != 1) return false;
    }
    return true;
}

static_assert(one_row_per_code_in_code_order(),
              "kMethods needs exactly one row per method code, in code order");
static_assert(every_text_given(),
              "a row of kMethods lacks a name, report text, curve label or dialog caption");
static_assert(titles_framed(), "a report title must start and end with an asterisk and be indented");
static_assert(places_are_a_permutation(&MethodInfo::table_place),
              "the table places of kMethods must be 1..N, each once");
static_assert(places_are_a_permutation(&MethodInfo::dialog_place),
              "the dialog places of kMethods must be 1..N, each once");
static_assert(needs_consistent(),
              "a row of kMethods reads no layer data, or warns of clay data it does not need");
static_assert(options_owned_once(), "each method option must belong to exactly one method");

}  // namespace method_table

// Order of the capacity tables in the report and of the capacity curves in the plot file: the
// user-specified method first, then the onshore methods, API RP 2A and the cone-based methods.
inline constexpr std::array<Method, kMethodCount> kTableOrder =
    method_table::ordered_by(&MethodInfo::table_place);

// Order of the method boxes on the capacity page of the computation methods dialog.
inline constexpr std::array<Method, kMethodCount> kDialogOrder =
    method_table::ordered_by(&MethodInfo::dialog_place);

}  // namespace torve
