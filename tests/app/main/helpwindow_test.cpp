// Where the help window looks for the manuals, and what it shows when one is missing.
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBrowser>

#include "app/main/helpwindow.h"

using namespace Qt::StringLiterals;
using torve::app::HelpWindow;

class HelpWindowTest : public QObject {
    Q_OBJECT

  private slots:
    void manualsFolder_data();
    void manualsFolder();
    void missingManualIsNamed();
};

namespace {

void touch(const QString& path) {
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write("# Manual\n");
}

}  // namespace

// Each row lays out a tree (files relative to a scratch folder), names the program's folder in it,
// and expects the manuals' folder the window reads from.
void HelpWindowTest::manualsFolder_data() {
    QTest::addColumn<QStringList>("files");
    QTest::addColumn<QString>("program");
    QTest::addColumn<QString>("expected");
    QTest::newRow("build folder") << QStringList{u"build/bin/doc/user-manual.md"_s} << u"build/bin"_s
                                  << u"build/bin/doc"_s;
    QTest::newRow("installed") << QStringList{u"usr/share/doc/torve/user-manual.md"_s} << u"usr/lib/torve"_s
                               << u"usr/share/doc/torve"_s;
    // The build's copy wins, so that a program run from its build never shows an installed manual.
    QTest::newRow("both") << QStringList{u"usr/lib/torve/doc/user-manual.md"_s,
                                         u"usr/share/doc/torve/user-manual.md"_s}
                          << u"usr/lib/torve"_s << u"usr/lib/torve/doc"_s;
    // Nothing found: the first place, so that the window names a file that is really missing.
    QTest::newRow("neither") << QStringList{u"usr/share/doc/other/user-manual.md"_s} << u"usr/lib/torve"_s
                             << u"usr/lib/torve/doc"_s;
}

void HelpWindowTest::manualsFolder() {
    QFETCH(QStringList, files);
    QFETCH(QString, program);
    QFETCH(QString, expected);
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    for (const QString& f : files) touch(dir.filePath(f));
    QDir().mkpath(dir.filePath(program));
    QCOMPARE(HelpWindow::manualsFolderBeside(dir.filePath(program)), QDir::cleanPath(dir.filePath(expected)));
}

void HelpWindowTest::missingManualIsNamed() {
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString missing = dir.filePath(u"user-manual.md"_s);
    HelpWindow help;
    help.showManual(missing);
    const QString shown = help.browser()->toPlainText();
    QVERIFY2(shown.contains(u"was not found"_s) && shown.contains(QDir::toNativeSeparators(missing)),
             qPrintable(shown));
    QCOMPARE(help.windowTitle(), u"user-manual.md"_s);
}

QTEST_MAIN(HelpWindowTest)
#include "helpwindow_test.moc"
