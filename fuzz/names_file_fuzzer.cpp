// The file of names in any state: read or refused with a message, and no path longer than the engine
// takes.
#include <sstream>

#include "engine/driver/input_error.h"
#include "engine/driver/names_file.h"
#include "engine/model/file_format.h"
#include "fuzz/fuzz_input.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace torve;
    const std::string text(reinterpret_cast<const char*>(data), size);
    // The console answers, when the file is short, are the same bytes again.
    std::istringstream names(text), answers(text);
    std::ostringstream console;
    try {
        const NamesFile nf = read_names_file(names, console, answers);
        for (const std::string* path : {&nf.input, &nf.report, &nf.plot, &nf.cpt})
            if (path->size() > static_cast<std::size_t>(kMaxPathChars)) fuzz::broken("a path over the limit");
    } catch (const InputError&) {
    }
    return 0;
}
