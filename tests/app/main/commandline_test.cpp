// The desktop program's command line: the usage and the version answered without a window, a
// project named, options it does not know refused rather than opened as projects.
#include <QTest>

#include "app/main/commandline.h"

using namespace torve::app;
using namespace Qt::StringLiterals;
using Action = CommandLine::Action;

Q_DECLARE_METATYPE(CommandLine::Action)

class CommandLineTest : public QObject {
    Q_OBJECT

  private slots:
    void parse_data();
    void parse();
    void usageNamesEveryOption();
};

void CommandLineTest::parse_data() {
    QTest::addColumn<QStringList>("arguments");  // after the program's own name
    QTest::addColumn<Action>("action");
    QTest::addColumn<QString>("project");
    QTest::addColumn<QString>("message");  // its beginning
    QTest::newRow("nothing") << QStringList{} << Action::Open << QString() << QString();
    QTest::newRow("project") << QStringList{u"pile.tv6d"_s} << Action::Open << u"pile.tv6d"_s << QString();
    QTest::newRow("--help") << QStringList{u"--help"_s} << Action::Usage << QString() << u"Usage: torve6 "_s;
    QTest::newRow("-h") << QStringList{u"-h"_s} << Action::Usage << QString() << u"Usage: torve6 "_s;
    // Asked for after a project too: the usage, not the project.
    QTest::newRow("project --help") << QStringList{u"pile"_s, u"--help"_s} << Action::Usage << QString()
                                    << u"Usage: torve6 "_s;
    QTest::newRow("--version") << QStringList{u"--version"_s} << Action::Version << QString()
                               << u"torve6 " TORVE_VERSION "\n"_s;
    QTest::newRow("unknown option") << QStringList{u"--hlep"_s} << Action::Refused << QString()
                                    << u"torve6: unknown option --hlep\n"_s;
    // After "--" a name that looks like an option is a project.
    QTest::newRow("-- then a dashed name")
        << QStringList{u"--"_s, u"--help"_s} << Action::Open << u"--help"_s << QString();
    QTest::newRow("a lone dash is a name") << QStringList{u"-"_s} << Action::Open << u"-"_s << QString();
    QTest::newRow("two projects") << QStringList{u"a.tv6d"_s, u"b.tv6d"_s} << Action::Refused << QString()
                                  << u"torve6: one project at a time; 2 named\n"_s;
}

void CommandLineTest::parse() {
    QFETCH(QStringList, arguments);
    QFETCH(Action, action);
    QFETCH(QString, project);
    QFETCH(QString, message);
    const CommandLine line = parseCommandLine(QStringList{u"/usr/lib/torve/torve6"_s} + arguments);
    QCOMPARE(line.action, action);
    QCOMPARE(line.project, project);
    QVERIFY2(line.message.startsWith(message), qPrintable(line.message));
}

void CommandLineTest::usageNamesEveryOption() {
    const QString usage = usageText(u"torve6"_s);
    for (const QString& option : {u"-h, --help"_s, u"--version"_s, u"--  "_s, u"[PROJECT]"_s})
        QVERIFY2(usage.contains(option), qPrintable(option));
    QVERIFY(usage.endsWith(u'\n'));
}

QTEST_MAIN(CommandLineTest)
#include "commandline_test.moc"
