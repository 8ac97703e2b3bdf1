// What the engine's files hold, shared by the engine, the command-line runner and the desktop
// program: the method codes with their names and titles, the order of the capacity tables, the table
// limits and the fixed counts of the plot data file. Header-only and free of engine code, so that the
// desktop program can include it without linking the engine.
#pragma once

#include <array>
#include <cstddef>
#include <string_view>

namespace torve {

// Unit-system code of the input data file, the CPT data file and the plot-file header.
enum class UnitSystem : int { English = 1, SI = 2 };

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
};
inline constexpr int kMethodCount = 10;
// Flags that record 8 always holds; the Unified flag follows on the same line only when it is set, so
// that files of projects without it stay as they were and readers taking nine flags still read them.
inline constexpr int kAlwaysWrittenMethodFlags = 9;

constexpr int code_of(Method m) {
    return static_cast<int>(m);
}
constexpr int code_of(UnitSystem u) {
    return static_cast<int>(u);
}
constexpr std::size_t index_of(Method m) {
    return static_cast<std::size_t>(code_of(m) - 1);
}
constexpr bool is_valid_method_code(int code) {
    return code >= 1 && code <= kMethodCount;
}
// The cone-based offshore methods, which run only on a project with offshore data.
constexpr bool is_cone_based(Method m) {
    return code_of(m) >= code_of(Method::Ngi);
}

struct MethodInfo {
    Method method;
    std::string_view name;          // short name in summaries and tables of results
    std::string_view report_line;   // line of the method lists of the report's input echo
    std::string_view report_title;  // boxed title over the method's capacity table
    std::string_view curve_label;   // name of the method's curve in the plot file's graphs
};

// In method-code order; the texts are the program's own, spelling included.
inline constexpr std::array<MethodInfo, kMethodCount> kMethods = {{
    {Method::Fhwa, "FHWA", "- FHWA (Federal Highway Administration)", "*  FED. HWY. METHOD  *", "FHWA"},
    {Method::Usace, "USACE", "- USACE (U.S. Army Corps of Engineers)", "* ARMY CORPS METHOD  *", "USACE"},
    {Method::RevisedLambda, "Revised Lambda", "- Revised Lambda", "*  LAMBDA 2 METHOD   *", "Lambda"},
    {Method::Api, "API RP 2A", "- API RP 2A (American Petroleum Institute)", "*  API RP-2A (1994)  *", "API"},
    // "User Spec." is the legend's short form of "user-specified", as the graphs have always shown it.
    {Method::UserSpecified, "User-specified", "- Load-transfer Units specified by User", "* GENERAL METHOD *",
     "User Spec."},
    {Method::Ngi, "NGI", "- NGI (Norwegian Geotechnical Institute)",
     "*  NORWEIGIAN GEOTECHNICAL INSTITUTE (NGI) METHOD  *", "NGI"},
    {Method::IcpMtd, "ICP/MTD", "- ICP/MTD (Imperial College of London)",
     "*  IMPERIAL COLLEGE (MTD) METHOD  *", "MTD"},
    {Method::Fugro, "Fugro", "- FUGRO (Offshore Driven Piles in Sand)", "*    FUGRO 2004 (FUGRO) METHOD    *",
     "FUGRO"},
    {Method::Uwa, "UWA", "- UWA (University of Western Australia)",
     "*  UNIV. OF WESTERN AUSTRALIA (UWA) METHOD  *", "UWA"},
    {Method::Unified, "Unified", "- Unified CPT-Based (ISO 19901-4, Lehane et al.)",
     "*   UNIFIED CPT-BASED METHOD (ISO 19901-4)  *", "UNIFIED"},
}};

constexpr const MethodInfo& method_info(Method m) {
    return kMethods[index_of(m)];
}

// Order of the capacity tables in the report and of the capacity curves in the plot file: the
// user-specified method first, then the onshore methods, API RP 2A and the cone-based methods.
inline constexpr std::array<Method, kMethodCount> kTableOrder = {
    Method::UserSpecified, Method::Fhwa,   Method::Usace, Method::RevisedLambda, Method::Api,
    Method::Ngi,           Method::IcpMtd, Method::Fugro, Method::Uwa,           Method::Unified};

// Codes of the input data file.
enum class PileType : int {
    SteelPipe = 1,  // steel pipe pile or non-tapered portion of a monotube pile
    Timber = 2,
    PrecastConcrete = 3,  // square, rectangular or orthogonal when a perimeter is given, else circular
    RaymondStepTaper = 4,
    RaymondUniformTaper = 5,
    HPile = 6,          // H-pile or other steel pile
    MonotubeTaper = 7,  // tapered portion of a monotube pile
};
enum class SoilType : int { Sand = 1, Clay = 2 };
enum class LoadingType : int { Compression = 0, Tension = 1 };
enum class PlugCondition : int { Computed = 0, Plugged = 1, Unplugged = 2 };
// How the axial stiffness gets its cross-section area.
enum class SectionMode : int { FromDiameters = 0, Constant = 1, VaryingWithDepth = 2 };
enum class CriticalDepthOption : int {
    FromDensity = 0,  // 10 to 20 pile diameters by the density of the sand
    FromStress = 1,   // where the effective stress reaches 3,500 lb/ft2
    UserSpecified = 2,
};
// For ICP/MTD clay (and the Fugro and UWA clay rules): drained when 1, undrained otherwise.
enum class ClayDrainage : int { Undrained = 0, Drained = 1 };

// Table limits of one run; larger input is refused, never truncated.
inline constexpr int kMaxSoilPoints = 80;  // two points (top and bottom) per soil layer
inline constexpr int kMaxSoilLayers = kMaxSoilPoints / 2;
inline constexpr int kMaxSegments = 500;       // soil segments of one increment length each
inline constexpr int kMaxTzPrintDepths = 100;  // extra t-z curve depths for verification
inline constexpr int kMaxSectionRows = 100;    // rows of the cross-section area table
inline constexpr int kMaxCptRows = 1000;       // depth/qc pairs of the CPT profile
inline constexpr int kMaxTitleChars = 72;      // title, designer and job number lines
inline constexpr int kMaxPathChars = 255;      // paths in the file of names
inline constexpr int kVersionChars = 12;       // version string of the file of names, shown in the banner

// Fixed counts of the plot data file.
inline constexpr int kPointsPerTzCurve = 10;  // every t-z and Q-w curve
inline constexpr int kLoadLevels = 9;         // assumed tip movements of the load-settlement curve
// Rows of a capacity curve: the surface row and one per segment.
inline constexpr int kMaxCapacityRows = kMaxSegments + 1;

}  // namespace torve
