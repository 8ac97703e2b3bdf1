// The about box.
#include "app/dialogs/aboutbox.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QHostAddress>
#include <QHostInfo>
#include <QLabel>
#include <QLocale>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/dialogs/texts.h"
#include "app/widgets/caption.h"

namespace torve::app {
namespace {

QString link(const QString& address, const QString& shown) {
    return QStringLiteral("<a href=\"%1\">%2</a>").arg(address, shown.toHtmlEscaped());
}

}  // namespace

AboutBox::AboutBox(QWidget* parent) : QDialog(parent) {
    setWindowTitle(texts::kAboutTitle);
    setAccessibleFromCaption(this, texts::kAboutTitle);
    setModal(true);
    auto* layout = new QVBoxLayout(this);

    auto* product = new QLabel(texts::kProductName);
    QFont big = product->font();
    big.setPointSizeF(big.pointSizeF() * 2);
    big.setBold(true);
    product->setFont(big);
    layout->addWidget(product);
    layout->addWidget(new QLabel(texts::kVersionLine));
    auto* description = new QLabel(texts::kDescription);
    description->setWordWrap(true);
    layout->addWidget(description);

    auto* form = new QFormLayout;
    layout->addLayout(form);
    const auto contact = [&](const QString& caption, const QString& address, const QString& shown) {
        auto* value = new QLabel(link(address, shown));
        value->setOpenExternalLinks(true);
        value->setTextInteractionFlags(Qt::TextBrowserInteraction);
        setAccessibleFromCaption(value, caption.trimmed());
        form->addRow(caption, value);
    };
    contact(texts::kWebCaption, texts::kWebSite, texts::kWebSite);
    contact(texts::kMailCaption, QStringLiteral("mailto:") + texts::kSupportMail, texts::kSupportMail);
    contact(texts::kIssuesCaption, texts::kIssuesPage, texts::kIssuesPage);

    const QLocale locale;
    const auto line = [&](const QString& caption, const QString& value) {
        auto* shown = new QLabel(value);
        setAccessibleFromCaption(shown, caption);
        form->addRow(caption, shown);
    };
    line(texts::kIpAddress, localAddress());
    line(texts::kTodaysDate, locale.toString(QDate::currentDate(), QLocale::ShortFormat));
    line(texts::kReleaseDateCaption, locale.toString(releaseDate(), QLocale::ShortFormat));

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok);
    buttons->button(QDialogButtonBox::Ok)->setText(texts::kOk);
    setAccessibleFromCaption(buttons->button(QDialogButtonBox::Ok), texts::kOk);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    layout->addWidget(buttons);
}

QDate AboutBox::releaseDate() {
    const QString text = texts::kReleaseDate;
    return QDate(2000 + text.mid(6, 2).toInt(), text.mid(0, 2).toInt(), text.mid(3, 2).toInt());
}

QString AboutBox::localAddress() {
    const QHostInfo host = QHostInfo::fromName(QHostInfo::localHostName());
    for (const QHostAddress& address : host.addresses())
        if (address.protocol() == QAbstractSocket::IPv4Protocol) return address.toString();
    return texts::kUnknownAddress;
}

}  // namespace torve::app
