// Reading a user's cone penetration data file into the project's CPT points.
#include "app/project/cptimport.h"

#include <QFileInfo>
#include <algorithm>
#include <array>
#include <cmath>
#include <vector>

#include "app/controls/usererror.h"
#include "app/graph/wordreader.h"
#include "app/project/cptpointsfile.h"
#include "app/project/project.h"
#include "app/project/texts.h"
#include "app/sounding/soundingfile.h"

namespace torve::app {

QStringList CptImport::read() {
    const CptImportSettings& settings = project_->data().cptImport;
    const QString& name = settings.dataFile;
    if (!QFileInfo::exists(name) || !QFileInfo(name).isFile())
        throw UserError(QString(texts::kCptFileMissing).arg(name));
    if (const QString refused = notConeDataFile(name); !refused.isEmpty()) throw UserError(refused);
    const long long lines = std::llround(static_cast<double>(settings.dataLines));
    // Depth and qc are the first two columns; fewer cannot be read.
    const int columns = std::max(2, settings.columns);
    const int header = std::max(0, settings.headerLines);
    // The counts are held to the dialog's limits before anything is read or any room made: a count
    // beyond them is a slip of the keyboard, not a file.
    if (lines > kMaxCptRows) throw UserError(QString(texts::kCptTooManyLines).arg(kMaxCptRows).arg(lines));
    if (columns > kMaxColumns)
        throw UserError(QString(texts::kCptTooManyColumns).arg(kMaxColumns).arg(columns));
    if (header > kMaxHeaderLines)
        throw UserError(QString(texts::kCptTooManyHeaderLines).arg(kMaxHeaderLines).arg(header));
    const int n = static_cast<int>(std::max(0LL, lines));

    std::vector<CptPoint> points(static_cast<std::size_t>(n));
    try {
        WordReader r(name);
        for (int i = 0; i < header; ++i) r.readLine();
        std::array<double, kMaxColumns> values{};
        for (CptPoint& p : points) {
            for (int c = 0; c < columns; ++c) values[static_cast<std::size_t>(c)] = r.readDouble();
            p = {values[0], stressFactor * values[1]};
            r.skipRestOfLine();
        }
    } catch (const UserError&) {
        // A short or damaged file changes nothing: no half-read profile reaches the engine.
        throw UserError(texts::kCptReadError);
    }
    // A value that the CPT points file cannot hold (1e306 ksf is infinite in lb/ft^2) would be saved
    // as a word that nothing reads back, and one beyond the analysis's range would stop the next run.
    const UnitSystem units = project_->data().units;
    for (std::size_t i = 0; i < points.size(); ++i) {
        if (const std::optional<QString> refused = cptPointRefusal(points[i], units))
            throw UserError(QString(texts::kCptValueTooLarge).arg(name).arg(i + 1).arg(*refused));
    }
    // Soundings listed from the bottom up would reach the engine upside down; the profile is the
    // same cone data in order of depth.
    QStringList notices;
    const auto byDepth = [](const CptPoint& a, const CptPoint& b) { return a.depth < b.depth; };
    if (!std::is_sorted(points.begin(), points.end(), byDepth)) {
        std::stable_sort(points.begin(), points.end(), byDepth);
        notices << QString(texts::kCptSorted).arg(name).arg(n);
    }
    project_->setCptPoints(std::move(points));
    return notices;
}

}  // namespace torve::app
