// The explicit time stepping of Smith's model: velocities from the forces of the step's start, then
// displacements from the new velocities.
#include "engine/driver/wave_equation.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace torve {

namespace {

// A compression-only spring remembers the largest compression it reached: below it, it follows the
// unloading line of slope k / cor^2 from that point.
double compression_only_force(const LumpedSpring& s, double compression, double& largest) {
    if (compression >= largest) {
        largest = compression;
        return compression > 0 ? s.stiffness * compression : 0.0;
    }
    const double unloading = s.stiffness / (s.cor * s.cor);
    return std::max(0.0, s.stiffness * largest - unloading * (largest - compression));
}

// A soil spring's plastic offset and the energy it has taken for good: by yielding (the ultimate
// resistance times the offset's travel) and in its dashpot.
struct SoilState {
    double offset = 0;
    double dissipated = 0;
};

// The soil's static and total resistance to a mass at displacement d and velocity v.
struct SoilForce {
    double resistance = 0;
    double damping = 0;  // the part of it the dashpot gives
};

SoilForce soil_resistance(const SoilSpring& s, bool toe, double d, double v, SoilState& state) {
    if (s.ultimate <= 0) return {};
    const double quake = std::max(s.quake, 1e-9);
    if (d - state.offset > quake) {
        state.dissipated += s.ultimate * (d - quake - state.offset);
        state.offset = d - quake;
    }
    if (toe) {
        if (d - state.offset < 0) return {};  // the toe has lifted off the soil
    } else if (d - state.offset < -quake) {
        state.dissipated += s.ultimate * (state.offset - d - quake);
        state.offset = d + quake;
    }
    const double rs = s.ultimate / quake * (d - state.offset);
    // Smith's Rs (1 + J v) where the spring and the velocity go the same way; where they go
    // opposite ways (the spring unloading) the dashpot still resists the motion, J |Rs| v, for
    // Rs (1 + J v) would push the mass along and feed the blow energy it never had.
    double r = rs + s.damping * std::abs(rs) * v;
    if (toe) r = std::max(r, 0.0);
    return {r, r - rs};
}

// The energy a soil spring holds elastically.
double soil_strain_energy(const SoilSpring& s, bool toe, double d, const SoilState& state) {
    if (s.ultimate <= 0) return 0;
    const double x = d - state.offset;
    if (toe && x < 0) return 0;
    return 0.5 * s.ultimate / std::max(s.quake, 1e-9) * x * x;
}

// The energy a compression-only spring holds, with what it has lost for good: on the loading line
// 1/2 k C^2; below its largest compression Cmax, the loss 1/2 k Cmax^2 (1 - cor^2) and the energy
// F^2 / (2 k_unloading) still in it.
double compression_only_energy(const LumpedSpring& s, double compression, double largest) {
    if (compression >= largest) return compression > 0 ? 0.5 * s.stiffness * compression * compression : 0.0;
    const double unloading = s.stiffness / (s.cor * s.cor);
    const double f = std::max(0.0, s.stiffness * largest - unloading * (largest - compression));
    return 0.5 * s.stiffness * largest * largest * (1 - s.cor * s.cor) + f * f / (2 * unloading);
}

double spring_stiffness(const SoilSpring& s) {
    return s.ultimate > 0 ? s.ultimate / std::max(s.quake, 1e-9) : 0.0;
}

}  // namespace

double stable_time_step(const WaveModel& model, double fraction) {
    // A compression-only spring is stiffest unloading (k / cor^2); the soil's spring stiffens with
    // its damping as Rs (1 + J v), for which the pile's velocity is taken as at most twice the
    // fastest mass's at impact (a free toe doubles the velocity of the wave it reflects).
    double fastest = 0;
    for (const LumpedMass& m : model.masses) fastest = std::max(fastest, std::abs(m.initial_velocity));
    auto spring = [&](const LumpedSpring& s) {
        return s.kind == SpringKind::Linear ? s.stiffness : s.stiffness / (s.cor * s.cor);
    };
    auto soil = [&](const SoilSpring& s) { return spring_stiffness(s) * (1 + s.damping * 2 * fastest); };
    double step = std::numeric_limits<double>::infinity();
    const std::size_t n = model.masses.size();
    for (std::size_t i = 0; i < n; ++i) {
        const LumpedMass& m = model.masses[i];
        double stiffness = soil(m.shaft) + soil(m.toe);
        if (i > 0) stiffness += spring(model.springs[i - 1]);
        if (i + 1 < n) stiffness += spring(model.springs[i]);
        if (stiffness > 0) step = std::min(step, 2 / std::sqrt(2 * stiffness / m.mass));
        // The dashpot of the soil, stepped from the velocity at the step's start, is stable below 2 m / c.
        const double dashpot = m.shaft.damping * m.shaft.ultimate + m.toe.damping * m.toe.ultimate;
        if (dashpot > 0) step = std::min(step, 2 * m.mass / dashpot);
    }
    return fraction * step;
}

BlowOutcome strike(const WaveModel& model, const BlowSettings& settings) {
    BlowOutcome out;
    const std::size_t n = model.masses.size();
    if (n < 2 || model.springs.size() + 1 != n) return out;
    const double dt = stable_time_step(model, settings.step_fraction);
    out.time_step = dt;

    std::vector<double> d(n, 0.0), v(n), resistance(n, 0.0), damping(n, 0.0), damping_work(n, 0.0);
    std::vector<SoilState> shaft(n);
    SoilState toe_state;
    std::vector<double> force(n - 1, 0.0), largest(n - 1, 0.0);
    for (std::size_t i = 0; i < n; ++i) {
        v[i] = model.masses[i].initial_velocity;
        out.input_energy += 0.5 * model.masses[i].mass * v[i] * v[i];
    }
    const std::size_t toe = n - 1;
    const double toe_quake = model.masses[toe].toe.quake;
    const double transit = model.wave_speed > 0 ? model.pile_length / model.wave_speed : 0;
    const double min_time = settings.min_time_in_transits * transit;
    const std::size_t steps = static_cast<std::size_t>(std::ceil(settings.max_time / dt));
    if (settings.record_history) {
        out.time.reserve(steps + 1);
        out.head_force.reserve(steps + 1);
        out.head_velocity.reserve(steps + 1);
    }

    auto note_stress = [&](double stress, double position) {
        if (stress > out.max_compression) {
            out.max_compression = stress;
            out.max_compression_position = position;
        }
        if (-stress > out.max_tension) {
            out.max_tension = -stress;
            out.max_tension_position = position;
        }
    };

    // Velocities live half a step after the displacements (leap-frog): the energies and works of a
    // step take the mean of the velocities before and after it, and the kinetic energy their
    // product, which makes the audit of a linear chain exact but for rounding.
    std::vector<double> before(n);
    double work_on_head = 0;
    double t = 0;
    for (std::size_t step = 0; step <= steps; ++step) {
        for (std::size_t j = 0; j + 1 < n; ++j) {
            const LumpedSpring& s = model.springs[j];
            const double c = d[j] - d[j + 1];
            force[j] =
                s.kind == SpringKind::Linear ? s.stiffness * c : compression_only_force(s, c, largest[j]);
            if (s.area > 0) note_stress(force[j] / s.area, s.position);
        }
        for (std::size_t i = 0; i < n; ++i) {
            const SoilForce f = soil_resistance(model.masses[i].shaft, false, d[i], v[i], shaft[i]);
            resistance[i] = f.resistance;
            damping[i] = f.damping;
        }
        const SoilForce at_toe = soil_resistance(model.masses[toe].toe, true, d[toe], v[toe], toe_state);
        resistance[toe] += at_toe.resistance;
        damping[toe] += at_toe.damping;
        if (model.toe_area > 0) note_stress(at_toe.resistance / model.toe_area, model.pile_length);

        before = v;
        for (std::size_t i = 0; i < n; ++i) {
            const double above = i > 0 ? force[i - 1] : 0.0;
            const double below = i + 1 < n ? force[i] : 0.0;
            v[i] += (above - below - resistance[i]) * dt / model.masses[i].mass;
        }
        auto mean = [&](std::size_t i) { return 0.5 * (before[i] + v[i]); };

        const double head_force = model.head > 0 ? force[model.head - 1] : 0.0;
        if (settings.record_history) {
            out.time.push_back(t);
            out.head_force.push_back(head_force);
            out.head_velocity.push_back(mean(model.head));
        }
        work_on_head += head_force * mean(model.head) * dt;
        out.enthru = std::max(out.enthru, work_on_head);

        // The energy the blow has put in stays with the masses, in the springs, cushions and soil, or
        // they have taken it for good; what is missing is the stepping's error.
        double energy = 0;
        for (std::size_t i = 0; i < n; ++i) {
            damping_work[i] += damping[i] * mean(i) * dt;
            energy += 0.5 * model.masses[i].mass * before[i] * v[i] + damping_work[i] + shaft[i].dissipated +
                      soil_strain_energy(model.masses[i].shaft, false, d[i], shaft[i]);
        }
        energy += toe_state.dissipated + soil_strain_energy(model.masses[toe].toe, true, d[toe], toe_state);
        for (std::size_t j = 0; j + 1 < n; ++j) {
            const LumpedSpring& s = model.springs[j];
            const double c = d[j] - d[j + 1];
            energy += s.kind == SpringKind::Linear ? 0.5 * s.stiffness * c * c
                                                   : compression_only_energy(s, c, largest[j]);
        }
        out.energy_error = std::max(out.energy_error, std::abs(energy - out.input_energy));

        for (std::size_t i = 0; i < n; ++i) d[i] += v[i] * dt;
        out.toe_max_displacement = std::max(out.toe_max_displacement, d[toe]);
        t += dt;

        bool at_rest = t >= min_time;
        for (std::size_t i = model.head; i < n && at_rest; ++i)
            at_rest = std::abs(v[i]) < settings.rest_velocity;
        if (at_rest) break;
    }
    out.duration = t;
    out.set = out.toe_max_displacement - toe_quake;
    return out;
}

}  // namespace torve
