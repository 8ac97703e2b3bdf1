// Reading a cone penetration test from a table of comma-separated values.
#include "app/sounding/csvreader.h"

#include <QFileInfo>
#include <optional>

#include "app/sounding/soundingtext.h"
#include "app/sounding/texts.h"

namespace torve::app {
namespace {

struct Name {
    const char* text;
    SoundingQuantity quantity;
};
constexpr Name kNames[] = {{"depth", SoundingQuantity::Depth},
                           {"z", SoundingQuantity::Depth},
                           {"penetration_length", SoundingQuantity::PenetrationLength},
                           {"penetration", SoundingQuantity::PenetrationLength},
                           {"qc", SoundingQuantity::Qc},
                           {"cone_resistance", SoundingQuantity::Qc},
                           {"qt", SoundingQuantity::Qt},
                           {"fs", SoundingQuantity::Fs},
                           {"sleeve_friction", SoundingQuantity::Fs},
                           {"u2", SoundingQuantity::U2}};

std::optional<SoundingQuantity> quantityNamed(QString name) {
    name = name.trimmed().toLower().replace(u' ', u'_');
    for (const Name& n : kNames)
        if (name == QLatin1StringView(n.text)) return n.quantity;
    return std::nullopt;
}

// The fields of one line; a field in double quotes may hold the separator and doubled quotes.
std::optional<std::vector<QString>> fieldsOf(QByteArrayView line, char separator) {
    std::vector<QString> fields;
    qsizetype at = 0;
    while (true) {
        QByteArray field;
        while (at < line.size() && line[at] == ' ') ++at;
        if (at < line.size() && line[at] == '"') {
            ++at;
            while (true) {
                if (at >= line.size()) return std::nullopt;
                if (line[at] == '"') {
                    if (at + 1 < line.size() && line[at + 1] == '"') {
                        field += '"';
                        at += 2;
                        continue;
                    }
                    ++at;
                    break;
                }
                field += line[at++];
            }
            while (at < line.size() && line[at] != separator) ++at;
        } else {
            const qsizetype start = at;
            while (at < line.size() && line[at] != separator) ++at;
            field = line.sliced(start, at - start).toByteArray();
        }
        fields.push_back(QString::fromUtf8(field).trimmed());
        if (at >= line.size()) return fields;
        ++at;
    }
}

}  // namespace

std::optional<CsvHeading> recognisedHeading(const QString& heading) {
    const QString h = heading.trimmed();
    // "qc (MPa)" and "qc [MPa]".
    for (const auto& [open, close] : {std::pair{u'(', u')'}, std::pair{u'[', u']'}}) {
        const qsizetype o = h.indexOf(open);
        if (o > 0 && h.endsWith(close)) {
            const std::optional<SoundingQuantity> q = quantityNamed(h.first(o));
            if (q) return CsvHeading{*q, h.sliced(o + 1, h.size() - o - 2).trimmed()};
        }
    }
    // "qc_MPa", "penetration_length_m", or a name without unit.
    if (const std::optional<SoundingQuantity> q = quantityNamed(h)) return CsvHeading{*q, {}};
    const qsizetype underscore = h.lastIndexOf(u'_');
    if (underscore > 0) {
        const std::optional<SoundingQuantity> q = quantityNamed(h.first(underscore));
        if (q) return CsvHeading{*q, h.sliced(underscore + 1)};
    }
    return std::nullopt;
}

namespace {

// The separator the header row uses. A heading in quotes may hold any of them ("note, text"), and one
// without quotes the others in its words ("remark; text" between TABs): of comma, semicolon and TAB
// found outside quotes, the one that splits the row into the most headings of known quantities,
// then the one found most often, then the TAB before the semicolon before the comma, which words
// hold the least often in that order. A row of one heading gives the comma.
char separatorOf(QByteArrayView line) {
    struct Candidate {
        char separator;
        int count = 0;
    };
    Candidate candidates[] = {{'\t'}, {';'}, {','}};
    bool quoted = false;
    for (const char c : line) {
        if (c == '"') quoted = !quoted;  // a doubled quote inside quotes toggles twice
        if (quoted) continue;
        for (Candidate& k : candidates) k.count += c == k.separator ? 1 : 0;
    }
    char best = ',';
    int bestKnown = -1, bestCount = 0;
    for (const Candidate& k : candidates) {
        if (k.count == 0) continue;
        int known = 0;
        if (const auto fields = fieldsOf(line, k.separator))
            for (const QString& f : *fields) known += recognisedHeading(f) ? 1 : 0;
        if (known > bestKnown || (known == bestKnown && k.count > bestCount)) {
            best = k.separator;
            bestKnown = known;
            bestCount = k.count;
        }
    }
    return best;
}

struct HeaderRow {
    char separator = ',';
    std::vector<QString> headings;
};

// The header row, the first line that is not blank, and the separator it uses.
HeaderRow headerRow(SoundingLines& lines, const QString& file) {
    QByteArrayView line;
    bool found = false;
    while ((found = lines.next(line)) && line.trimmed().isEmpty()) {
    }
    if (!found) refuseSounding(file, 0, texts::kCsvHeader);
    HeaderRow h;
    h.separator = separatorOf(line);
    std::optional<std::vector<QString>> headings = fieldsOf(line, h.separator);
    if (!headings) refuseSounding(file, lines.number(), texts::kCsvQuote);
    h.headings = std::move(*headings);
    return h;
}

}  // namespace

QStringList csvHeadings(QByteArrayView bytes, const QString& file) {
    SoundingLines lines(bytes);
    const HeaderRow h = headerRow(lines, file);
    return QStringList(h.headings.begin(), h.headings.end());
}

bool csvNamesConeColumns(const QStringList& headings) {
    bool qc = false, depth = false;
    for (const QString& heading : headings) {
        const std::optional<CsvHeading> h = recognisedHeading(heading);
        if (!h || h->unit.isEmpty()) continue;
        qc = qc || h->quantity == SoundingQuantity::Qc;
        depth = depth || h->quantity == SoundingQuantity::Depth ||
                h->quantity == SoundingQuantity::PenetrationLength;
    }
    return qc && depth;
}

Sounding readCsvSounding(QByteArrayView bytes, const QString& file,
                         const std::vector<CsvColumnChoice>& chosen) {
    SoundingLines lines(bytes);
    QByteArrayView line;
    const HeaderRow header = headerRow(lines, file);
    const char separator = header.separator;
    const std::vector<QString>* headings = &header.headings;

    SoundingTest test;
    test.id = QFileInfo(file).completeBaseName();
    std::array<std::optional<std::size_t>, kSoundingQuantities> column;
    for (std::size_t i = 0; i < headings->size(); ++i) {
        const std::optional<CsvHeading> h = recognisedHeading((*headings)[i]);
        const auto q = h ? static_cast<std::size_t>(h->quantity) : 0;
        if (!h || column[q]) continue;
        column[q] = i;
        test.columns[q] = (*headings)[i];
        test.units[q] = h->unit;
    }
    for (const CsvColumnChoice& c : chosen) {
        const auto q = static_cast<std::size_t>(c.quantity);
        std::optional<std::size_t> at;
        for (std::size_t i = 0; i < headings->size() && !at; ++i)
            if ((*headings)[i].compare(c.heading.trimmed(), Qt::CaseInsensitive) == 0) at = i;
        if (!at)
            refuseSounding(file, lines.number(),
                           QString(texts::kCsvMappedColumn).arg(c.heading, soundingQuantityName(c.quantity)));
        column[q] = at;
        test.columns[q] = (*headings)[*at];
        if (!c.unit.isEmpty())
            test.units[q] = c.unit;
        else if (const std::optional<CsvHeading> h = recognisedHeading(test.columns[q]))
            test.units[q] = h->unit;
        else
            test.units[q].clear();
    }
    if (!column[static_cast<std::size_t>(SoundingQuantity::Qc)])
        refuseSounding(file, lines.number(),
                       QString(texts::kCsvNoColumn).arg(QStringLiteral("qc"), QStringLiteral("qc_MPa")));
    if (!column[static_cast<std::size_t>(SoundingQuantity::Depth)] &&
        !column[static_cast<std::size_t>(SoundingQuantity::PenetrationLength)])
        refuseSounding(file, lines.number(), texts::kCsvNoDepth);

    while (lines.next(line)) {
        if (line.trimmed().isEmpty()) continue;
        const std::optional<std::vector<QString>> fields = fieldsOf(line, separator);
        if (!fields) refuseSounding(file, lines.number(), texts::kCsvQuote);
        if (fields->size() != headings->size())
            refuseSounding(file, lines.number(),
                           QString(texts::kCsvFieldCount).arg(headings->size()).arg(fields->size()));
        SoundingRow row;
        row.line = lines.number();
        for (std::size_t q = 0; q < kSoundingQuantities; ++q) {
            if (!column[q]) continue;
            const QString& cell = (*fields)[*column[q]];
            if (cell.isEmpty()) continue;
            QByteArray text = cell.toUtf8();
            // Spreadsheets that separate by semicolons or tabs often write decimal commas.
            if (separator != ',' && !text.contains('.')) text.replace(',', '.');
            const std::optional<double> v = soundingNumber(text);
            if (!v)
                refuseSounding(file, lines.number(),
                               QString(texts::kCsvNumber).arg(test.columns[q], quotedCell(cell.toUtf8())));
            row.values[q] = *v;
        }
        test.rows.push_back(row);
    }
    dropEmptyColumns(test);
    Sounding s{QStringLiteral("CSV"), {}};
    s.tests.push_back(std::move(test));
    return s;
}

}  // namespace torve::app
