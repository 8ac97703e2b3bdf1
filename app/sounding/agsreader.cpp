// Reading the cone penetration tests of an AGS4 file.
#include "app/sounding/agsreader.h"

#include <QHash>
#include <optional>
#include <vector>

#include "app/sounding/soundingtext.h"
#include "app/sounding/texts.h"

namespace torve::app {
namespace {

using Fields = std::vector<QByteArrayView>;

// The quoted fields of one line, with a doubled quote inside a field kept doubled (no heading or
// number holds one); nullopt when the line is not a comma-separated list of quoted fields.
std::optional<Fields> quotedFields(QByteArrayView line) {
    Fields fields;
    qsizetype at = 0;
    while (true) {
        if (at >= line.size() || line[at] != '"') return std::nullopt;
        const qsizetype start = ++at;
        while (at < line.size()) {
            if (line[at] == '"') {
                if (at + 1 < line.size() && line[at + 1] == '"') {
                    at += 2;
                    continue;
                }
                break;
            }
            ++at;
        }
        if (at >= line.size()) return std::nullopt;
        fields.push_back(line.sliced(start, at - start));
        ++at;
        if (at == line.size()) return fields;
        if (line[at] != ',') return std::nullopt;
        ++at;
    }
}

int indexOf(const Fields& headings, QByteArrayView name) {
    for (std::size_t i = 0; i < headings.size(); ++i)
        if (headings[i] == name) return static_cast<int>(i);
    return -1;
}

struct ScptColumn {
    SoundingQuantity quantity;
    const char* heading;
};
constexpr ScptColumn kScptColumns[] = {{SoundingQuantity::Depth, "SCPT_DPTH"},
                                       {SoundingQuantity::Qc, "SCPT_RES"},
                                       {SoundingQuantity::Fs, "SCPT_FRES"},
                                       {SoundingQuantity::U2, "SCPT_PWP2"},
                                       {SoundingQuantity::Qt, "SCPT_QT"}};

class AgsReader {
  public:
    AgsReader(QByteArrayView bytes, const QString& file) : lines_(bytes), file_(file) {}

    Sounding read() {
        QByteArrayView line;
        while (lines_.next(line)) {
            if (line.trimmed().isEmpty()) continue;
            const std::optional<Fields> fields = quotedFields(line);
            if (!fields) refuse(texts::kAgsQuotedFields);
            take(*fields);
        }
        if (!sawScpt_) refuseSounding(file_, 0, texts::kAgsNoScpt);
        for (SoundingTest& t : sounding_.tests) {
            const auto car = areaRatios_.constFind(t.id);
            if (car != areaRatios_.constEnd()) t.areaRatio = *car;
            dropEmptyColumns(t);
        }
        return std::move(sounding_);
    }

  private:
    [[noreturn]] void refuse(const QString& expected) const {
        refuseSounding(file_, lines_.number(), expected);
    }

    void take(const Fields& f) {
        const QByteArrayView kind = f[0];
        if (kind == "GROUP") {
            if (f.size() != 2) refuse(texts::kAgsGroupName);
            group_ = f[1].toByteArray();
            headings_.clear();
            units_.clear();
            return;
        }
        if (kind != "HEADING" && kind != "UNIT" && kind != "TYPE" && kind != "DATA")
            refuse(texts::kAgsRowKind);
        if (group_.isEmpty()) refuse(texts::kAgsGroupFirst);
        if (kind == "HEADING") {
            if (!headings_.empty()) refuse(texts::kAgsOneHeading);
            // The views of the fields point into the file's bytes, which outlive the reader.
            headings_ = f;
            if (group_ == "SCPT") startScpt();
            return;
        }
        if (headings_.empty())
            refuse(QString(texts::kAgsHeadingFirst).arg(QString::fromLatin1(kind.toByteArray())));
        if (f.size() != headings_.size())
            refuse(QString(texts::kAgsFieldCount).arg(headings_.size()).arg(f.size()));
        if (kind == "UNIT") units_ = f;
        if (kind != "DATA") return;
        if (group_ == "SCPG") takeScpg(f);
        if (group_ == "SCPT") takeScpt(f);
    }

    QString testId(const Fields& f, int loca, int tesn) const {
        QString id = QString::fromUtf8(f[static_cast<std::size_t>(loca)]);
        if (tesn >= 0 && !f[static_cast<std::size_t>(tesn)].isEmpty())
            id += u'/' + QString::fromUtf8(f[static_cast<std::size_t>(tesn)]);
        return id;
    }

    double number(const Fields& f, int column) const {
        if (column < 0) return kSoundingMissing;
        const QByteArrayView cell = f[static_cast<std::size_t>(column)];
        if (cell.trimmed().isEmpty()) return kSoundingMissing;
        const std::optional<double> v = soundingNumber(cell);
        if (!v)
            refuse(
                QString(texts::kAgsNumber)
                    .arg(QString::fromUtf8(headings_[static_cast<std::size_t>(column)]), quotedCell(cell)));
        return *v;
    }

    void takeScpg(const Fields& f) {
        const int loca = indexOf(headings_, "LOCA_ID");
        if (loca < 0)
            refuse(QString(texts::kAgsNeedsHeading).arg(QStringLiteral("SCPG"), QStringLiteral("LOCA_ID")));
        const double car = number(f, indexOf(headings_, "SCPG_CAR"));
        areaRatios_.insert(testId(f, loca, indexOf(headings_, "SCPG_TESN")), car);
    }

    void startScpt() {
        sawScpt_ = true;
        for (const char* needed : {"LOCA_ID", "SCPT_DPTH", "SCPT_RES"})
            if (indexOf(headings_, needed) < 0)
                refuse(QString(texts::kAgsNeedsHeading)
                           .arg(QStringLiteral("SCPT"), QString::fromLatin1(needed)));
    }

    void takeScpt(const Fields& f) {
        const int loca = indexOf(headings_, "LOCA_ID");
        const QString id = testId(f, loca, indexOf(headings_, "SCPG_TESN"));
        auto found = testIndex_.constFind(id);
        if (found == testIndex_.constEnd()) {
            found = testIndex_.insert(id, sounding_.tests.size());
            sounding_.tests.push_back({});
            sounding_.tests.back().id = id;
            sounding_.tests.back().location = QString::fromUtf8(f[static_cast<std::size_t>(loca)]);
        }
        SoundingTest& test = sounding_.tests[*found];
        SoundingRow row;
        row.line = lines_.number();
        for (const ScptColumn& c : kScptColumns) {
            const int column = indexOf(headings_, c.heading);
            if (column < 0) continue;
            const auto q = static_cast<std::size_t>(c.quantity);
            test.columns[q] = QString::fromLatin1(c.heading);
            if (!units_.empty()) test.units[q] = QString::fromUtf8(units_[static_cast<std::size_t>(column)]);
            row.values[q] = number(f, column);
        }
        test.rows.push_back(row);
    }

    SoundingLines lines_;
    const QString& file_;
    Sounding sounding_{QStringLiteral("AGS4"), {}};
    QByteArray group_;
    Fields headings_;
    Fields units_;
    bool sawScpt_ = false;
    QHash<QString, double> areaRatios_;
    QHash<QString, std::size_t> testIndex_;
};

}  // namespace

Sounding readAgsSounding(QByteArrayView bytes, const QString& file) {
    return AgsReader(bytes, file).read();
}

}  // namespace torve::app
