// The about box: the product, its version and release, the contact lines and this computer's address.
#pragma once

#include <QDate>
#include <QDialog>

class QLabel;

namespace torve::app {

class AboutBox : public QDialog {
    Q_OBJECT

  public:
    explicit AboutBox(QWidget* parent = nullptr);

    // The release date, stored as month/day/two-digit-year text: "07/01/14" is 1 July 2014.
    static QDate releaseDate();
    // This computer's network address: the first IPv4 address its own host name resolves to,
    // "unknown" when the name does not resolve.
    static QString localAddress();
};

}  // namespace torve::app
