// The one error the program shows to the user: its message, and where a file reader stopped.
#pragma once

#include <QByteArray>
#include <QString>
#include <exception>
#include <optional>
#include <utility>

namespace torve::app {

// Where a reader stopped in a file: the file (empty for text read from memory), the line and the
// word of that line, both counted from 1; item 0 when the end of the file is meant.
struct FileLocation {
    QString file;
    int line = 0;
    int item = 0;
};

// A failure the user is told about: an entry that does not evaluate or is out of bounds, a file
// that cannot be opened, read or written. Commands catch it and show message() as it stands; the
// location lets a caller say more about which file and line were at fault.
class UserError : public std::exception {
  public:
    explicit UserError(QString message, std::optional<FileLocation> location = std::nullopt)
        : message_(std::move(message)), location_(std::move(location)), utf8_(message_.toUtf8()) {}

    const QString& message() const noexcept { return message_; }
    const std::optional<FileLocation>& location() const noexcept { return location_; }
    const char* what() const noexcept override { return utf8_.constData(); }

  private:
    QString message_;
    std::optional<FileLocation> location_;
    QByteArray utf8_;
};

}  // namespace torve::app
