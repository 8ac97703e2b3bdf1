// The help window.
#include "app/main/helpwindow.h"

#include <QAbstractTextDocumentLayout>
#include <QCoreApplication>
#include <QDesktopServices>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextBrowser>
#include <QVBoxLayout>

namespace torve::app {

HelpWindow::HelpWindow(QWidget* parent) : QWidget(parent), browser_(new QTextBrowser) {
    setAttribute(Qt::WA_DeleteOnClose);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(browser_);
    browser_->setOpenLinks(false);
    connect(browser_, &QTextBrowser::anchorClicked, this, &HelpWindow::followLink);
    resize(760, 560);
}

QString HelpWindow::manualsFolder() {
    const QDir installed(QCoreApplication::applicationDirPath() + QStringLiteral("/doc"));
    if (installed.exists(QStringLiteral("user-manual.md"))) return installed.path();
    return QString::fromUtf8(TORVE_DOCS_DIR);
}

void HelpWindow::showManual(const QString& file, const QString& anchor) {
    QFile f(file);
    if (!f.open(QIODevice::ReadOnly)) return;  // a missing manual is not reported
    file_ = QFileInfo(file).absoluteFilePath();
    // Pictures are found beside the manual.
    browser_->setSearchPaths({QFileInfo(file_).absolutePath()});
    browser_->document()->setBaseUrl(QUrl::fromLocalFile(file_));
    browser_->setMarkdown(QString::fromUtf8(f.readAll()));
    // The window's caption is the manual's first heading.
    const QTextBlock first = browser_->document()->firstBlock();
    setWindowTitle(first.text().isEmpty() ? QFileInfo(file_).fileName() : first.text());
    if (anchor.isEmpty() || !scrollToAnchor(anchor)) browser_->verticalScrollBar()->setValue(0);
}

QString HelpWindow::anchorOf(const QString& heading) {
    QString anchor;
    for (const QChar c : heading.trimmed().toLower()) {
        if (c.isLetterOrNumber() || c == QLatin1Char('-') || c == QLatin1Char('_'))
            anchor += c;
        else if (c == QLatin1Char(' '))
            anchor += QLatin1Char('-');
    }
    return anchor;
}

bool HelpWindow::scrollToAnchor(const QString& anchor) {
    QTextDocument* doc = browser_->document();
    for (QTextBlock b = doc->begin(); b.isValid(); b = b.next()) {
        if (b.blockFormat().headingLevel() == 0 || anchorOf(b.text()) != anchor) continue;
        const QRectF where = doc->documentLayout()->blockBoundingRect(b);
        browser_->verticalScrollBar()->setValue(static_cast<int>(where.top()));
        return true;
    }
    return false;
}

void HelpWindow::followLink(const QUrl& url) {
    const QUrl target = QUrl::fromLocalFile(file_).resolved(url);
    if (!target.isLocalFile()) {
        QDesktopServices::openUrl(url);
        return;
    }
    const QString path = target.toLocalFile();
    if (path == file_) {
        scrollToAnchor(url.fragment());
    } else if (path.endsWith(QLatin1String(".md"))) {
        showManual(path, url.fragment());
    } else {
        QDesktopServices::openUrl(target);
    }
}

}  // namespace torve::app
