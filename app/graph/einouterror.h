// An input/output error: a file that cannot be opened, or a word that is missing or not a number.
#pragma once

#include <QByteArray>
#include <QString>
#include <exception>

namespace torve::app {

class EInOutError : public std::exception {
  public:
    explicit EInOutError(QString message) : message_(std::move(message)), utf8_(message_.toUtf8()) {}
    const QString& message() const noexcept { return message_; }
    const char* what() const noexcept override { return utf8_.constData(); }

  private:
    QString message_;
    QByteArray utf8_;
};

}  // namespace torve::app
