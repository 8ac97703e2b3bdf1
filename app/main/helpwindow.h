// The manuals, shown inside the program with working links.
#pragma once

#include <QUrl>
#include <QWidget>

class QTextBrowser;

namespace torve::app {

// Shows a Markdown manual. Links to a heading ("#project-title") scroll there, links to another
// manual open it here, and links to the web or to an e-mail address go to the desktop's programs.
class HelpWindow : public QWidget {
    Q_OBJECT

  public:
    explicit HelpWindow(QWidget* parent = nullptr);

    // The folder of the manuals, found from the running program's folder (manualsFolderBeside).
    static QString manualsFolder();
    // The folder of the manuals for a program in `programFolder`: "doc" beside it when run from its
    // build, "../../share/doc/torve" when installed in <prefix>/lib/torve. When neither holds the
    // manuals, the first, so that opening one reports it missing.
    static QString manualsFolderBeside(const QString& programFolder);

    // Shows `file` (a Markdown file) at the heading whose anchor is `anchor`, or at its top; a file
    // that cannot be read is named in the window as missing.
    void showManual(const QString& file, const QString& anchor = {});
    // The anchor a link takes to a heading: lower case, blanks as hyphens, other punctuation gone.
    static QString anchorOf(const QString& heading);
    // Scrolls to the heading of the shown manual whose anchor is `anchor`; false when there is none.
    bool scrollToAnchor(const QString& anchor);

    QTextBrowser* browser() const { return browser_; }

  private:
    void followLink(const QUrl& url);

    QTextBrowser* browser_;
    QString file_;
};

}  // namespace torve::app
