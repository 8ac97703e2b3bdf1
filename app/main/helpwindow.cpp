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

#include "app/main/texts.h"

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
    return manualsFolderBeside(QCoreApplication::applicationDirPath());
}

QString HelpWindow::manualsFolderBeside(const QString& programFolder) {
    // The build keeps the manuals in "doc" beside the program; an installation keeps the program in
    // <prefix>/lib/torve and the manuals in <prefix>/share/doc/torve.
    const QDir program(programFolder);
    const QString candidates[] = {program.filePath(QStringLiteral("doc")),
                                  program.filePath(QStringLiteral("../../share/doc/torve"))};
    for (const QString& folder : candidates) {
        if (QFileInfo::exists(folder + QStringLiteral("/user-manual.md"))) return QDir::cleanPath(folder);
    }
    return QDir::cleanPath(candidates[0]);
}

void HelpWindow::showManual(const QString& file, const QString& anchor) {
    QFile f(file);
    if (!f.open(QIODevice::ReadOnly)) {
        // An installation without its manuals says so rather than showing an empty window.
        file_.clear();
        browser_->setPlainText(QString(texts::kManualMissing).arg(QDir::toNativeSeparators(file)));
        setWindowTitle(QFileInfo(file).fileName());
        return;
    }
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
