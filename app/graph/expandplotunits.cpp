// Unit words of the graphs' axis templates.
#include "app/graph/expandplotunits.h"

#include <QString>

#include "engine/model/file_format.h"

namespace torve::app {

QString expandPlotUnits(const QString& unitsTemplate, int units) {
    struct Code {
        const char* code;
        const char* english;
        const char* si;
    };
    static constexpr Code kForces[] = {{"F2", "tons", "kN"}, {"F1", "kips", "kN"}, {"F", "lbs", "kN"}};
    static constexpr Code kLengths[] = {{"L2", "ft", "m"}, {"L1", "in", "mm"}, {"L", "in", "m"}};
    QString s = unitsTemplate;
    if (units != code_of(UnitSystem::English) && units != code_of(UnitSystem::SI)) return s;
    auto expandFirst = [&](const auto& family) {
        for (const Code& c : family) {
            if (s.contains(QLatin1String(c.code))) {
                s.replace(QLatin1String(c.code),
                          QLatin1String(units == code_of(UnitSystem::English) ? c.english : c.si));
                return;
            }
        }
    };
    expandFirst(kForces);
    expandFirst(kLengths);
    return s;
}

}  // namespace torve::app
