// The run's warnings in sentences and console lines.
#include "engine/driver/run_warning.h"

#include "engine/driver/fixed_format.h"

namespace torve {
namespace {

std::string depth_text(double depth, bool english) {
    return decimals(depth, 2) + (english ? " ft" : " m");
}

}  // namespace

std::string warning_sentence(const RunWarning& w, bool english) {
    std::string where;
    if (w.method) where = std::string(method_info(*w.method).name);
    if (w.depth) where += (where.empty() ? "At " : ", at ") + depth_text(*w.depth, english);
    return where.empty() ? w.text : where + ": " + w.text;
}

std::string warning_console_line(const RunWarning& w, bool english) {
    std::string where;
    if (w.method) where = std::string(method_info(*w.method).name);
    if (w.depth) where += (where.empty() ? "" : "; ") + depth_text(*w.depth, english);
    return where.empty() ? "Warning: " + w.text : "Warning [" + where + "]: " + w.text;
}

}  // namespace torve
