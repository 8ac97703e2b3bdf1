// The driveability request and results files: how a program that loads the library, and cannot
// call its C++ interface, asks for a driveability run and reads what it gave.
#pragma once

#include <functional>
#include <iosfwd>
#include <optional>
#include <string>
#include <vector>

#include "engine/driver/driveability_analysis.h"

namespace torve {

// The request: "name,value" lines in any order, LF or CRLF line ends, "." as decimal mark, unknown
// names refused. Lengths and forces in the project's units (ft or m, kips or kN).
//   project,PATH         the project (.tv6d); its CPT points, cone readings and layer constants are
//                        read from beside it as torve drive reads them
//   hammer,PATH          the hammer file (JSON)
//   results,PATH         the driveability results file to write
//   srd,alm-hamre        or unified-srd (default alm-hamre)
//   from,A / to,B / step,S   the tip depths A, A+S, ... and B (all three or none; none: every
//                        metre, or 3 ft, down to the pile's length)
//   segment_length,L     m, default 1
//   shaft_factor,F / base_factor,F / friction_angle,DEG   the SrdOptions (defaults 1, 1, 29)
//   bearing_graph,R1 R2 ...   assumed ultimate resistances at the pile's length, blank-separated;
//                        none (or an empty list): ten from a fifth to twice the SRD total at the
//                        pile's length
//   jobs,N               threads, 0 (default) one per core
struct DriveabilityRequest {
    std::string project, hammer, results;
    SrdMethod method = SrdMethod::AlmHamre;
    std::optional<double> from, to, step;
    double segment_length_m = 1.0;
    SrdOptions srd_options;
    std::vector<double> bearing_resistances;
    unsigned jobs = 0;
};

// Raises InputError naming the line of a value that is missing, not a number or out of range.
DriveabilityRequest read_driveability_request(std::istream& request);

// The results, in the project's units (depths and positions ft | m, forces kips | kN, stresses
// ksi | MPa, time s, velocity ft/s | m/s, energy kJ), "." as decimal mark, LF line ends, numbers in
// their shortest form that reads back to the same double, an empty cell for a blow count at refusal:
//   "name,value" lines: solved (1 or 0), message (why not solved; empty otherwise), units (English
//   or S.I.), method ("Alm & Hamre" or "UniSand-SRD"), hammer (its name), pile_length;
//   the table under "depth,srd shaft,srd base,srd total,blow count,cumulative blows,
//   max compression,max compression at,max tension,max tension at,enthru,refusal" (one line);
//   "blow at,DEPTH" (the last depth of the table), then under "time,head force,head velocity" the
//   head of the pile through that blow;
//   "bearing graph at,DEPTH" (the pile's length), then under "resistance,blow count,
//   max compression,max tension,set" one line per assumed resistance (set in mm, or in).
// A run without a solution holds its "solved,0" and "message," lines alone.
std::string driveability_results_text(const Driveability& driveability, const BlowResult* last_blow,
                                      const BearingGraph* bearing, double pile_length,
                                      const std::string& hammer_name);

// Runs the request and writes its results file. `progress` (may be empty) is told after each
// depth and stops the run when it returns false; then no results file is left and the result is
// RunStatus value 5. Never throws; a file that cannot be read is a results file without a
// solution naming it, one that cannot be written is told on `console`.
// `total` counts the depths and then the bearing graph's resistances, each told in turn on the
// calling thread. The results file is replaced only when complete (a temporary file beside it,
// renamed into place); a stopped run leaves one of an earlier run as it was. The result is the
// RunStatus: Completed, InputError (a file or value refused), OutputError (the results file),
// InternalError, Stopped.
int run_driveability_request(const DriveabilityRequest& request,
                             const std::function<bool(int done, int total)>& progress, std::ostream& console);

}  // namespace torve
