// The reader of AGS4 files of cone data on any bytes, and the import of every test it returns.
#include "app/sounding/agsreader.h"
#include "fuzz/sounding_fuzz.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    return torve::fuzz::checkSounding(data, size, torve::app::readAgsSounding);
}
