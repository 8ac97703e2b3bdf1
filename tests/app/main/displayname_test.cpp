// The name of a project as the windows show it, and the main window's caption.
#include <QTest>

#include "app/main/displayname.h"
#include "app/project/texts.h"

using namespace torve::app;
using namespace Qt::StringLiterals;

class DisplayNameTest : public QObject {
    Q_OBJECT

  private slots:
    void displayNames_data();
    void displayNames();
};

void DisplayNameTest::displayNames_data() {
    QTest::addColumn<QString>("path");
    QTest::addColumn<QString>("name");
    QTest::newRow("project keeps its extension") << u"/work/pile.tv6d"_s << u"Pile.tv6d"_s;
    QTest::newRow("default extension goes, any case") << u"/work/pile.TV6"_s << u"Pile"_s;
    QTest::newRow("old project") << u"/work/old.tvd"_s << u"Old.tvd"_s;
    QTest::newRow("one character stays small") << u"/work/a.tv6"_s << u"a"_s;
    QTest::newRow("new project") << QString(texts::kNewFileName) << QString(texts::kNewFileName);
}

void DisplayNameTest::displayNames() {
    QFETCH(QString, path);
    QFETCH(QString, name);
    QCOMPARE(displayName(path), name);
    QCOMPARE(windowCaption(path), u"TORVE 2014.6.3 - Offshore - "_s + name);
}

QTEST_MAIN(DisplayNameTest)
#include "displayname_test.moc"
