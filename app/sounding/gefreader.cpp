// Reading a cone penetration test of a GEF file.
#include "app/sounding/gefreader.h"

#include <QHash>
#include <cmath>
#include <optional>
#include <vector>

#include "app/sounding/soundingtext.h"
#include "app/sounding/texts.h"

namespace torve::app {
namespace {

// Quantity numbers of the format stop well below this; a larger one is none this import uses.
constexpr double kLargestQuantityNumber = 1000;

using Fields = std::vector<QByteArrayView>;

Fields split(QByteArrayView text, char separator) {
    Fields fields;
    qsizetype start = 0;
    for (qsizetype i = 0; i <= text.size(); ++i) {
        if (i == text.size() || text[i] == separator) {
            fields.push_back(text.sliced(start, i - start).trimmed());
            start = i + 1;
        }
    }
    return fields;
}

Fields splitBlanks(QByteArrayView text) {
    Fields fields;
    qsizetype i = 0;
    while (i < text.size()) {
        while (i < text.size() && (text[i] == ' ' || text[i] == '\t')) ++i;
        const qsizetype start = i;
        while (i < text.size() && text[i] != ' ' && text[i] != '\t') ++i;
        if (i > start) fields.push_back(text.sliced(start, i - start));
    }
    return fields;
}

// The quantity numbers of the GEF-CPT columns a CPT import uses.
std::optional<SoundingQuantity> quantityOf(int number) {
    switch (number) {
        case 1:
            return SoundingQuantity::PenetrationLength;
        case 2:
            return SoundingQuantity::Qc;
        case 3:
            return SoundingQuantity::Fs;
        case 6:
            return SoundingQuantity::U2;
        case 11:
            return SoundingQuantity::Depth;
        case 13:
            return SoundingQuantity::Qt;
        default:
            return std::nullopt;
    }
}

// A unit as GEF files write it, "MPa" or "MPa (megaPascal)": the part before any explanation.
QString unitOf(QByteArrayView text) {
    const qsizetype paren = text.indexOf('(');
    return QString::fromUtf8(paren < 0 ? text : text.first(paren)).trimmed();
}

class GefReader {
  public:
    GefReader(QByteArrayView bytes, const QString& file) : lines_(bytes), file_(file) {}

    Sounding read() {
        readHeader();
        readData();
        dropEmptyColumns(test_);
        Sounding s{QStringLiteral("GEF"), {}};
        s.tests.push_back(std::move(test_));
        return s;
    }

  private:
    [[noreturn]] void refuse(const QString& expected) const {
        refuseSounding(file_, lines_.number(), expected);
    }

    int columnNumber(QByteArrayView field) const {
        const std::optional<double> n = soundingNumber(field);
        if (!n || *n < 1 || *n > kGefMostColumns || *n != static_cast<int>(*n))
            refuse(QString(texts::kGefColumnNumber).arg(kGefMostColumns));
        return static_cast<int>(*n);
    }

    char separator(QByteArrayView value) const {
        if (value.size() != 1) refuse(texts::kGefSeparator);
        return value[0];
    }

    void readHeader() {
        QByteArrayView line;
        while (lines_.next(line)) {
            line = line.trimmed();
            if (line.isEmpty()) continue;
            if (!line.startsWith('#')) refuse(texts::kGefHeaderLine);
            const qsizetype eq = line.indexOf('=');
            const QByteArrayView key = line.sliced(1, (eq < 0 ? line.size() : eq) - 1).trimmed();
            const QByteArrayView value = eq < 0 ? QByteArrayView() : line.sliced(eq + 1).trimmed();
            if (key == "EOH") return;
            header(key, value);
        }
        refuseSounding(file_, 0, texts::kGefNoEnd);
    }

    void header(QByteArrayView key, QByteArrayView value) {
        const Fields f = split(value, ',');
        if (key == "COLUMNINFO") {
            if (f.size() < 4) refuse(texts::kGefColumnInfo);
            const int column = columnNumber(f[0]);
            const std::optional<double> quantity = soundingNumber(f[3]);
            if (!quantity) refuse(texts::kGefColumnInfo);
            // Quantity numbers are small whole numbers; any other names a quantity this import does
            // not use (and would not fit an int).
            const double number = *quantity;
            if (!(number >= 1 && number <= kLargestQuantityNumber) || number != std::trunc(number)) return;
            const std::optional<SoundingQuantity> q = quantityOf(static_cast<int>(number));
            if (!q || column_[static_cast<std::size_t>(*q)]) return;
            const auto i = static_cast<std::size_t>(*q);
            column_[i] = column;
            test_.units[i] = unitOf(f[1]);
            test_.columns[i] = QString::fromUtf8(f[2]).trimmed();
            if (test_.columns[i].isEmpty()) test_.columns[i] = QStringLiteral("column %1").arg(column);
        } else if (key == "COLUMNVOID") {
            if (f.size() < 2) refuse(texts::kGefColumnVoid);
            const int column = columnNumber(f[0]);
            const std::optional<double> v = soundingNumber(f[1]);
            if (!v) refuse(texts::kGefColumnVoid);
            voids_.insert(column, *v);
        } else if (key == "COLUMNSEPARATOR") {
            // Blanks as separator are any run of blanks and tabs, as when none is declared.
            if (value.isEmpty() || value == "\t")
                columnSeparator_.reset();
            else
                columnSeparator_ = separator(value);
        } else if (key == "RECORDSEPARATOR") {
            recordSeparator_ = separator(value);
        } else if (key == "MEASUREMENTVAR") {
            // Variable 3 is the cone's net area ratio; "-" and the like mean it was not recorded.
            if (f.size() >= 2 && soundingNumber(f[0]) == 3.0) {
                const std::optional<double> a = soundingNumber(f[1]);
                if (!a && f[1] != "-" && !f[1].isEmpty()) refuse(texts::kGefAreaRatio);
                test_.areaRatio = a.value_or(kSoundingMissing);
            }
        } else if (key == "ZID") {
            if (f.size() >= 2) test_.startLevel = soundingNumber(f[1]).value_or(kSoundingMissing);
        } else if (key == "TESTID") {
            if (test_.id.isEmpty()) test_.id = QString::fromUtf8(value);
        }
    }

    void readData() {
        using Q = SoundingQuantity;
        if (!column_[static_cast<std::size_t>(Q::Qc)])
            refuse(QString(texts::kGefNeedsColumn).arg(QStringLiteral("qc")).arg(2));
        if (!column_[static_cast<std::size_t>(Q::Depth)] &&
            !column_[static_cast<std::size_t>(Q::PenetrationLength)])
            refuse(texts::kGefNeedsDepth);
        int needed = 0;
        for (const std::optional<int>& c : column_)
            if (c) needed = std::max(needed, *c);
        QByteArrayView line;
        while (lines_.next(line)) {
            const Fields records = recordSeparator_ ? split(line, *recordSeparator_) : Fields{line};
            for (QByteArrayView record : records) {
                record = record.trimmed();
                // Records often end with the column separator as well, as in "0.02;1.25;".
                if (columnSeparator_ && record.endsWith(*columnSeparator_)) record.chop(1);
                if (record.trimmed().isEmpty()) continue;
                take(columnSeparator_ ? split(record, *columnSeparator_) : splitBlanks(record), needed);
            }
        }
    }

    void take(const Fields& fields, int needed) {
        if (static_cast<int>(fields.size()) < needed)
            refuse(QString(texts::kGefFewColumns).arg(needed).arg(fields.size()));
        SoundingRow row;
        row.line = lines_.number();
        for (std::size_t q = 0; q < kSoundingQuantities; ++q) {
            if (!column_[q]) continue;
            const int column = *column_[q];
            const QByteArrayView cell = fields[static_cast<std::size_t>(column - 1)];
            const std::optional<double> v = soundingNumber(cell);
            if (!v) refuse(QString(texts::kGefNumber).arg(column).arg(quotedCell(cell)));
            const auto isVoid = voids_.constFind(column);
            row.values[q] = isVoid != voids_.constEnd() && *isVoid == *v ? kSoundingMissing : *v;
        }
        test_.rows.push_back(row);
    }

    SoundingLines lines_;
    const QString& file_;
    SoundingTest test_;
    std::array<std::optional<int>, kSoundingQuantities> column_;
    QHash<int, double> voids_;
    std::optional<char> columnSeparator_;
    std::optional<char> recordSeparator_;
};

}  // namespace

Sounding readGefSounding(QByteArrayView bytes, const QString& file) {
    return GefReader(bytes, file).read();
}

}  // namespace torve::app
