// The engine's C++ interface: one complete analysis run from its file paths.
#pragma once

#include <ctime>
#include <iosfwd>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "engine/driver/run_result.h"
#include "engine/model/file_format.h"
#include "engine/model/input_data.h"

namespace torve {

inline constexpr const char* kEngineVersion = TORVE_VERSION;

// Paths of one run. The CPT path may be empty when RunOptions::cpt_optional is set.
struct RunFiles {
    std::string input;                     // input data file (.tv6d)
    std::string report;                    // report (.tv6o), created or replaced
    std::string plot;                      // plot data file (.tv6p), created or replaced
    std::string cpt;                       // CPT data file (.cpt)
    std::string version = kEngineVersion;  // printed in the banner
};

struct RunOptions {
    // Local time printed in the report's date block; the clock at the start of the run when unset.
    std::optional<std::tm> local_time;
    // A missing CPT data file counts as a profile with no points instead of an input error.
    bool cpt_optional = false;
    // The capacity that many days after driving: the skin friction with its set-up.
    std::optional<SetupRequest> setup;
};

// Runs one analysis: reads the input and CPT files (and the soil layer constants file beside the
// input data file, when there is one), writes the report and the plot file. Console
// lines (banner, progress, warnings, failure message) go to `console`. Never throws.
RunResult run_analysis(const RunFiles& files, std::ostream& console, const RunOptions& options = {});

// The input of a run held in memory: the texts of the input data file and of the CPT data file.
struct RunTexts {
    std::string_view input;
    std::optional<std::string_view> cpt;  // none: no CPT data file, an input error unless cpt_optional
    // The soil layer constants file; none: the project gives no constants of its own.
    std::optional<std::string_view> layers = std::nullopt;
};

// Where a run held in memory writes; a null stream is not written (the run still computes all).
struct RunOutputs {
    std::ostream* report = nullptr;
    std::ostream* plot = nullptr;
};

// The same run over texts in memory, without touching any file: `names` supplies the file names
// that the report's heading and the messages show, and the banner's version. The report and plot
// texts are byte for byte those of the file-based run of the same files. Never throws.
RunResult run_analysis(const RunFiles& names, const RunTexts& texts, const RunOutputs& outputs,
                       std::ostream& console, const RunOptions& options = {});

// The same run over input already read (`in` as the input reader gives it): the report and plot
// texts are byte for byte those of the file-based run of the files the input was read from. Never
// throws.
RunResult run_analysis(const RunFiles& names, const InputData& in, const CptProfile& cpt,
                       const RunOutputs& outputs, std::ostream& console, const RunOptions& options = {});

// Computes one analysis of input already read without formatting any text: no report, plot text
// or console line. `in` is as the input reader gives it. The result holds every table and curve, the
// warnings and the stop, the same as the text runs give. Never throws.
RunResult compute_analysis(const InputData& in, const CptProfile& cpt,
                           const std::optional<SetupRequest>& setup = std::nullopt);

// Runs one analysis whose files are named by a file of names ("names.dat" layout). Paths missing
// from it are asked for on `console` and read from `console_in`.
RunResult run_from_names_file(std::istream& names, std::ostream& console, std::istream& console_in);

}  // namespace torve
