// What the harnesses of the cone data readers share: any bytes read, and every test the reader
// returns imported into both unit systems, either refused with a message or giving at most 1000
// finite points in order of depth, each of which the run takes.
#pragma once

#include <QByteArrayView>
#include <QString>
#include <algorithm>
#include <cmath>

#include "app/controls/usererror.h"
#include "app/project/cptpointsfile.h"
#include "app/sounding/soundingimport.h"
#include "fuzz/fuzz_input.h"

namespace torve::fuzz {

template <typename Read>
int checkSounding(const std::uint8_t* data, std::size_t size, Read read) {
    using namespace torve::app;
    const QByteArrayView bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    const QString file = QStringLiteral("cone");
    Sounding s;
    try {
        s = read(bytes, file);
    } catch (const UserError&) {
        return 0;
    }
    for (const SoundingTest& t : s.tests) {
        for (const SoundingRow& r : t.rows)
            if (std::any_of(r.values.begin(), r.values.end(), [](double v) { return std::isinf(v); }))
                broken("an infinite value read");
        for (UnitSystem units : {UnitSystem::SI, UnitSystem::English}) {
            for (ConeChoice choice : {ConeChoice::Default, ConeChoice::Qc, ConeChoice::Qt}) {
                SoundingImport r;
                try {
                    r = importSounding(t, file, units, choice);
                } catch (const UserError&) {
                    continue;
                }
                if (r.points.empty() || r.points.size() > static_cast<std::size_t>(kMaxCptRows))
                    broken("a point count of none or beyond the analysis's limit");
                if (!std::is_sorted(r.points.begin(), r.points.end(),
                                    [](const CptPoint& a, const CptPoint& b) { return a.depth < b.depth; }))
                    broken("points out of order of depth");
                for (const CptPoint& p : r.points) {
                    if (!std::isfinite(p.depth) || !std::isfinite(p.qc)) broken("a point not finite");
                    if (cptPointRefusal(p, units)) broken("a point imported that the run would refuse");
                }
                if (r.skippedNoDepth + r.skippedNoValue + r.usable != r.rowsRead)
                    broken("rows lost from the counts");
            }
        }
    }
    return 0;
}

}  // namespace torve::fuzz
