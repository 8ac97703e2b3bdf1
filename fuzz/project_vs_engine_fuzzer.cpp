// One project file, two readers: the desktop core and the engine refuse it alike or read the same
// values (readersDisagree gives the rules).
#include "fuzz/fuzz_input.h"
#include "tests/app/project/readersagree.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string difference =
        torve::test::readersDisagree(std::string(reinterpret_cast<const char*>(data), size));
    if (!difference.empty()) torve::fuzz::broken(difference);
    return 0;
}
