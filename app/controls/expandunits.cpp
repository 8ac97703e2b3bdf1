// Unit labels of numeric fields and graph axes: letter codes of a units template replaced by unit words.
#include "app/controls/expandunits.h"

#include <QString>

#include "engine/model/file_format.h"

namespace torve::app {
namespace {

struct Code {
    const char* code;
    const char* english;
    const char* si;
    bool onAxes;  // whether a graph axis knows the code too
};

// The family's codes in the order they are looked for; one family member is expanded.
constexpr Code kForces[] = {{"F6", "slug", "Mg", false},       {"F5", "sec", "sec", false},
                            {"F4", "lb-sec2/in", "Mg", false}, {"F2", "tons", "kN", true},
                            {"F1", "kips", "kN", true},        {"F", "lbs", "kN", true}};
constexpr Code kLengths[] = {
    {"L2", "ft", "m", true}, {"L1", "in", "mm", true}, {"L3", "rad", "rad", false}, {"L", "in", "m", true}};

template <std::size_t N>
void expandFirst(QString& s, const Code (&family)[N], bool english, UnitCodes codes) {
    for (const Code& c : family) {
        if (codes == UnitCodes::Axis && !c.onAxes) continue;
        const QLatin1String code(c.code);
        if (s.contains(code)) {
            s.replace(code, QLatin1String(english ? c.english : c.si));
            return;
        }
    }
}

}  // namespace

QString expandUnits(const QString& unitsTemplate, int units, UnitCodes codes) {
    QString s = unitsTemplate;
    if (units != code_of(UnitSystem::English) && units != code_of(UnitSystem::SI)) return s;
    const bool english = units == code_of(UnitSystem::English);
    expandFirst(s, kForces, english, codes);
    expandFirst(s, kLengths, english, codes);
    return s;
}

}  // namespace torve::app
