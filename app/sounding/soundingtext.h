// What the readers of cone penetration soundings share: the lines of a file's bytes, numbers read
// without the locale, and refusals that name the file, the line and what was expected.
#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <optional>

namespace torve::app {

// The lines of a file held in memory, with LF, CRLF or a lone CR as line ends and a UTF-8 byte order
// mark passed over. A line never includes its end.
class SoundingLines {
  public:
    explicit SoundingLines(QByteArrayView bytes);
    // The next line; false at the end of the bytes.
    bool next(QByteArrayView& line);
    // The line last returned, counted from 1.
    int number() const { return number_; }

  private:
    QByteArrayView bytes_;
    qsizetype at_ = 0;
    int number_ = 0;
};

// A decimal number with a point as separator, blanks around it allowed; nullopt for anything else,
// including the words inf and nan and numbers beyond the range of a double.
std::optional<double> soundingNumber(QByteArrayView text);

// Raises UserError: the file cannot be read at `line` (0: at its end), and what was expected there.
[[noreturn]] void refuseSounding(const QString& file, int line, const QString& expected);

// The text of a cell for a message, cut short when long.
QString quotedCell(QByteArrayView cell);

}  // namespace torve::app
