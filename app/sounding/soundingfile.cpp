// The cone data files of the exchange formats.
#include "app/sounding/soundingfile.h"

#include <QFile>
#include <QFileInfo>
#include <QStringList>

#include "app/controls/filereading.h"
#include "app/controls/usererror.h"
#include "app/sounding/agsreader.h"
#include "app/sounding/broxmlreader.h"
#include "app/sounding/gefreader.h"
#include "app/sounding/texts.h"

namespace torve::app {

SoundingFormat soundingFormatOf(const QString& path) {
    const QString suffix = QFileInfo(path).suffix().toLower();
    if (suffix == u"ags") return SoundingFormat::Ags;
    if (suffix == u"gef") return SoundingFormat::Gef;
    if (suffix == u"xml") return SoundingFormat::BroXml;
    if (suffix == u"csv") return SoundingFormat::Csv;
    return SoundingFormat::Plain;
}

namespace {

// Kinds of files that hold no columns of cone data, by extension; a spreadsheet is named apart, since
// its data can be saved as CSV.
constexpr const char* kNotConeData[] = {
    "py",  "pyc", "pyw", "sh",  "bat",  "cmd", "ps1",  "exe",  "dll",  "so",   "js",   "c",    "cpp",
    "h",   "md",  "pdf", "doc", "docx", "odt", "rtf",  "html", "htm",  "png",  "jpg",  "jpeg", "gif",
    "bmp", "svg", "zip", "gz",  "7z",   "tar", "tv6d", "tvd",  "tv6o", "tv6p", "tv6r", "gwi",
};
constexpr const char* kSpreadsheets[] = {"xls", "xlsx", "xlsm", "ods"};

}  // namespace

QString notConeDataFile(const QString& path) {
    const QString suffix = QFileInfo(path).suffix().toLower();
    for (const char* s : kSpreadsheets)
        if (suffix == QLatin1String(s)) return QString(texts::kCptSpreadsheet).arg(path);
    for (const char* s : kNotConeData)
        if (suffix == QLatin1String(s)) return QString(texts::kCptNotConeData).arg(path, suffix);
    // Text has no NUL bytes; a binary file would be read as words of whatever its bytes spell.
    QFile file(path);
    if (QFileInfo(path).isFile() && file.open(QIODevice::ReadOnly) && file.read(4096).contains('\0'))
        return QString(texts::kCptNotText).arg(path);
    return {};
}

Sounding readSoundingFile(const QString& path, const std::vector<CsvColumnChoice>& csvColumns) {
    constexpr qint64 kMegabyte = 1024 * 1024;
    const QFileInfo info(path);
    if (info.isFile() && info.size() > kMostSoundingFileBytes)
        throw UserError(QString(texts::kSoundingTooLarge)
                            .arg(path)
                            .arg(info.size() / kMegabyte)
                            .arg(kMostSoundingFileBytes / kMegabyte));
    // A pipe or a device is refused unread, so that naming one never waits on it.
    const QByteArray bytes = readFileWhole(path, texts::kSoundingUnopenable);
    Sounding s;
    switch (soundingFormatOf(path)) {
        case SoundingFormat::Ags:
            s = readAgsSounding(bytes, path);
            break;
        case SoundingFormat::Gef:
            s = readGefSounding(bytes, path);
            break;
        case SoundingFormat::BroXml:
            s = readBroXmlSounding(bytes, path);
            break;
        case SoundingFormat::Plain:
            // Read as CSV only when it may hold cone data at all: a script is not a table.
            if (const QString refused = notConeDataFile(path); !refused.isEmpty()) throw UserError(refused);
            s = readCsvSounding(bytes, path, csvColumns);
            break;
        case SoundingFormat::Csv:
            s = readCsvSounding(bytes, path, csvColumns);
            break;
    }
    for (SoundingTest& t : s.tests)
        if (t.id.isEmpty()) t.id = QFileInfo(path).completeBaseName();
    return s;
}

const SoundingTest& soundingTest(const Sounding& sounding, const QString& id, const QString& file) {
    if (sounding.tests.empty()) throw UserError(QString(texts::kSoundingNoTests).arg(file));
    if (id.isEmpty() && sounding.tests.size() == 1) return sounding.tests.front();
    for (const SoundingTest& t : sounding.tests)
        if (t.id == id) return t;
    if (!id.isEmpty()) {
        std::vector<const SoundingTest*> atLocation;
        for (const SoundingTest& t : sounding.tests)
            if (t.location == id) atLocation.push_back(&t);
        if (atLocation.size() == 1) return *atLocation.front();
        if (atLocation.size() > 1) {
            QStringList ids;
            for (const SoundingTest* t : atLocation) ids << t->id;
            throw UserError(QString(texts::kSoundingLocationTests)
                                .arg(file)
                                .arg(atLocation.size())
                                .arg(id, ids.join(QStringLiteral(", "))));
        }
    }
    bool isNumber = false;
    const qsizetype n = id.toLongLong(&isNumber);
    if (isNumber && n >= 1 && n <= static_cast<qsizetype>(sounding.tests.size()))
        return sounding.tests[static_cast<std::size_t>(n - 1)];
    QStringList ids;
    for (const SoundingTest& t : sounding.tests) ids << t.id;
    const QString list = ids.join(QStringLiteral(", "));
    if (id.isEmpty())
        throw UserError(QString(texts::kSoundingChooseTest).arg(file).arg(sounding.tests.size()).arg(list));
    throw UserError(QString(texts::kSoundingNoTest).arg(file, id, list));
}

}  // namespace torve::app
