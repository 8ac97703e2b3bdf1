#include "app/project/materialdefaults.h"

namespace torve::app {
namespace {

struct Modulus {
    double english;  // lb/in^2
    double si;       // kN/m^2
};
// 210 GPa, 30 GPa and 10 GPa are the usual design values; the English ones are those of practice
// (29,000 ksi for steel) or the S.I. value rounded to 50 ksi, not the exact conversion.
constexpr Modulus kSteel{2.9e7, 2.1e8};
constexpr Modulus kConcrete{4.35e6, 3.0e7};
constexpr Modulus kTimber{1.45e6, 1.0e7};

const Modulus& modulusOf(PileType type) {
    switch (type) {
        case PileType::Timber:
            return kTimber;
        case PileType::PrecastConcrete:
        case PileType::RaymondStepTaper:
        case PileType::RaymondUniformTaper:
            return kConcrete;
        default:
            return kSteel;
    }
}

}  // namespace

double typicalModulus(PileType type, UnitSystem units) {
    const Modulus& m = modulusOf(type);
    return units == UnitSystem::SI ? m.si : m.english;
}

bool isTypicalModulus(double modulus, UnitSystem units) {
    for (const Modulus* m : {&kSteel, &kConcrete, &kTimber})
        if (modulus == (units == UnitSystem::SI ? m->si : m->english)) return true;
    return false;
}

double newProjectIncrement(UnitSystem units) {
    return units == UnitSystem::SI ? 0.25 : 1.0;
}

}  // namespace torve::app
