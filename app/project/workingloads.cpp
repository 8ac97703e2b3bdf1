// The report's section of the settlement at the working loads.
#include "app/project/workingloads.h"

#include <QFile>

namespace torve::app {
namespace {

const QLatin1StringView kHeading{"SETTLEMENT AT WORKING LOADS"};
// A row: 8 blanks, the method's name in 18 characters, then the fraction, the load and the movement
// or "BEYOND THE CURVE".
constexpr int kNameAt = 8, kNameWidth = 18;
// The heading, its frame, a blank line and two heading lines stand before the rows.
constexpr int kLinesBeforeRows = 5;

}  // namespace

std::vector<WorkingLoadRow> readWorkingLoads(const QStringList& lines) {
    std::vector<WorkingLoadRow> rows;
    qsizetype at = -1;
    for (qsizetype i = 0; i < lines.size(); ++i)
        if (lines[i].trimmed() == kHeading) at = i;
    if (at < 0) return rows;
    for (qsizetype i = at + kLinesBeforeRows; i < lines.size(); ++i) {
        const QString& line = lines[i];
        if (line.trimmed().isEmpty()) break;
        const QStringList words = line.mid(kNameAt + kNameWidth).simplified().split(QLatin1Char(' '));
        if (words.size() < 3) break;
        WorkingLoadRow row;
        bool fraction = false, load = false, movement = false;
        row.method = line.mid(kNameAt, kNameWidth).trimmed();
        row.fraction = words[0].toDouble(&fraction);
        row.load = words[1].toDouble(&load);
        const double value = words[2].toDouble(&movement);
        if (!fraction || !load) break;
        if (movement) row.movement = value;
        rows.push_back(row);
    }
    return rows;
}

QStringList workingLoadLines(const QString& reportPath) {
    QFile file(reportPath);
    if (reportPath.isEmpty() || !file.open(QIODevice::ReadOnly)) return {};
    const QByteArray bytes = file.readAll();
    const qsizetype at = bytes.lastIndexOf(QByteArrayView(kHeading.data(), kHeading.size()));
    if (at < 0) return {};
    return QString::fromLatin1(bytes.mid(bytes.lastIndexOf('\n', at) + 1)).split(QLatin1Char('\n'));
}

}  // namespace torve::app
