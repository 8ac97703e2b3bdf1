// Conversion factors of unit templates between English and S.I. units.
#include "app/table/unitratio.h"

#include <QString>
#include <cmath>

namespace torve::app {
namespace {

// English units per S.I. unit of each code: F lbf per kN, F1 kips per kN, F2 tons per kN, F4
// lb-sec2/in per Mg, F6 slug per Mg; L in per m, L1 in per mm, L2 ft per m (1 ft = 0.3048 m,
// 1 lbf = 4.4482216 N exactly by definition of the pound).
double forceFactor(QChar digit) {
    switch (digit.unicode()) {
        case u'1':
            return 0.2248089237;
        case u'2':
            return 0.1124044745;
        case u'4':
            return 5.7101483;
        case u'5':
            return 1.0;
        case u'6':
            return 68.364249;
        default:
            return 224.8089237;  // F, F0 and an F followed by anything else
    }
}

double lengthFactor(QChar digit) {
    switch (digit.unicode()) {
        case u'1':
            return 0.03937007874;
        case u'2':
            return 3.280839895;
        case u'3':
            return 1.0;
        default:
            return 39.37007874;  // L, L0 and an L followed by anything else
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
