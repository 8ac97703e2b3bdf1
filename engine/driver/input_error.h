// Exception for input that cannot be read or that the run refuses; its text names file and place.
#pragma once

#include <stdexcept>
#include <string>

namespace torve {

// Raised by the readers and input checks; run_analysis turns it into a failed-run status and
// prints its message on the console and as the report's last line.
class InputError : public std::runtime_error {
  public:
    explicit InputError(const std::string& message) : std::runtime_error(message) {}
};

// A report or plot file that cannot be created or written.
class OutputError : public std::runtime_error {
  public:
    explicit OutputError(const std::string& message) : std::runtime_error(message) {}
};

}  // namespace torve
