// The error of an entry that cannot be taken; its message is shown to the user as it stands.
#pragma once

#include <QByteArray>
#include <QString>
#include <exception>

namespace torve::app {

class EAssignError : public std::exception {
  public:
    explicit EAssignError(QString message) : message_(std::move(message)), utf8_(message_.toUtf8()) {}
    const QString& message() const noexcept { return message_; }
    const char* what() const noexcept override { return utf8_.constData(); }

  private:
    QString message_;
    QByteArray utf8_;
};

}  // namespace torve::app
