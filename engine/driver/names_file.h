// The file of names ("names.dat") through which a caller of the library names a run's files.
#pragma once

#include <iosfwd>
#include <optional>
#include <string>

namespace torve {

struct NamesFile {
    std::string version;  // banner version, first 12 characters of line 1
    std::string input;    // line 5
    std::string report;   // line 6
    std::string plot;     // line 7
    std::string cpt;      // line 8
    // Lines 9 to 12, each optional and blank for none: the days after driving whose set-up the run
    // gives, the set-up's A for every soil type, the soil settlement file of a downdrag solved after
    // the run, and the downdrag results file it writes.
    std::optional<double> setup_days;
    std::optional<double> setup_a;
    std::string soil_settlement;
    std::string downdrag;
};

// Reads the eight lines of the file of names. Lines 1 to 4 must be there (line 4 holds an
// integer), otherwise InputError. When one of lines 5 to 8 is missing the reading stops there and
// the input, report and plot paths are asked for on the console instead; the CPT path keeps what
// was read before it. Trailing blanks are removed from every path; a path longer than kMaxPathChars
// raises InputError. Lines 9 to 12 are read when present; a set-up line that holds no number raises
// InputError naming it.
NamesFile read_names_file(std::istream& names, std::ostream& console, std::istream& console_in);

}  // namespace torve
