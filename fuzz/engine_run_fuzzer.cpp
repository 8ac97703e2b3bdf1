// A whole engine run on any input data file and CPT data file: it completes or refuses with a
// status, never crashes, and a completed run writes no NaN or infinity.
#include <algorithm>
#include <sstream>

#include "engine/driver/run_analysis.h"
#include "fuzz/fuzz_input.h"

namespace {

// The text records the report echoes are the user's words; anything else holding "NaN" or "Inf" is a
// number gone wrong. Only a text that itself holds one of them is taken out, in one pass, as wide as
// the report echoes it: the title in 70 characters, the designer and the job number in 60.
std::string withoutTexts(const std::string& report, std::string_view project) {
    constexpr std::size_t kEchoWidth[] = {70, 60, 60};
    std::string out = report;
    for (int line = 0; line < 3 && !project.empty(); ++line) {
        const std::size_t end = project.find('\n');
        std::string text(project.substr(0, std::min(end, project.size())));
        if (!text.empty() && text.back() == '\r') text.pop_back();
        text.resize(std::min(text.size(), kEchoWidth[line]));
        project = end == std::string_view::npos ? std::string_view{} : project.substr(end + 1);
        if (text.find("NaN") == std::string::npos && text.find("Inf") == std::string::npos) continue;
        std::string kept;
        std::size_t from = 0;
        for (std::size_t at; (at = out.find(text, from)) != std::string::npos; from = at + text.size())
            kept.append(out, from, at - from);
        out = kept + out.substr(from);
    }
    return out;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace torve;
    const auto [project, cpt] = fuzz::projectAndCpt(data, size);
    const RunFiles files{fuzz::write("p.tv6d", project), (fuzz::scratch() / "p.tv6o").string(),
                         (fuzz::scratch() / "p.tv6p").string(), fuzz::write("p.cpt", cpt)};
    std::ostringstream console;
    const RunResult r = run_analysis(files, console);
    if (r.status == RunStatus::InternalError) fuzz::broken("internal error: " + r.message);
    if (r.status != RunStatus::Completed) return 0;
    const std::string report = withoutTexts(fuzz::read(files.report), project);
    const std::string plot = fuzz::read(files.plot);
    for (const std::string* text : {&report, &plot})
        for (const char* bad : {"NaN", "Inf"})
            if (text->find(bad) != std::string::npos) fuzz::broken(std::string(bad) + " in an output");
    return 0;
}
