// Exception for input that cannot be read or that the analysis refuses; its text names file and place.
#pragma once

#include <cstddef>
#include <stdexcept>
#include <string>
#include <utility>

namespace torve {

// Where input was refused, as fields for a front end to hand on: the file (as it was named to the
// reader; empty for input held in memory), the record ("record 10 (soil point 2 of 4, first
// line)"; empty for the whole file) and the line (1-based; 0 where the message names none).
struct InputPlace {
    std::string file;
    std::string record;
    std::size_t line = 0;
};

// Raised by the readers and the input checks with the engine's located message; run_analysis turns
// it into a failed-run status and prints its message on the console and as the report's last line.
// The message quotes file text through quoted_text(), so that it is valid UTF-8 whatever the file
// held; place() gives the file, record and line the message names, so that no front end has to take
// them back out of the words.
class InputError : public std::runtime_error {
  public:
    explicit InputError(const std::string& message, InputPlace place = {})
        : std::runtime_error(message), place_(std::move(place)) {}
    const InputPlace& place() const noexcept { return place_; }

  private:
    InputPlace place_;
};

}  // namespace torve
