// Reading the driveability results file.
#include "app/project/driveabilityresults.h"

#include <QList>
#include <array>
#include <limits>

#include "app/controls/filereading.h"
#include "app/controls/usererror.h"
#include "app/graph/texts.h"
#include "app/project/projectfile.h"
#include "app/project/texts.h"

namespace torve::app {
namespace {

constexpr double kNan = std::numeric_limits<double>::quiet_NaN();

// A cell the engine leaves empty for a value that is no number (a blow count at refusal).
bool numberOrEmpty(const QByteArray& word, double& v) {
    if (word.isEmpty()) {
        v = kNan;
        return true;
    }
    return engineNumber(word, v);
}

// The tables of the file, each under its header line.
enum class Table { None, Depths, Blow, Bearing };

}  // namespace

DriveabilityResults parseDriveabilityResults(const QByteArray& text, const QString& path) {
    DriveabilityResults r;
    const QList<QByteArray> lines = text.split('\n');
    Table table = Table::None;
    bool headerNext = false;  // the line after "blow at" or "bearing graph at" names the columns
    for (int i = 0; i < lines.size(); ++i) {
        QByteArray line = lines[i];
        if (line.endsWith('\r')) line.chop(1);
        if (line.isEmpty()) continue;
        const auto refuse = [&] {
            return UserError(QString(texts::kDriveabilityUnreadable).arg(path).arg(i + 1),
                             FileLocation{path, i + 1, 0});
        };
        const QList<QByteArray> cells = line.split(',');
        if (headerNext) {
            headerNext = false;
            const QByteArray expected =
                table == Table::Blow
                    ? QByteArrayLiteral("time,head force,head velocity")
                    : QByteArrayLiteral("resistance,blow count,max compression,max tension,set");
            if (line != expected) throw refuse();
            continue;
        }
        if (cells[0] == "blow at" || cells[0] == "bearing graph at") {
            double at = 0;
            if (cells.size() != 2 || !engineNumber(cells[1], at)) throw refuse();
            table = cells[0] == "blow at" ? Table::Blow : Table::Bearing;
            (table == Table::Blow ? r.blowAt : r.bearingAt) = at;
            headerNext = true;
            continue;
        }
        if (table == Table::Depths) {
            std::array<double, 11> v{};
            if (cells.size() != 12 || !engineNumber(cells[0], v[0])) throw refuse();
            for (std::size_t k = 1; k < v.size(); ++k)
                if (!numberOrEmpty(cells[static_cast<int>(k)], v[k])) throw refuse();
            if (cells[11] != "0" && cells[11] != "1") throw refuse();
            r.depth.push_back(v[0]);
            r.srdShaft.push_back(v[1]);
            r.srdBase.push_back(v[2]);
            r.srdTotal.push_back(v[3]);
            r.blowCount.push_back(v[4]);
            r.cumulativeBlows.push_back(v[5]);
            r.maxCompression.push_back(v[6]);
            r.maxCompressionAt.push_back(v[7]);
            r.maxTension.push_back(v[8]);
            r.maxTensionAt.push_back(v[9]);
            r.enthru.push_back(v[10]);
            r.refusal.push_back(cells[11] == "1");
            continue;
        }
        if (table == Table::Blow) {
            std::array<double, 3> v{};
            if (cells.size() != 3) throw refuse();
            for (std::size_t k = 0; k < v.size(); ++k)
                if (!engineNumber(cells[static_cast<int>(k)], v[k])) throw refuse();
            r.time.push_back(v[0]);
            r.headForce.push_back(v[1]);
            r.headVelocity.push_back(v[2]);
            continue;
        }
        if (table == Table::Bearing) {
            std::array<double, 5> v{};
            if (cells.size() != 5 || !engineNumber(cells[0], v[0])) throw refuse();
            for (std::size_t k = 1; k < v.size(); ++k)
                if (!numberOrEmpty(cells[static_cast<int>(k)], v[k])) throw refuse();
            r.bearingResistance.push_back(v[0]);
            r.bearingBlowCount.push_back(v[1]);
            r.bearingMaxCompression.push_back(v[2]);
            r.bearingMaxTension.push_back(v[3]);
            r.bearingSet.push_back(v[4]);
            continue;
        }
        const qsizetype comma = line.indexOf(',');
        if (comma < 0) throw refuse();
        const QByteArray name = line.left(comma), value = line.mid(comma + 1);
        if (name == "message") {
            r.message = QString::fromUtf8(value);
        } else if (name == "hammer") {
            r.hammer = QString::fromUtf8(value);
        } else if (name == "method") {
            r.method = QString::fromUtf8(value);
        } else if (name == "units") {
            if (value == "English")
                r.english = true;
            else if (value == "S.I.")
                r.english = false;
            else
                throw refuse();
        } else if (name == "depth") {
            table = Table::Depths;
        } else if (name == "solved" || name == "pile_length") {
            double v = 0;
            if (!engineNumber(value, v)) throw refuse();
            if (name == "solved")
                r.solved = v != 0;
            else
                r.pileLength = v;
        }
        // A name of a later engine is passed over: what this program knows of the file stays readable.
    }
    if (headerNext || (r.solved && r.depth.empty()))
        throw UserError(QString(texts::kDriveabilityUnreadable).arg(path).arg(lines.size()));
    return r;
}

DriveabilityResults readDriveabilityResults(const QString& path) {
    return parseDriveabilityResults(readFileWhole(path, texts::kCannotOpen), path);
}

QString driveabilityResultsFileOf(const QString& projectPath) {
    return besideProject(projectPath, ".drive.txt");
}

}  // namespace torve::app
