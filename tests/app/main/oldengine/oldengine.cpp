// An engine library as it was before it could drive a pile: the analysis entry point alone, which
// completes at once.
#include <cstdint>

extern "C" {
__attribute__((visibility("default"))) std::int32_t ITORVE(std::int32_t operation) {
    return operation == 3 ? 0 : 1;
}
// The decorated name the desktop binds, kept out of the reserved identifiers by an assembler name.
__attribute__((visibility("default"))) std::int32_t old_engine_decorated(std::int32_t operation) __asm__(
    "_ITORVE");
std::int32_t old_engine_decorated(std::int32_t operation) {
    return ITORVE(operation);
}
}
