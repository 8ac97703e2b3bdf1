// Reading a user's cone penetration data file into the project's CPT points.
#include "app/project/cptimport.h"

#include <QFileInfo>
#include <cmath>
#include <vector>

#include "app/controls/usererror.h"
#include "app/graph/wordreader.h"
#include "app/project/project.h"
#include "app/project/texts.h"

namespace torve::app {

void CptImport::read() {
    const CptImportSettings& settings = project_->data().cptImport;
    const QString& name = settings.dataFile;
    if (!QFileInfo::exists(name) || !QFileInfo(name).isFile())
        throw UserError(QString(texts::kCptFileMissing).arg(name));
    const long long lines = std::llround(static_cast<double>(settings.dataLines));
    const int header = std::max(0, settings.headerLines);
    // Depth and qc are the first two columns; fewer cannot be read.
    const int columns = std::max(2, settings.columns);
    if (lines > kMaxCptRows) throw UserError(QString(texts::kCptTooManyLines).arg(kMaxCptRows).arg(lines));
    const int n = static_cast<int>(std::max(0LL, lines));

    std::vector<CptPoint> points(static_cast<std::size_t>(n));
    try {
        WordReader r(name);
        for (int i = 0; i < header; ++i) r.readLine();
        std::vector<double> values(static_cast<std::size_t>(columns));
        for (CptPoint& p : points) {
            for (double& v : values) v = r.readDouble();
            p = {values[0], stressFactor * values[1]};
            r.skipRestOfLine();
        }
    } catch (const UserError&) {
        // A short or damaged file changes nothing: no half-read profile reaches the engine.
        throw UserError(texts::kCptReadError);
    }
    project_->setCptPoints(std::move(points));
}

}  // namespace torve::app
