// Values read along the profile at depths finer than the segments (the cone methods at every CPT
// row), linear between the readings, and their integral along the depth.
#pragma once

#include <vector>

namespace torve {

struct DepthReading {
    double depth = 0;
    double value = 0;
};

// Running integral of readings given in increasing depth (two readings at one depth are a step).
// Nothing above the first reading; below the last one its value holds.
class ReadingsIntegral {
  public:
    explicit ReadingsIntegral(std::vector<DepthReading> readings);

    // Integral from the first reading down to z.
    double at(double z) const;
    // Integral from a to b.
    double between(double a, double b) const { return at(b) - at(a); }
    bool empty() const { return r_.empty(); }

  private:
    std::vector<DepthReading> r_;
    std::vector<double> cumulative_;
};

}  // namespace torve
