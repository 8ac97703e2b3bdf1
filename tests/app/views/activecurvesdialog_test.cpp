// The graph window's dialog of active curves: curves activated and deactivated by selection, all at
// once and by a double click.
#include <QListWidget>
#include <QPushButton>
#include <QTest>

#include "app/views/activecurvesdialog.h"
#include "tests/app/support/widgetfinder.h"

using namespace torve::app;
using namespace Qt::StringLiterals;

class ActiveCurvesDialogTest : public QObject {
    Q_OBJECT

  private slots:
    void activeCurves();
};

void ActiveCurvesDialogTest::activeCurves() {
    ActiveCurvesDialog dialog({u"FHWA"_s, u"API"_s}, {u" yes : "_s, u" no  : "_s});
    auto* list = test::findByAccessibleName<QListWidget>(&dialog, u"Select Curve to Active/Desactive"_s);
    QVERIFY(list);
    QCOMPARE(list->item(0)->text(), u" yes :    FHWA"_s);
    QCOMPARE(list->item(1)->text(), u" no  :    API"_s);
    list->item(1)->setSelected(true);
    test::findByAccessibleName<QPushButton>(&dialog, u"Activate/Desactivate Selected"_s)->click();
    QCOMPARE(dialog.codes(), QStringList({u" yes : "_s, u" yes : "_s}));
    test::findByAccessibleName<QPushButton>(&dialog, u"Desactivate All"_s)->click();
    QCOMPARE(dialog.codes(), QStringList({u" no  : "_s, u" no  : "_s}));
    emit list->itemDoubleClicked(list->item(0));
    QCOMPARE(dialog.codes()[0], u" yes : "_s);
}

QTEST_MAIN(ActiveCurvesDialogTest)
#include "activecurvesdialog_test.moc"
