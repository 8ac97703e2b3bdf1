// Exceptions of a run: input it cannot use (the model's InputError) and outputs it cannot write.
#pragma once

#include <stdexcept>
#include <string>

#include "engine/model/input_error.h"

namespace torve {

// A report or plot file that cannot be created or written.
class OutputError : public std::runtime_error {
  public:
    explicit OutputError(const std::string& message) : std::runtime_error(message) {}
};

}  // namespace torve
