// Pile and soil quantities shared by the cone-based offshore methods (NGI, ICP/MTD, Fugro, UWA).
#pragma once

#include <functional>
#include <vector>

#include "engine/methods/cone_resistance.h"
#include "engine/methods/method_inputs.h"
#include "engine/methods/side_friction.h"

namespace torve {

// Distance from depth z to the pile tip in the diameter unit (in or mm), at least 1e-5.
double tip_distance(const PileGeometry& pile, double z);

// Equivalent radius R* = sqrt(R^2 - Ri^2) of a pipe whose tip has the inside diameter EID, in the
// diameter unit (ICP-05); R for a closed end.
double equivalent_radius(const PileGeometry& pile);

// Outside diameter in mm, whatever the unit system (the scale effect is written against the
// 36 mm cone).
double diameter_mm(const PileGeometry& pile, const Units& units);

// tan(phi - 5 degrees), the interface friction of sand used by ICP-05 and UWA-05; no negative
// angle below 5 degrees.
double tan_sand_interface_angle(double phi);

// True when segment k lies within the embedded pile: its side friction reaches a penetration row.
bool segment_within_pile(const PileGeometry& pile, std::size_t k);

// Limit of the unit friction at each penetration row: the maximum entered for the segment that
// begins there (kUnlimited when none).
std::vector<double> entered_friction_limits(const MethodInputs& m);

// The unit end bearing capped by the entered maximum of the segment, when one was entered.
double capped_by_entered_bearing(double q, const Segment& s);

// Unit end bearing of sand from qc with the scale effect of the pile diameter against the 36 mm
// cone (ICP-05): an open-ended pile (0.5 - 0.25 log10(D/36)) qc, at least 0.15 qc beyond 900 mm;
// a closed-ended one (1 - 0.5 log10(D/36)) qc, at least 0.3 qc beyond 900 mm.
double open_ended_sand_bearing(double qc, double d_mm);
double closed_ended_sand_bearing(double qc, double d_mm);

// Unit end bearing of ICP/MTD, Fugro and UWA: the method's own rule in sand, given the cone
// resistance and whether the tip counts as open in sand, and the common clay rule in clay, both
// capped by the entered maximum bearing, at every reading (cone_bearing_readings). In clay an open
// end takes the plugged rule unless it is forced unplugged: the tip chain compares that
// full-section bearing with the annulus plus the plug's friction.
using ConeSandBearing = std::function<double(double qc, bool open_in_sand)>;
SegmentPairs cone_method_end_bearing(const MethodInputs& m, const ConeSandBearing& sand_bearing);

// The cone readings of every segment (segment_cone_nodes): its top, the CPT rows of its layer
// inside it, its bottom.
std::vector<std::vector<ConeNode>> cone_nodes(const MethodInputs& m);

// Effective stress at a depth of segment s, linear between its top and bottom.
double stress_within(const Segment& s, double depth);

// A value at every reading of every segment (`f` for segment k at a node, with the stress there),
// as the readings along the profile of SegmentPairs::along.
std::vector<DepthReading> along_readings(
    const MethodInputs& m, const std::vector<std::vector<ConeNode>>& nodes,
    const std::function<double(std::size_t k, const ConeNode& node, double effective_stress)>& f);

// The integral along every segment of the unit friction `f` (given at one reading of the
// segment's cone nodes with the effective stress there), trapezoidal between the nodes and in
// pieces of at most 5 cm between nodes farther apart (qc linear between them), after the
// tension reduction factor and the segment's own entered limit, and without the part within the
// zero-friction length. For sum_side_friction's segment_integrals.
using NodeFriction = std::function<double(std::size_t k, const ConeNode& node, double effective_stress)>;
std::vector<double> integrate_cone_friction(const MethodInputs& m,
                                            const std::vector<std::vector<ConeNode>>& nodes,
                                            const NodeFriction& f);

// Side friction of a cone method from its unit friction at one reading (`f`, for segment k at a
// node with the effective stress there): the pair of each segment at its end readings (shown at
// the rows, and the plug friction), and the skin friction summed over every reading of each
// segment, so that it follows the sounding between the segment ends and its distance to the tip
// at each reading.
SideFriction cone_readings_side_friction(const MethodInputs& m,
                                         const std::vector<std::vector<ConeNode>>& nodes,
                                         const NodeFriction& f, const NodeFriction& plug_f);

// Side friction of ICP/MTD, Fugro and UWA: the method's sand rule at every reading of a sand
// segment (qc, effective stress and depth of the reading, the distance to the tip taken from that
// depth), the common clay rule in clay; the plug friction equals the shaft friction.
using ConeSandFriction =
    std::function<double(const Segment& s, double qc, double effective_stress, double depth)>;
SideFriction cone_method_side_friction(const MethodInputs& m, const ConeSandFriction& sand_friction);

// The unit end bearing `q` of a cone method from qc and the stress at a reading of segment k, at
// every segment's ends and at every reading between.
using ConeBearing = std::function<double(std::size_t k, double qc, double effective_stress)>;
SegmentPairs cone_bearing_readings(const MethodInputs& m, const ConeBearing& q);

}  // namespace torve
