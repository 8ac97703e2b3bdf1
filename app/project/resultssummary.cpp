// The results of a run at a glance.
#include "app/project/resultssummary.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include "app/controls/numbertext.h"
#include "app/graph/graph.h"
#include "app/project/results.h"
#include "app/project/texts.h"

namespace torve::app {
namespace {

// Capacities to a tenth of a kip or kN, as the report prints them, depths and movements finer.
QString fixed(double value, int decimals) {
    return QString::number(value + 0.0, 'f', decimals);  // + 0.0: no "-0.0"
}

// A field that holds a separator, a quote or a line break is quoted, quotes doubled.
QString csvField(const QString& text) {
    if (!text.contains(QLatin1Char(',')) && !text.contains(QLatin1Char('"')) &&
        !text.contains(QLatin1Char('\r')) && !text.contains(QLatin1Char('\n')))
        return text;
    QString quoted = text;
    quoted.replace(QLatin1Char('"'), QStringLiteral("\"\""));
    return QLatin1Char('"') + quoted + QLatin1Char('"');
}

// A tab or line break inside a cell would split it in a spreadsheet: a blank instead.
QString tabField(QString text) {
    for (QChar c : {QLatin1Char('\t'), QLatin1Char('\r'), QLatin1Char('\n')})
        text.replace(c, QLatin1Char(' '));
    return text;
}

}  // namespace

QStringList ResultsSummary::methodColumns() const {
    const QString force = english ? texts::kSummaryKips : texts::kSummaryKiloNewtons;
    const QString length = english ? texts::kSummaryFeet : texts::kSummaryMetres;
    return {texts::kSummaryMethod, QString(texts::kSummaryTipDepth).arg(length),
            QString(texts::kSummarySkinFriction).arg(force),
            QString(uplift ? texts::kSummarySelfWeight : texts::kSummaryEndBearing).arg(force),
            QString(texts::kSummaryTotalCapacity).arg(force)};
}

QStringList ResultsSummary::methodCells(const Method& m) const {
    return {m.name, fixed(m.tipDepth, 2), fixed(m.skinFriction, 1), fixed(m.endBearing, 1),
            fixed(m.totalCapacity, 1)};
}

QString ResultsSummary::headLoadCaption() const {
    return QString(texts::kSummaryHeadLoad).arg(english ? texts::kSummaryKips : texts::kSummaryKiloNewtons);
}

QString ResultsSummary::headMovementCaption() const {
    return QString(uplift ? texts::kSummaryHeadUplift : texts::kSummaryHeadMovement)
        .arg(english ? texts::kSummaryInches : texts::kSummaryMillimetres);
}

QStringList ResultsSummary::workingLoadColumns() const {
    return {
        texts::kSummaryMethod, texts::kSummaryFraction,
        QString(texts::kSummaryWorkingLoad).arg(english ? texts::kSummaryKips : texts::kSummaryKiloNewtons),
        headMovementCaption()};
}

QStringList ResultsSummary::workingLoadCells(const WorkingLoadRow& row) const {
    return {row.method, fixed(row.fraction, 4), fixed(row.load, 1),
            row.movement ? fixed(*row.movement, english ? 4 : 2) : QString(texts::kSummaryBeyondCurve)};
}

QString ResultsSummary::warningSentence(const Warning& w) const {
    QString where = w.method;
    if (w.depth) {
        const QString depth =
            fixed(*w.depth, 2) + QLatin1Char(' ') + (english ? texts::kSummaryFeet : texts::kSummaryMetres);
        where += where.isEmpty() ? QStringLiteral("At ") + depth : QStringLiteral(", at ") + depth;
    }
    return where.isEmpty() ? w.text : where + QStringLiteral(": ") + w.text;
}

std::vector<QStringList> ResultsSummary::rows() const {
    std::vector<QStringList> rows{methodColumns()};
    for (const Method& m : methods) rows.push_back(methodCells(m));
    if (head) {
        rows.emplace_back();
        rows.push_back({texts::kSummaryMethod, headLoadCaption(), headMovementCaption()});
        // Movements are small: four decimals of an inch, two of a millimetre.
        rows.push_back({head->method, fixed(head->load, 1), fixed(head->movement, english ? 4 : 2)});
    }
    if (!workingLoads.empty()) {
        rows.emplace_back();
        rows.push_back(workingLoadColumns());
        for (const WorkingLoadRow& w : workingLoads) rows.push_back(workingLoadCells(w));
    }
    rows.emplace_back();
    rows.push_back({texts::kSummaryWarnings});
    if (warnings.empty()) {
        rows.push_back({texts::kSummaryNoWarnings});
        return rows;
    }
    rows.push_back(
        {texts::kSummaryMethod,
         QString(texts::kSummaryWarningDepth).arg(english ? texts::kSummaryFeet : texts::kSummaryMetres),
         texts::kSummaryWarningText});
    for (const Warning& w : warnings)
        rows.push_back({w.method, w.depth ? fixed(*w.depth, 2) : QString(), w.text});
    return rows;
}

QString ResultsSummary::tabSeparated() const {
    QString text;
    for (const QStringList& row : rows()) {
        QStringList cells;
        for (const QString& c : row) cells << tabField(c);
        text += cells.join(QLatin1Char('\t')) + QStringLiteral("\r\n");
    }
    return text;
}

QString ResultsSummary::csv() const {
    QString text;
    for (const QStringList& row : rows()) {
        QStringList cells;
        for (const QString& c : row) cells << csvField(c);
        text += cells.join(QLatin1Char(',')) + QStringLiteral("\r\n");
    }
    return text;
}

std::optional<ResultsSummary::Warning> warningOfConsoleLine(const QString& line) {
    static const QLatin1StringView plain{"Warning: "}, located{"Warning ["};
    ResultsSummary::Warning w;
    if (line.startsWith(plain)) {
        w.text = line.mid(plain.size()).trimmed();
        return w;
    }
    const qsizetype close = line.indexOf(QStringLiteral("]: "));
    if (!line.startsWith(located) || close < 0) return std::nullopt;
    // The place is the method, the depth with its unit, or both separated by "; ".
    for (const QString& part : line.mid(located.size(), close - located.size()).split(QStringLiteral("; "))) {
        const QStringList words = part.split(QLatin1Char(' '));
        bool number = false;
        const double depth = words.size() == 2 ? words[0].toDouble(&number) : 0.0;
        if (number && (words[1] == texts::kSummaryFeet || words[1] == texts::kSummaryMetres))
            w.depth = depth;
        else
            w.method = part;
    }
    w.text = line.mid(close + 3).trimmed();
    return w;
}

namespace {

// The report's lines that carry a warning. A report runs to a quarter of a megabyte: only the
// lines around each "WARNING" are made into text.
QStringList warningLines(const QString& path) {
    QFile file(path);
    if (path.isEmpty() || !file.open(QIODevice::ReadOnly)) return {};
    const QByteArray bytes = file.readAll();
    QStringList lines;
    for (qsizetype at = bytes.indexOf("WARNING"); at >= 0; at = bytes.indexOf("WARNING", at + 1)) {
        const qsizetype start = bytes.lastIndexOf('\n', at) + 1;
        qsizetype end = bytes.indexOf('\n', at);
        if (end < 0) end = bytes.size();
        lines << QString::fromLatin1(bytes.mid(start, end - start));
        at = end;
    }
    return lines;
}

// The run notes beside the report: the engine's console lines, which end with the run's warnings.
QStringList runNoteLines(const QString& reportPath) {
    if (reportPath.isEmpty()) return {};
    const QFileInfo report(reportPath);
    QFile file(report.dir().filePath(report.completeBaseName() + QStringLiteral(".tv6r")));
    if (!file.open(QIODevice::ReadOnly)) return {};
    return QString::fromLocal8Bit(file.readAll()).split(QLatin1Char('\n'));
}

}  // namespace

ResultsSummary summarizeRunBeside(const Results& results, bool uplift, const QString& reportPath) {
    ResultsSummary s = summarizeResults(results, uplift, warningLines(reportPath), runNoteLines(reportPath));
    s.workingLoads = readWorkingLoads(workingLoadLines(reportPath));
    return s;
}

ResultsSummary summarizeResults(const Results& results, bool uplift, const QStringList& reportLines,
                                const QStringList& consoleLines) {
    ResultsSummary s;
    s.uplift = uplift;
    const Graph& totals = results.graph(ResultGraph::TotalCapacity);
    const Graph& skins = results.graph(ResultGraph::SkinFriction);
    const Graph& tips = results.graph(ResultGraph::TipResistance);
    s.english = totals.units() != 2;
    const auto deepest = [](const Graph& g, int line) -> std::optional<QPointF> {
        if (line >= g.lineCount() || g.line(line).points.empty()) return std::nullopt;
        return g.line(line).points.back();
    };
    for (int i = 0; i < totals.lineCount(); ++i) {
        const auto total = deepest(totals, i), skin = deepest(skins, i), tip = deepest(tips, i);
        if (!total) continue;
        s.methods.push_back({totals.displayName(i).trimmed(), total->y(), skin ? skin->x() : 0.0,
                             tip ? tip->x() : 0.0, total->x()});
    }
    const Graph& axial = results.graph(ResultGraph::LoadSettlement);
    // The curve starts at the origin; only a curve with a load level has a head to tell. Its
    // largest load, not its last point: a curve that softens past its peak ends lower. The graph
    // holds movements in in or mm, as the report gives them.
    if (axial.lineCount() > 0 && axial.line(0).points.size() > 1) {
        QPointF largest = axial.line(0).points.front();
        for (const QPointF& p : axial.line(0).points)
            if (p.x() > largest.x()) largest = p;
        s.head = ResultsSummary::Head{axial.displayName(0).trimmed(), largest.x(), largest.y()};
    }
    for (const QString& line : consoleLines)
        if (auto w = warningOfConsoleLine(line)) s.warnings.push_back(std::move(*w));
    if (!s.warnings.empty()) return s;
    QStringList seen;
    for (const QString& line : reportLines) {
        const QString trimmed = line.simplified();
        if (!trimmed.contains(QLatin1String("WARNING")) || seen.contains(trimmed)) continue;
        seen << trimmed;
        s.warnings.push_back({QString(), std::nullopt, trimmed});
    }
    return s;
}

}  // namespace torve::app
