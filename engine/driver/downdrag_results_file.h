// The downdrag results file: what a run named by a file of names solved of the pile in settling soil,
// for a program that loads the library and cannot call its C++ interface.
#pragma once

#include <string>

#include "engine/driver/downdrag_analysis.h"

namespace torve {

// The results as "name,value" lines, then a table of the pile from the head to the toe under the
// header line "depth,axial load,resistance,pile movement,soil settlement"; numbers in the project's
// units (ft or m, kips or kN, in or mm) in their shortest form that reads back to the same double,
// "." as decimal mark, LF line ends. A result without a solution holds "solved,0" and its
// "message," line alone; a neutral plane of equilibrium that does not exist has an empty value.
std::string downdrag_results_text(const DowndragResult& result);

// Solves the downdrag of the input data file `input` (and its CPT data file `cpt`, which may be
// missing) on the settlement record `settlement_file` and writes downdrag_results_text to
// `results_file`. A file that cannot be read is a result without a solution naming it; a results
// file that cannot be written is told on `console`. Never throws.
void write_downdrag_results(const std::string& input, const std::string& cpt,
                            const std::string& settlement_file, const std::string& results_file,
                            std::ostream& console);

}  // namespace torve
