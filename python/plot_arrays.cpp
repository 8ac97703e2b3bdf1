// Reading the plot text: blank-separated numbers in a fixed order of blocks.
#include "python/plot_arrays.h"

#include <charconv>
#include <stdexcept>

namespace torve::python {
namespace {

// The numbers of the text one after another; running out raises, which ends the reading.
class Numbers {
  public:
    explicit Numbers(std::string_view text) : text_(text) {}

    double real() {
        while (pos_ < text_.size() && is_blank(text_[pos_])) ++pos_;
        if (pos_ >= text_.size()) throw std::out_of_range("end of the plot text");
        const char* begin = text_.data() + pos_;
        double v = 0;
        const auto [end, ec] = std::from_chars(begin, text_.data() + text_.size(), v);
        if (ec != std::errc()) throw std::out_of_range("not a number in the plot text");
        pos_ += static_cast<std::size_t>(end - begin);
        return v;
    }
    int count(int limit) {
        const double v = real();
        if (v < 0 || v > limit) throw std::out_of_range("count beyond the engine's limits");
        return static_cast<int>(v);
    }

  private:
    static bool is_blank(char c) { return c == ' ' || c == '\n' || c == '\r' || c == '\t'; }
    std::string_view text_;
    std::size_t pos_ = 0;
};

std::vector<TransferCurve> read_curves(Numbers& n, int limit) {
    std::vector<TransferCurve> curves(static_cast<std::size_t>(n.count(limit)));
    for (TransferCurve& c : curves) {
        n.real();  // curve number
        const int points = n.count(kPointsPerTzCurve);
        c.depth = n.real();
        for (int k = 0; k < points; ++k) {
            c.load_transfer.push_back(n.real());
            c.movement.push_back(n.real());
        }
    }
    return curves;
}

}  // namespace

PlotArrays read_plot_arrays(std::string_view text, bool extra_tz) {
    PlotArrays a;
    Numbers n(text);
    try {
        const int curves = n.count(kMethodCount);
        a.rows = n.count(kMaxCapacityRows);
        a.units = static_cast<int>(n.real());
        a.load_transfer_method = static_cast<int>(n.real());
        for (int c = 0; c < curves; ++c) {
            CapacityColumns col;
            for (int r = 0; r < a.rows; ++r) {
                col.depth.push_back(n.real());
                col.skin_friction.push_back(n.real());
                col.end_bearing.push_back(n.real());
                col.total.push_back(n.real());
                col.unit_skin_friction.push_back(n.real());
            }
            a.capacity.push_back(std::move(col));
        }
        // One curve per soil segment at most, three per layer, and three for the stickup.
        a.tz_curves = read_curves(n, 3 * (kMaxSegments + kMaxSoilLayers + 1));
        for (int level = 0; level < kLoadLevels; ++level) {
            std::vector<double> depth, load, movement;
            for (int r = 0; r < a.rows; ++r) {
                depth.push_back(n.real());
                load.push_back(n.real());
                movement.push_back(n.real());
            }
            a.distribution_depth.push_back(std::move(depth));
            a.distribution_load.push_back(std::move(load));
            a.distribution_movement.push_back(std::move(movement));
        }
        for (int level = 0; level < kLoadLevels; ++level) {
            a.head_load.push_back(n.real());
            a.head_movement.push_back(n.real());
            a.tip_load.push_back(n.real());
            a.tip_movement.push_back(n.real());
        }
        if (extra_tz) a.extra_tz_curves = read_curves(n, kMaxTzPrintDepths);
        a.complete = true;
    } catch (const std::out_of_range&) {
        // What was whole stays; the run's result says why the rest is missing.
    }
    return a;
}

}  // namespace torve::python
