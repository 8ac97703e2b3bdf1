// A cone penetration sounding as a site-investigation file holds it.
#include "app/sounding/sounding.h"

#include <algorithm>
#include <cmath>

namespace torve::app {

QString soundingQuantityName(SoundingQuantity q) {
    switch (q) {
        case SoundingQuantity::PenetrationLength:
            return QStringLiteral("penetration length");
        case SoundingQuantity::Depth:
            return QStringLiteral("depth");
        case SoundingQuantity::Qc:
            return QStringLiteral("qc");
        case SoundingQuantity::Fs:
            return QStringLiteral("fs");
        case SoundingQuantity::U2:
            return QStringLiteral("u2");
        case SoundingQuantity::Qt:
            return QStringLiteral("qt");
    }
    return {};
}

void dropEmptyColumns(SoundingTest& test) {
    for (std::size_t q = 0; q < kSoundingQuantities; ++q) {
        const bool any = std::any_of(test.rows.begin(), test.rows.end(),
                                     [q](const SoundingRow& r) { return !std::isnan(r.values[q]); });
        if (!any) {
            test.columns[q].clear();
            test.units[q].clear();
        }
    }
}

}  // namespace torve::app
