// The C shell of the engine: validates the argument, opens "names.dat" and runs one analysis.
#include "engine/driver/entry.h"

#include <fstream>
#include <iostream>

#include "engine/driver/run_analysis.h"

namespace {

std::int32_t entry(std::int32_t operation) noexcept {
    if (operation != 3) return static_cast<std::int32_t>(torve::RunStatus::BadArgument);
    try {
        std::ifstream names("names.dat");
        if (!names) {
            std::cout << "ERROR - The file of names \"names.dat\" is missing from the current directory.\n";
            return static_cast<std::int32_t>(torve::RunStatus::InputError);
        }
        const torve::RunResult r = torve::run_from_names_file(names, std::cout, std::cin);
        std::cout.flush();
        return static_cast<std::int32_t>(r.status);
    } catch (...) {
        return static_cast<std::int32_t>(torve::RunStatus::InternalError);
    }
}

}  // namespace

extern "C" {

int32_t ITORVE(int32_t operation) {
    return entry(operation);
}

// The decorated export name of the entry point; an assembler name keeps the C++ identifier
// out of the reserved underscore-capital namespace.
TORVE_EXPORT int32_t torve_itorve_decorated(int32_t operation) __asm__("_ITORVE");
int32_t torve_itorve_decorated(int32_t operation) {
    return entry(operation);
}
}
