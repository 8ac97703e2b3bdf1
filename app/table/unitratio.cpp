// Conversion factors of unit templates between English and S.I. units.
#include "app/table/unitratio.h"

#include <QString>
#include <cmath>

#include "app/table/units.h"

namespace torve::app {
namespace {

// English units per S.I. unit of each code: F lbf per kN, F1 kips per kN, F2 tons (2,000 lbf) per
// kN, F4 lb-sec2/in per Mg, F6 slug (lb-sec2/ft) per Mg; L in per m, L1 in per mm, L2 ft per m. All
// exact, from the definitions of the foot, the inch and the pound-force.
double forceFactor(QChar digit) {
    constexpr double kKipsPerKiloNewton = 1 / kNewtonsPerPound;
    constexpr double kKilogramsPerMegagram = 1000;
    switch (digit.unicode()) {
        case u'1':
            return kKipsPerKiloNewton;
        case u'2':
            return kKipsPerKiloNewton / 2;
        case u'4':  // 1 lb-sec2/in = 4.4482216152605 N / 0.0254 m/s2 = 175.127 kg
            return kKilogramsPerMegagram / (kNewtonsPerPound / kMetresPerInch);
        case u'5':
            return 1.0;
        case u'6':  // 1 slug = 4.4482216152605 N / 0.3048 m/s2 = 14.5939 kg
            return kKilogramsPerMegagram / (kNewtonsPerPound / kMetresPerFoot);
        default:
            return kPoundsPerKip * kKipsPerKiloNewton;  // F, F0 and an F followed by anything else
    }
}

double lengthFactor(QChar digit) {
    switch (digit.unicode()) {
        case u'1':
            return kInchesPerMillimetre;
        case u'2':
            return kFeetPerMetre;
        case u'3':
            return 1.0;
        default:
            return 1 / kMetresPerInch;  // L, L0 and an L followed by anything else
    }
}

// One side of the slash: a force term, then a length term, each optional.
double sideFactor(QStringView side) {
    double factor = 1.0;
    qsizetype i = 0;
    auto term = [&](QChar letter, double (*codeFactor)(QChar)) {
        if (i >= side.size() || side[i] != letter) return;
        ++i;
        QChar digit = u'0';
        if (i < side.size() && side[i].isDigit()) digit = side[i++];
        int power = 1;
        if (i + 1 < side.size() && side[i] == u'^' && side[i + 1].isDigit()) {
            power = side[i + 1].digitValue();
            i += 2;
        }
        factor *= std::pow(codeFactor(digit), power);
    };
    term(u'F', forceFactor);
    term(u'L', lengthFactor);
    return factor;
}

}  // namespace

double unitRatio(const QString& unitsTemplate) {
    const QStringView t(unitsTemplate);
    const qsizetype slash = t.indexOf(u'/');
    if (slash < 0) return sideFactor(t);
    return sideFactor(t.left(slash)) / sideFactor(t.mid(slash + 1));
}

QString expandTableUnits(const QString& unitsTemplate, UnitSystem units) {
    struct Code {
        const char* code;
        const char* english;
        const char* si;
    };
    static constexpr Code kCodes[] = {{"F2", "tons", "kN"}, {"F1", "kips", "kN"}, {"F4", "lb-sec2/in", "Mg"},
                                      {"F5", "sec", "sec"}, {"F6", "slug", "Mg"}, {"F", "lbs", "kN"},
                                      {"L3", "rad", "rad"}, {"L2", "ft", "m"},    {"L1", "in", "mm"},
                                      {"L", "in", "m"}};
    QString s = unitsTemplate;
    for (const Code& c : kCodes)
        s.replace(QLatin1String(c.code), QLatin1String(units == UnitSystem::SI ? c.si : c.english));
    return s;
}

}  // namespace torve::app
