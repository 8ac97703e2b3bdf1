// The project file and its CPT points file in any state, through the one codec alone: a read fails
// only with FormatError; what reads, the value checks take, and it writes in either style to a text
// that reads back to records writing the same text again.
#include <cmath>

#include "engine/model/input_checks.h"
#include "engine/model/project_codec.h"
#include "engine/model/unit_conversion.h"
#include "fuzz/fuzz_input.h"

namespace {

using namespace torve;

void round_trip(const ProjectRecords& records, WriteStyle style) {
    std::string written;
    try {
        written = write_project_records(records, style);
    } catch (const NotFiniteError&) {
        fuzz::broken("the reader gave a value that is not finite");
    }
    try {
        const ProjectRecords again = read_project_records(written, "again").records;
        if (write_project_records(again, style) != written) fuzz::broken("read-write-read changed the text");
    } catch (const FormatError& e) {
        fuzz::broken(std::string("the codec cannot read what it wrote: ") + e.what());
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const auto [project, cpt] = fuzz::projectAndCpt(data, size);
    for (const Layout layout : {Layout::Current, Layout::Previous}) {
        for (const bool desktop : {false, true}) {
            if (layout == Layout::Previous && !desktop) continue;  // only the desktop reads that layout
            ReadOptions options;
            options.layout = layout;
            options.desktop_tables = desktop;
            try {
                const ReadResult<ProjectRecords> r = read_project_records(project, "f", options);
                check_project(r.records, {});  // the checks take any project the codec reads
                round_trip(r.records, WriteStyle::Desktop);
                round_trip(r.records, WriteStyle::AsHeld);
            } catch (const FormatError&) {
            }
            try {
                const CptProfile profile = read_cpt_records(cpt, "f.cpt", options).records;
                check_project({}, profile);
                // Read in either system, a profile the checks do not refuse stays finite.
                for (const UnitSystem units : {UnitSystem::English, UnitSystem::SI}) {
                    ProjectRecords in;
                    in.unit_system_code = code_of(units);
                    if (first_refusal(check_project(in, profile))) continue;
                    for (const CptPoint& p : cpt_profile_in(profile, units).points)
                        if (!std::isfinite(p.depth) || !std::isfinite(p.qc))
                            fuzz::broken("a CPT point not finite once in the project's units");
                }
                if (write_cpt_records(read_cpt_records(write_cpt_records(profile), "again").records) !=
                    write_cpt_records(profile))
                    fuzz::broken("the CPT data file changed on a second write");
            } catch (const FormatError&) {
            }
        }
    }
    return 0;
}
