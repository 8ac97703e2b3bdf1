// The reader of CSV files of cone data on any bytes, and the import of every test it returns.
#include "app/sounding/csvreader.h"
#include "fuzz/sounding_fuzz.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    return torve::fuzz::checkSounding(
        data, size, [](QByteArrayView b, const QString& f) { return torve::app::readCsvSounding(b, f); });
}
