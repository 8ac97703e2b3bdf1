// The graph window's dialog of curve names: a name picked and shown in its curve's colour, an empty
// name refused.
#include <QLineEdit>
#include <QListWidget>
#include <QTest>

#include "app/views/linenamesdialog.h"
#include "tests/app/support/widgetfinder.h"

using namespace torve::app;
using namespace Qt::StringLiterals;

class LineNamesDialogTest : public QObject {
    Q_OBJECT

  private slots:
    void lineNames();
};

void LineNamesDialogTest::lineNames() {
    test::RecordedMessages messages;
    LineNamesDialog dialog({u"FHWA"_s, u"USACE"_s, u"API"_s});
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    auto* list = test::findByAccessibleName<QListWidget>(&dialog, u"Select line to modify:"_s);
    auto* edit = test::findByAccessibleName<QLineEdit>(&dialog, u"Type new legend below:"_s);
    QVERIFY(list && edit);
    QCOMPARE(edit->text(), u"FHWA"_s);  // the first name, picked on opening
    list->setCurrentRow(2);
    QCOMPARE(edit->text(), u"API"_s);
    QCOMPARE(edit->palette().color(QPalette::Text), QColor(Qt::red));  // the third curve's colour
    edit->setFocus();
    edit->clear();
    QTest::keyClick(edit, Qt::Key_Return);
    QCOMPARE(messages.shown, QStringList{u"The line must have a name!"_s});
    QCOMPARE(edit->text(), u"API"_s);
    edit->setText(u"API RP 2A"_s);
    QTest::keyClick(edit, Qt::Key_Return);
    QCOMPARE(dialog.names(), QStringList({u"FHWA"_s, u"USACE"_s, u"API RP 2A"_s}));
}

QTEST_MAIN(LineNamesDialogTest)
#include "linenamesdialog_test.moc"
