// Plot data file lines in their fixed layouts.
#include "engine/driver/plot_writer.h"

#include "engine/driver/fixed_format.h"

namespace torve {

void PlotWriter::header(int curves, int rows, int unit_code, int load_transfer_method) {
    out_.line(Line().i(curves, 6).i(rows, 6).i(unit_code, 6).i(load_transfer_method, 6));
}

void PlotWriter::capacity_row(double depth, double skin_friction, double end_bearing, double total,
                              double unit_skin_friction) {
    out_.line(Line()
                  .x(2)
                  .f(depth, 7, 2)
                  .x(2)
                  .f(skin_friction, 8, 1)
                  .x(2)
                  .f(end_bearing, 8, 1)
                  .x(2)
                  .f(total, 9, 1)
                  .x(2)
                  .f(unit_skin_friction, 9, 3));
}

void PlotWriter::tz_count(int curves) {
    out_.line(Line().i(curves, 6));
}

void PlotWriter::tz_curve_header(int number, int points, double depth) {
    out_.line(Line().x(8).i(number, 5).i(points, 11).e(depth, 16, 4));
}

void PlotWriter::tz_point(double load_transfer, double movement) {
    out_.line(Line().x(40).e(load_transfer, 17, 4).e(movement, 16, 4));
}

void PlotWriter::load_distribution_row(double depth, double load, double movement) {
    out_.line(Line().x(3).e(depth, 10, 3).x(3).e(load, 10, 3).x(3).e(movement, 10, 3));
}

void PlotWriter::load_settlement_row(double top_load, double top_movement, double tip_load,
                                     double tip_movement) {
    out_.line(Line().e(top_load, 17, 4).e(top_movement, 16, 4).e(tip_load, 16, 4).e(tip_movement, 16, 4));
}

}  // namespace torve
