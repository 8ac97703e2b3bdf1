// Smith's lumped-mass model of a pile under a hammer blow, and the explicit time stepping of one
// blow. Everything here is in S.I. base units (kg, N, m, s): the model knows nothing of projects.
#pragma once

#include <cstddef>
#include <vector>

namespace torve {

// The soil at one mass: an elasto-plastic spring of ultimate resistance `ultimate` reached at
// `quake`, with Smith damping R = Rs (1 + J v).
struct SoilSpring {
    double ultimate = 0;  // N
    double quake = 0;     // m
    double damping = 0;   // J, s/m
};

// How a spring between two masses carries load. A cushion (or the contact of ram and pile) takes
// compression only, loads along its stiffness and unloads along stiffness / cor^2, so that it
// keeps cor^2 of the energy it took; a cor of 1 makes it an elastic contact.
enum class SpringKind { Linear, CompressionOnly };

struct LumpedSpring {
    double stiffness = 0;  // N/m
    SpringKind kind = SpringKind::Linear;
    double cor = 1;       // coefficient of restitution of a compression-only spring
    double area = 0;      // m2 of the pile where the spring is a piece of it (0: not the pile)
    double position = 0;  // m below the pile head, where its stress is reported
};

struct LumpedMass {
    double mass = 0;              // kg
    double initial_velocity = 0;  // m/s, downwards positive
    SoilSpring shaft;             // no soil where ultimate is 0
    SoilSpring toe;               // the last mass's only: it takes no tension
};

// The chain from the ram down to the pile toe: spring i joins mass i and mass i + 1.
struct WaveModel {
    std::vector<LumpedMass> masses;
    std::vector<LumpedSpring> springs;  // masses.size() - 1 of them
    std::size_t head = 0;               // the pile's top mass; the spring above it gives the head force
    double toe_area = 0;                // m2, for the stress the toe resistance puts on the pile
    double pile_length = 0;             // m, of the pile from head to toe
    double wave_speed = 0;              // m/s in the pile
};

struct BlowSettings {
    // Time step as a fraction of the stability limit of the stiffest mass; 0.5 gives Smith's
    // half of a segment's travel time in a uniform pile.
    double step_fraction = 0.5;
    double max_time = 0.2;  // s
    // The blow has ended when this many wave round trips (L/c) have passed and every pile mass moves
    // slower than `rest_velocity`.
    double min_time_in_transits = 6;
    double rest_velocity = 1e-3;  // m/s
    bool record_history = true;   // head force and velocity at every step
};

// One blow. Forces in N, stresses in Pa (compression and tension as positive magnitudes), energies
// in J, displacements in m.
struct BlowOutcome {
    double time_step = 0;
    double duration = 0;
    double set = 0;  // largest toe displacement less the toe quake; <= 0: refusal
    double toe_max_displacement = 0;
    double enthru = 0;        // largest work done on the pile head, the integral of F v
    double input_energy = 0;  // kinetic energy of the masses at impact
    double max_compression = 0;
    double max_compression_position = 0;  // m below the pile head
    double max_tension = 0;
    double max_tension_position = 0;
    // Kinetic + strain energy + work on cushions and soil less the input, largest magnitude over the
    // blow: the error of the time stepping.
    double energy_error = 0;
    std::vector<double> time, head_force, head_velocity;
};

// The stable time step of the model: `fraction` of 2 / omega_max, omega_max bounded from above by
// the stiffness around each mass (Gershgorin); in a uniform pile this is fraction x dl / c.
double stable_time_step(const WaveModel& model, double fraction);

// Steps the blow from impact until the pile comes to rest (or `max_time`).
BlowOutcome strike(const WaveModel& model, const BlowSettings& settings);

}  // namespace torve
