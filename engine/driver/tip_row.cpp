// The warning for a last penetration row above the pile tip.
#include "engine/driver/tip_row.h"

#include "engine/driver/fixed_format.h"
#include "engine/driver/unit_labels.h"
#include "engine/methods/pile_geometry.h"
#include "engine/model/rounded_constants.h"

namespace torve {

double tip_row_depth(const InputData& in) {
    return penetration_increments(in.total_pile_length, in.computation_increment) * in.computation_increment;
}

std::optional<DataWarning> tip_row_warning(const InputData& in) {
    const double last = tip_row_depth(in);
    const double length = in.total_pile_length;
    // Rows that reach the tip within the grid's allowance are the tip, as the row count has it.
    const double increments = length / in.computation_increment;
    if (!(increments - static_cast<double>(penetration_increments(length, in.computation_increment)) >
          kGridAllowance))
        return std::nullopt;
    const std::string_view unit = unpadded(unit_labels(in.units).length);
    DataWarning w;
    w.line = Line()
                 .text(" WARNING - THE LAST PENETRATION ROW IS AT")
                 .f(last, 9, 2)
                 .x(1)
                 .text(unit)
                 .text(", ABOVE THE PILE TIP AT")
                 .f(length, 9, 2)
                 .x(1)
                 .text(unit)
                 .str();
    const char* u = in.units == UnitSystem::English ? " ft" : " m";
    w.sentence = "The last penetration row lies at " + decimals(last, 2) + u + ", above the pile tip at " +
                 decimals(length, 2) + u +
                 " (the pile length is not a whole number of computation increments of " +
                 decimals(in.computation_increment, 2) + u +
                 "); every capacity given at the tip is that of " + decimals(last, 2) + u + ".";
    return w;
}

}  // namespace torve
