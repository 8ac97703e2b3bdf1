// Reading the downdrag results file.
#include "app/project/downdragresults.h"

#include <QList>
#include <array>

#include "app/controls/filereading.h"
#include "app/controls/usererror.h"
#include "app/graph/texts.h"
#include "app/project/projectfile.h"
#include "app/project/texts.h"

namespace torve::app {
namespace {}  // namespace

DowndragResults parseDowndragResults(const QByteArray& text, const QString& path) {
    DowndragResults r;
    const QList<QByteArray> lines = text.split('\n');
    bool table = false;
    for (int i = 0; i < lines.size(); ++i) {
        QByteArray line = lines[i];
        if (line.endsWith('\r')) line.chop(1);
        if (line.isEmpty()) continue;
        const auto refuse = [&] {
            return UserError(QString(texts::kDowndragUnreadable).arg(path).arg(i + 1),
                             FileLocation{path, i + 1, 0});
        };
        if (table) {
            const QList<QByteArray> cells = line.split(',');
            std::array<double, 5> v{};
            if (cells.size() != 5) throw refuse();
            for (int k = 0; k < 5; ++k)
                if (!engineNumber(cells[k], v[static_cast<std::size_t>(k)])) throw refuse();
            r.depth.push_back(v[0]);
            r.axialLoad.push_back(v[1]);
            r.resistance.push_back(v[2]);
            r.pileMovement.push_back(v[3]);
            r.soilSettlement.push_back(v[4]);
            continue;
        }
        const qsizetype comma = line.indexOf(',');
        if (comma < 0) throw refuse();
        const QByteArray name = line.left(comma), value = line.mid(comma + 1);
        if (name == "message") {
            r.message = QString::fromUtf8(value);
            continue;
        }
        if (name == "depth") {
            table = true;
            continue;
        }
        if (name == "equilibrium neutral plane" && value.isEmpty()) continue;
        double v = 0;
        if (!engineNumber(value, v)) throw refuse();
        if (name == "solved")
            r.solved = v != 0;
        else if (name == "head load")
            r.headLoad = v;
        else if (name == "neutral plane")
            r.neutralPlane = v;
        else if (name == "equilibrium neutral plane")
            r.equilibriumNeutralPlane = v;
        else if (name == "drag force")
            r.dragForce = v;
        else if (name == "maximum axial load")
            r.maxLoad = v;
        else if (name == "maximum axial load depth")
            r.maxLoadDepth = v;
        else if (name == "head settlement")
            r.headSettlement = v;
        else if (name == "toe penetration")
            r.toePenetration = v;
        else if (name == "toe load")
            r.toeLoad = v;
        // A name of a later engine is passed over: what this program knows of the file stays readable.
    }
    if (r.solved && r.depth.empty())
        throw UserError(QString(texts::kDowndragUnreadable).arg(path).arg(lines.size()));
    return r;
}

DowndragResults readDowndragResults(const QString& path) {
    return parseDowndragResults(readFileWhole(path, texts::kCannotOpen), path);
}

QString downdragResultsFileOf(const QString& projectPath) {
    return besideProject(projectPath, ".downdrag.txt");
}

}  // namespace torve::app
