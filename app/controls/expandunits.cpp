// Unit labels of numeric fields: letter codes of a units template replaced by unit words.
#include "app/controls/expandunits.h"

#include <QString>

#include "engine/model/file_format.h"

namespace torve::app {
namespace {

struct Code {
    const char* code;
    const char* english;
    const char* si;
};

// The family's codes in the order they are looked for; one family member is expanded.
constexpr Code kForces[] = {{"F6", "slug", "Mg"}, {"F5", "sec", "sec"}, {"F4", "lb-sec2/in", "Mg"},
                            {"F2", "tons", "kN"}, {"F1", "kips", "kN"}, {"F", "lbs", "kN"}};
constexpr Code kLengths[] = {{"L2", "ft", "m"}, {"L1", "in", "mm"}, {"L3", "rad", "rad"}, {"L", "in", "m"}};

template <std::size_t N>
void expandFirst(QString& s, const Code (&family)[N], int units) {
    for (const Code& c : family) {
        const QLatin1String code(c.code);
        if (s.contains(code)) {
            s.replace(code, QLatin1String(units == code_of(UnitSystem::English) ? c.english : c.si));
            return;
        }
    }
}

}  // namespace

QString expandUnits(const QString& unitsTemplate, int units) {
    QString s = unitsTemplate;
    if (units != code_of(UnitSystem::English) && units != code_of(UnitSystem::SI)) return s;
    expandFirst(s, kForces, units);
    expandFirst(s, kLengths, units);
    return s;
}

QString expandComboUnits(const QString& unitsTemplate, int units) {
    static constexpr Code kForce[] = {{"F", "lbs", "kN"}};
    static constexpr Code kLength[] = {{"L", "in", "m"}};
    QString s = unitsTemplate;
    if (units != code_of(UnitSystem::English) && units != code_of(UnitSystem::SI)) return s;
    expandFirst(s, kForce, units);
    expandFirst(s, kLength, units);
    return s;
}

}  // namespace torve::app
