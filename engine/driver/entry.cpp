// The C shell of the engine: validates the argument, opens "names.dat" and runs one analysis; or
// reads a driveability request and drives the pile it names. No exception leaves it.
#include "engine/driver/entry.h"

#include <fstream>
#include <iostream>
#include <sstream>

#include "engine/driver/driveability_results_file.h"
#include "engine/driver/run_analysis.h"
#include "engine/model/input_error.h"
#include "engine/model/whole_file.h"

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

std::int32_t drive_entry(const char* request_path, TORVE_DRIVE_PROGRESS progress, void* context) noexcept {
    if (!request_path || !*request_path) return static_cast<std::int32_t>(torve::RunStatus::BadArgument);
    try {
        torve::DriveabilityRequest request;
        try {
            std::istringstream text(torve::read_regular_file(request_path));
            request = torve::read_driveability_request(text);
        } catch (const torve::FileError& e) {
            std::cout << "ERROR - The driveability request file " << request_path
                      << " cannot be read: " << e.reason() << '\n';
            std::cout.flush();
            return static_cast<std::int32_t>(torve::RunStatus::InputError);
        } catch (const torve::InputError& e) {
            std::cout << "ERROR - " << request_path << ": " << e.what() << '\n';
            std::cout.flush();
            return static_cast<std::int32_t>(torve::RunStatus::InputError);
        }
        std::function<bool(int, int)> told;
        if (progress)
            told = [progress, context](int done, int total) { return progress(done, total, context) == 0; };
        const int status = torve::run_driveability_request(request, told, std::cout);
        std::cout.flush();
        return static_cast<std::int32_t>(status);
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

int32_t ITORVE_DRIVE(const char* request, TORVE_DRIVE_PROGRESS progress, void* context) {
    return drive_entry(request, progress, context);
}
}
