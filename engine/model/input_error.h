// Exception for input that cannot be read or that the analysis refuses; its text names file and place.
#pragma once

#include <stdexcept>
#include <string>

namespace torve {

// Raised by the readers and the input checks with the engine's located message; run_analysis turns
// it into a failed-run status and prints its message on the console and as the report's last line.
class InputError : public std::runtime_error {
  public:
    explicit InputError(const std::string& message) : std::runtime_error(message) {}
};

}  // namespace torve
