// Reading the file of names, with the console fallback for missing path lines.
#include "engine/driver/names_file.h"

#include <algorithm>
#include <istream>
#include <ostream>

#include "engine/driver/input_error.h"
#include "engine/model/file_format.h"
#include "engine/model/number_text.h"
#include "engine/model/text_encoding.h"

namespace torve {
namespace {

bool next_line(std::istream& in, std::string& line) {
    if (!std::getline(in, line)) return false;
    if (!line.empty() && line.back() == '\r') line.pop_back();
    return true;
}

std::string trim_right(std::string s) {
    while (!s.empty() && (s.back() == ' ' || s.back() == '\t')) s.pop_back();
    return s;
}

// A path longer than the engine takes is refused: cut short it would name another file, and the
// run would write its report there.
std::string path_piece(const std::string& line, const std::string& where) {
    std::string path = trim_right(line);
    if (path.size() > static_cast<std::size_t>(kMaxPathChars)) {
        throw InputError("The file of names \"names.dat\", " + where + ": the path is " +
                         std::to_string(path.size()) + " characters long; at most " +
                         std::to_string(kMaxPathChars) + " can be used. Move the project to a shorter path.");
    }
    return path;
}

std::string ask(std::ostream& console, std::istream& console_in, const char* question) {
    console << "\n\n"
            << "       " << question << "\n"
            << " ENTER >" << std::endl;
    std::string answer;
    next_line(console_in, answer);
    return path_piece(answer, "path entered on the console");
}

}  // namespace

NamesFile read_names_file(std::istream& names, std::ostream& console, std::istream& console_in) {
    NamesFile nf;
    std::string line;
    for (int n = 1; n <= 4; ++n) {
        if (!next_line(names, line)) {
            throw InputError(
                "The file of names \"names.dat\" ends before line " + std::to_string(n) +
                "; it needs a version line, two identification lines and an identification number "
                "before the four file paths.");
        }
        if (n == 1) nf.version = line.substr(0, kVersionChars);
        if (n == 4) {
            const auto b = line.find_first_not_of(" \t,");
            const auto e = line.find_first_of(" \t,", b == std::string::npos ? line.size() : b);
            int id = 0;
            if (b == std::string::npos ||
                !parse_integer(
                    std::string_view(line).substr(b, e == std::string::npos ? std::string::npos : e - b),
                    id)) {
                throw InputError(
                    "The file of names \"names.dat\", line 4: expected a whole identification number, "
                    "found " +
                    quoted_text(line) + ".");
            }
        }
    }
    std::string* const targets[] = {&nf.input, &nf.report, &nf.plot, &nf.cpt};
    int number = 4;
    for (std::string* target : targets) {
        ++number;
        if (!next_line(names, line)) {
            nf.input = ask(console, console_in, "ENTER A FILE NAME FOR YOUR INPUT FILE.");
            nf.report = ask(console, console_in, "ENTER A FILE NAME FOR YOUR OUTPUT FILE.");
            nf.plot = ask(console, console_in, "ENTER A FILE NAME FOR YOUR GRAPHIC DATA FILE.");
            return nf;
        }
        *target = path_piece(line, "line " + std::to_string(number));
    }
    for (std::optional<double>* target : {&nf.setup_days, &nf.setup_a}) {
        if (!next_line(names, line)) return nf;
        ++number;
        const std::string value =
            trim_right(line.substr(std::min(line.find_first_not_of(" \t"), line.size())));
        if (value.empty()) continue;
        double v = 0;
        if (!parse_real(value, v))
            throw InputError("The file of names \"names.dat\", line " + std::to_string(number) +
                             ": expected a number of days or a set-up factor, found " + quoted_text(value) +
                             ".");
        *target = v;
    }
    for (std::string* target : {&nf.soil_settlement, &nf.downdrag}) {
        if (!next_line(names, line)) return nf;
        ++number;
        *target = path_piece(line, "line " + std::to_string(number));
    }
    return nf;
}

}  // namespace torve
