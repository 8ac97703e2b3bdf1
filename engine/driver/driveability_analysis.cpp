// One blow in the project's units, and the many blows of a bearing graph or a driveability run
// shared among threads: every blow has its own model, so they go side by side.
#include "engine/driver/driveability_analysis.h"

#include <algorithm>
#include <atomic>
#include <cmath>
#include <condition_variable>
#include <exception>
#include <limits>
#include <mutex>
#include <thread>

#include "engine/model/input_error.h"
#include "engine/model/number_text.h"

namespace torve {

namespace {

constexpr double kNan = std::numeric_limits<double>::quiet_NaN();

// Calls blow(i) for i in [0, count) on `jobs` threads; the first exception stops the others and is
// raised again here. `progress` is called here, on the calling thread, after each blow: with one job
// the blows run on this thread between its calls; with more, this thread waits for the workers and
// tells each blow they finish. Returns false when `progress` stopped the run (blows that had begun
// are finished first, and what they give is the caller's to drop).
template <class Blow>
bool side_by_side(std::size_t count, unsigned jobs, Blow blow, const DrivingProgress& progress) {
    const unsigned hw = std::max(1u, std::thread::hardware_concurrency());
    jobs = std::min<unsigned>(jobs ? jobs : hw, static_cast<unsigned>(std::max<std::size_t>(count, 1)));
    const int total = static_cast<int>(count);
    if (jobs <= 1) {
        for (std::size_t i = 0; i < count; ++i) {
            blow(i);
            if (progress && !progress(static_cast<int>(i + 1), total)) return false;
        }
        return true;
    }
    std::atomic<std::size_t> next{0};
    std::atomic<bool> halted{false};
    std::exception_ptr failure;
    std::mutex m;
    std::condition_variable changed;
    std::size_t finished = 0;  // blows done, under m
    unsigned exited = 0;       // workers that took their last blow, under m
    auto worker = [&] {
        for (std::size_t i = next++; i < count && !halted; i = next++) {
            try {
                blow(i);
            } catch (...) {
                const std::lock_guard<std::mutex> lock(m);
                if (!failure) failure = std::current_exception();
                halted = true;
            }
            {
                const std::lock_guard<std::mutex> lock(m);
                ++finished;
            }
            changed.notify_one();
        }
        {
            const std::lock_guard<std::mutex> lock(m);
            ++exited;
        }
        changed.notify_one();
    };
    bool stopped = false;
    {
        std::vector<std::jthread> pool;
        for (unsigned k = 0; k < jobs; ++k) pool.emplace_back(worker);
        std::size_t told = 0;
        std::unique_lock<std::mutex> lock(m);
        for (;;) {
            changed.wait(lock, [&] { return finished > told || exited == jobs; });
            while (told < finished) {
                ++told;
                if (!progress || halted) continue;
                lock.unlock();
                bool go = false;
                try {
                    go = progress(static_cast<int>(told), total);
                } catch (...) {
                    lock.lock();
                    if (!failure) failure = std::current_exception();
                    lock.unlock();
                }
                lock.lock();
                if (!go) {
                    stopped = stopped || !failure;
                    halted = true;
                }
            }
            if (exited == jobs) break;
        }
    }  // the workers are joined here
    if (failure) std::rethrow_exception(failure);
    return !stopped;
}

}  // namespace

double blow_count_of(double set_m, bool english) {
    if (!(set_m > 0)) return kNan;
    return (english ? 0.3048 : 0.25) / set_m;
}

BlowResult drive_one_blow(const InputData& in, const Hammer& hammer, const SrdAtDepth& resistance,
                          double scale, const DrivingSettings& settings) {
    const WaveModel model = pile_wave_model(in, hammer, resistance, scale, settings);
    const BlowOutcome o = strike(model, settings.blow);
    BlowResult r;
    r.english = in.units == UnitSystem::English;
    const double force = r.english ? 1 / 4448.2216152605 : 1e-3;  // N to kips or kN
    const double stress = r.english ? 1 / 6894757.293168 : 1e-6;  // Pa to ksi or MPa
    const double length = r.english ? 1 / 0.3048 : 1.0;
    r.set_m = o.set;
    r.refusal = !(o.set > 0);
    r.blow_count = blow_count_of(o.set, r.english);
    r.enthru_kj = o.enthru / 1000;
    r.impact_energy_kj = o.input_energy / 1000;
    r.energy_error_kj = o.energy_error / 1000;
    r.max_compression = o.max_compression * stress;
    r.max_compression_at = o.max_compression_position * length;
    r.max_tension = o.max_tension * stress;
    r.max_tension_at = o.max_tension_position * length;
    r.time_step = o.time_step;
    r.segments = static_cast<int>(model.masses.size() - model.head);
    r.time = o.time;
    r.head_force.reserve(o.head_force.size());
    for (double f : o.head_force) r.head_force.push_back(f * force);
    r.head_velocity.reserve(o.head_velocity.size());
    for (double v : o.head_velocity) r.head_velocity.push_back(v * length);
    return r;
}

BearingGraph bearing_graph(const InputData& in, const Hammer& hammer, const SrdAtDepth& distribution,
                           const std::vector<double>& resistances, const DrivingSettings& settings,
                           unsigned jobs, const DrivingProgress& progress) {
    BearingGraph g;
    g.english = in.units == UnitSystem::English;
    g.tip_depth = distribution.tip_depth;
    g.resistance = resistances;
    const double total = distribution.total();
    try {
        if (!(total > 0) || !std::isfinite(total))
            throw InputError("The resistance to driving at " + shortest_text(distribution.tip_depth) +
                             (g.english ? " ft" : " m") + " is " + shortest_text(total) +
                             ": it gives no distribution over shaft and toe for the bearing graph.");
        for (double r : resistances)
            if (!std::isfinite(r) || r < 0)
                throw InputError("The assumed resistance " + shortest_text(r) +
                                 " of the bearing graph is negative or not a finite number.");
        g.blows.resize(resistances.size());
        const bool whole = side_by_side(
            resistances.size(), jobs,
            [&](std::size_t i) {
                g.blows[i] = drive_one_blow(in, hammer, distribution, resistances[i] / total, settings);
            },
            progress);
        if (!whole) {
            g.status = RunStatus::Stopped;
            g.message = "The bearing graph was stopped before its last resistance.";
            g.blows.clear();
        }
    } catch (const InputError& e) {
        g.status = RunStatus::InputError;
        g.message = e.what();
        g.blows.clear();
    } catch (const std::exception& e) {
        g.status = RunStatus::InternalError;
        g.message = e.what();
        g.blows.clear();
    } catch (...) {
        g.status = RunStatus::InternalError;
        g.message = "The bearing graph failed inside the engine.";
        g.blows.clear();
    }
    return g;
}

Driveability driveability(const InputData& in, const SrdProfile& srd, const Hammer& hammer,
                          const DrivingSettings& settings, unsigned jobs, const DrivingProgress& progress) {
    Driveability d;
    d.english = srd.english;
    d.method = srd.method;
    if (srd.status != RunStatus::Completed || srd.stop != RunStop::None) {
        d.status = srd.status == RunStatus::Completed ? RunStatus::InputError : srd.status;
        d.message = srd.message;
        return d;
    }
    const std::size_t n = srd.depths.size();
    std::vector<BlowResult> blows(n);
    DrivingSettings quiet = settings;
    quiet.blow.record_history = false;  // a run of many depths keeps the summary of each blow only
    try {
        const bool whole = side_by_side(
            n, jobs, [&](std::size_t i) { blows[i] = drive_one_blow(in, hammer, srd.depths[i], 1.0, quiet); },
            progress);
        if (!whole) {
            d.status = RunStatus::Stopped;
            d.message = "The driveability run was stopped before its last depth.";
            return d;
        }
    } catch (const InputError& e) {
        d.status = RunStatus::InputError;
        d.message = e.what();
        return d;
    } catch (const std::exception& e) {
        d.status = RunStatus::InternalError;
        d.message = e.what();
        return d;
    } catch (...) {
        d.status = RunStatus::InternalError;
        d.message = "The driveability run failed inside the engine.";
        return d;
    }
    const double per_count = d.english ? 1.0 : 0.25;  // the length a blow count counts over
    double cumulative = 0;
    for (std::size_t i = 0; i < n; ++i) {
        const SrdAtDepth& s = srd.depths[i];
        const BlowResult& b = blows[i];
        d.depth.push_back(s.tip_depth);
        d.srd_shaft.push_back(s.shaft);
        d.srd_base.push_back(s.base);
        d.srd_total.push_back(s.total());
        d.blow_count.push_back(b.blow_count);
        d.refusal.push_back(b.refusal);
        if (i > 0)
            cumulative +=
                0.5 * (b.blow_count + d.blow_count[i - 1]) / per_count * (s.tip_depth - d.depth[i - 1]);
        d.cumulative_blows.push_back(cumulative);  // NaN stays NaN from a refusal on
        d.max_compression.push_back(b.max_compression);
        d.max_compression_at.push_back(b.max_compression_at);
        d.max_tension.push_back(b.max_tension);
        d.max_tension_at.push_back(b.max_tension_at);
        d.enthru_kj.push_back(b.enthru_kj);
    }
    return d;
}

}  // namespace torve
