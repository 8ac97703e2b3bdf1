// Programming and structure errors of the grid tables ("Data of wrong type", "Index out of bounds").
#pragma once

#include <QByteArray>
#include <QString>
#include <exception>

namespace torve::app {

class EGridTableError : public std::exception {
  public:
    explicit EGridTableError(QString message) : message_(std::move(message)), utf8_(message_.toUtf8()) {}
    const QString& message() const noexcept { return message_; }
    const char* what() const noexcept override { return utf8_.constData(); }

  private:
    QString message_;
    QByteArray utf8_;
};

}  // namespace torve::app
