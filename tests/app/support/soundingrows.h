// Checking what a reader of cone data files made of a file: the rows it read, and the refusal of a
// damaged file with the file, the line and what was expected there.
#pragma once

#include <gtest/gtest.h>

#include <QByteArray>
#include <QString>
#include <array>
#include <cmath>
#include <string>
#include <vector>

#include "app/controls/usererror.h"
#include "app/sounding/sounding.h"

namespace torve::app::test {

inline constexpr double kNone = kSoundingMissing;

// The path of a cone data file of examples/cpt.
inline QString coneExample(const char* name) {
    return QStringLiteral(TORVE_SOURCE_DIR "/examples/cpt/") + QLatin1StringView(name);
}

// A row as (depth or penetration length, qc, fs, u2, qt), NaN where the file gives none.
inline void expectRow(const SoundingRow& row, std::array<double, 5> expected,
                      SoundingQuantity depth = SoundingQuantity::Depth) {
    using Q = SoundingQuantity;
    const Q qs[] = {depth, Q::Qc, Q::Fs, Q::U2, Q::Qt};
    for (std::size_t i = 0; i < 5; ++i) {
        const std::string what =
            "line " + std::to_string(row.line) + " " + soundingQuantityName(qs[i]).toStdString();
        if (std::isnan(expected[i])) {
            EXPECT_TRUE(std::isnan(row[qs[i]])) << what;
        } else {
            EXPECT_DOUBLE_EQ(row[qs[i]], expected[i]) << what;
        }
    }
}

using SoundingReader = Sounding (*)(QByteArrayView, const QString&);

struct DamagedSounding {
    const char* name;
    QByteArray bytes;
    int line;  // 0: at the end
    const char* expected;
};

// Each damaged file is refused at its line with what was expected there, and names the file.
inline void expectEachRefused(SoundingReader read, const std::vector<DamagedSounding>& cases) {
    for (const DamagedSounding& c : cases) {
        const QString name = QString::fromLatin1(c.name);
        try {
            read(c.bytes, name);
            ADD_FAILURE() << c.name << " was read";
        } catch (const UserError& e) {
            const std::string m = e.message().toStdString();
            EXPECT_TRUE(e.message().contains(name)) << c.name << ": " << m;
            EXPECT_TRUE(e.message().contains(QLatin1StringView(c.expected))) << c.name << ": " << m;
            const QString where =
                c.line > 0 ? QStringLiteral("at line %1:").arg(c.line) : QStringLiteral("at its end");
            EXPECT_TRUE(e.message().contains(where)) << c.name << ": " << m;
        }
    }
}

}  // namespace torve::app::test
