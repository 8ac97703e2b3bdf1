// What the readers of cone penetration soundings share.
#include "app/sounding/soundingtext.h"

#include <charconv>
#include <cmath>

#include "app/controls/usererror.h"
#include "app/sounding/texts.h"

namespace torve::app {

SoundingLines::SoundingLines(QByteArrayView bytes) : bytes_(bytes) {
    if (bytes_.startsWith("\xEF\xBB\xBF")) at_ = 3;
}

bool SoundingLines::next(QByteArrayView& line) {
    if (at_ >= bytes_.size()) return false;
    qsizetype end = at_;
    while (end < bytes_.size() && bytes_[end] != '\n' && bytes_[end] != '\r') ++end;
    line = bytes_.sliced(at_, end - at_);
    if (end < bytes_.size()) {
        const bool crlf = bytes_[end] == '\r' && end + 1 < bytes_.size() && bytes_[end + 1] == '\n';
        end += crlf ? 2 : 1;
    }
    at_ = end;
    ++number_;
    return true;
}

std::optional<double> soundingNumber(QByteArrayView text) {
    text = text.trimmed();
    if (text.startsWith('+')) text = text.sliced(1);
    if (text.isEmpty()) return std::nullopt;
    double value = 0;
    const char* end = text.data() + text.size();
    const auto [ptr, ec] = std::from_chars(text.data(), end, value);
    if (ec != std::errc() || ptr != end || !std::isfinite(value)) return std::nullopt;
    return value;
}

void refuseSounding(const QString& file, int line, const QString& expected) {
    if (line <= 0)
        throw UserError(QString(texts::kSoundingDamagedAtEnd).arg(file, expected), FileLocation{file, 0, 0});
    throw UserError(QString(texts::kSoundingDamaged).arg(file).arg(line).arg(expected),
                    FileLocation{file, line, 0});
}

QString quotedCell(QByteArrayView cell) {
    constexpr qsizetype kLongest = 24;
    QString text = QString::fromUtf8(cell.first(std::min(cell.size(), kLongest)));
    if (cell.size() > kLongest) text += QStringLiteral("...");
    return u'"' + text + u'"';
}

}  // namespace torve::app
