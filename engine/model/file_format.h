// What the engine's files hold, shared by the engine, the command-line runner and the desktop
// program: the codes and records of the input data file, the table limits and the fixed counts of the
// plot data file; the methods come from the method table. Header-only and free of engine code, so
// that the desktop program can include it without linking the engine.
#pragma once

#include <array>
#include <cstddef>
#include <string_view>

#include "engine/model/method_table.h"

namespace torve {

// Unit-system code of the input data file, the CPT data file and the plot-file header.
enum class UnitSystem : int { English = 1, SI = 2 };

// Flags that record 8 always holds; the Unified flag follows on the same line only when it is set, so
// that files of projects without it stay as they were and readers taking nine flags still read them.
inline constexpr int kAlwaysWrittenMethodFlags = 9;

constexpr int code_of(UnitSystem u) {
    return static_cast<int>(u);
}

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
// Base resistance of the Unified method in clay.
enum class UnifiedClayBase : int {
    AreaRatio = 0,  // (0.2 + 0.6 Are) qt, the open end through the effective area ratio
    LoadTest = 1,   // 0.8 qt under a closed end, 0.4 qt under an open one, as the load tests mobilised
};

// The records of the input data file, in file order: each record's title, as messages name it, and
// the names of its fields in the order they stand on its line. The one codec of the file
// (project_codec.h), whose records (project_records.h) bear these names, and the value checks go by
// these lists; each of their functions for a record checks at compile time that it handles as many
// fields as the list names, so a field added to a record is one line here and cannot be forgotten
// there. Records 1 to 3 are one text line each.
template <std::size_t N>
struct FileRecord {
    std::string_view title;
    std::array<std::string_view, N> fields;

    static constexpr std::size_t size() { return N; }
    constexpr std::string_view operator[](std::size_t i) const { return fields[i]; }
};

template <std::size_t N>
constexpr FileRecord<N> file_record(std::string_view title, const std::string_view (&fields)[N]) {
    FileRecord<N> r{title, {}};
    for (std::size_t i = 0; i < N; ++i) r.fields[i] = fields[i];
    return r;
}

// One field per line, so that a field added is a line added.
// clang-format off
namespace records {
inline constexpr auto kUnitsAndCounts = file_record("record 4 (units, print interval, soil points)", {
    "unit-system code",
    "print interval",
    "number of soil points",
});
// The stickup length is absent in files of the previous version.
inline constexpr auto kPileSection = file_record("record 5 (pile section)", {
    "perimeter",
    "tip area",
    "outside diameter",
    "inside diameter",
    "modulus of elasticity",
    "total pile length",
    "stickup length",
});
inline constexpr auto kEndSection = file_record("record 6 (enhanced end section)", {
    "enhanced end section length",
    "enhanced end section inside diameter",
});
// The reduced-resistance flag is absent in files of the previous version.
inline constexpr auto kOptions = file_record("record 7 (computation options)", {
    "zero-friction length",
    "computation increment",
    "pile-type code",
    "taper angle",
    "load-transfer method code",
    "offshore-data flag",
    "reduced-resistance flag",
});
// Record 8 (absent in the previous version) holds one selection flag per method, in method-code
// order: kMethodCount fields.
inline constexpr std::string_view kMethodFlagsTitle = "record 8 (method selection flags)";
inline constexpr auto kSoilDepth = file_record("record 9 (soil depth and section area)", {
    "deepest soil depth",
    "cross-section area",
});
// Record 10: two lines per soil point, titled "record 10 (soil point i of n, first line)".
inline constexpr std::string_view kSoilPointTitle = "record 10 (soil point ";
inline constexpr auto kSoilPointFirstLine = file_record(", first line)", {
    "depth",
    "soil-type code",
    "coefficient of lateral earth pressure",
    "effective unit weight",
    "friction angle",
    "bearing capacity factor",
});
// The two LRFD factors are absent in files of the previous version. The soil-type factor Fst of a
// clay point follows only when it is not 1, so that files of projects without it stay as they were.
inline constexpr auto kSoilPointSecondLine = file_record(", second line)", {
    "maximum unit friction",
    "maximum unit bearing",
    "undrained shear strength",
    "remolded shear strength or blow count",
    "yield stress ratio",
    "plasticity index",
    "cone resistance",
    "user unit skin friction",
    "user unit end bearing",
    "LRFD factor on unit friction",
    "LRFD factor on unit bearing",
    "soil-type factor Fst",
});
// The count follows the flag only when the flag is 1; then one depth per line.
inline constexpr auto kTzPrint = file_record("record 11 (t-z print depths)", {
    "t-z print flag",
    "number of t-z print depths",
});
inline constexpr std::string_view kTzPrintDepthTitle = "record 11 (t-z print depth ";
inline constexpr std::string_view kTzPrintDepth = "t-z print depth";
inline constexpr auto kLoading = file_record("record 12 (loading)", {
    "loading type code",
    "tension reduction factor",
});
// The Unified clay base option follows on the same line only when it is not 0, so that files of
// projects without it stay as they were.
inline constexpr auto kDrainageAndPlug = file_record("record 13 (clay drainage and plug condition)", {
    "clay drainage option",
    "plug condition code",
    "Unified clay base option",
});
// The rows follow on lines of their own, for the area varying with depth only.
inline constexpr auto kSectionTable = file_record("record 14 (cross-section table)", {
    "number of section rows",
    "section mode",
});
inline constexpr std::string_view kSectionRowTitle = "record 14 (section row ";
inline constexpr auto kSectionRow = file_record("", {
    "section depth",
    "cross-section area",
});
// Absent in files of the previous version.
inline constexpr auto kCriticalDepth = file_record("record 15 (critical depth)", {
    "critical-depth option",
    "critical depth",
});
// One line: the number of fractions, then the fractions.
inline constexpr auto kWorkingLoads = file_record("record 16 (working loads)", {
    "number of working loads",
    "working-load fraction",
});
// clang-format on
}  // namespace records

// The working loads of a project that sets none: half and a third of the capacity at the tip.
inline constexpr double kDefaultWorkingLoadFractions[] = {1.0 / 2.0, 1.0 / 3.0};
// At most this many working loads.
inline constexpr int kMaxWorkingLoads = 10;

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
