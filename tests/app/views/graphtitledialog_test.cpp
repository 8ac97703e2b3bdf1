// The graph window's title dialog: the caption and whether it stands on top.
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include "app/views/graphtitledialog.h"
#include "tests/app/support/widgetfinder.h"

using namespace torve::app;
using namespace Qt::StringLiterals;

class GraphTitleDialogTest : public QObject {
    Q_OBJECT

  private slots:
    void graphTitle();
};

void GraphTitleDialogTest::graphTitle() {
    GraphTitleDialog dialog(u"Pile 7"_s, false);
    auto* edit = test::findByAccessibleName<QLineEdit>(&dialog, u"Enter Graph Caption"_s);
    QCOMPARE(edit->text(), u"Pile 7"_s);
    QVERIFY(test::findByAccessibleName<QRadioButton>(&dialog, u"Bottom"_s)->isChecked());
    edit->setText(u"Pile 8"_s);
    test::findByAccessibleName<QRadioButton>(&dialog, u"Top"_s)->click();
    QCOMPARE(dialog.title(), u"Pile 8"_s);
    QVERIFY(dialog.onTop());
    QVERIFY(test::findByAccessibleName<QPushButton>(&dialog, u"OK"_s)->isDefault());
}

QTEST_MAIN(GraphTitleDialogTest)
#include "graphtitledialog_test.moc"
