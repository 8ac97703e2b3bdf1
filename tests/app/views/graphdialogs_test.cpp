// The four dialogs of the graph window, driven through their captions.
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include "app/views/activecurvesdialog.h"
#include "app/views/graphtitledialog.h"
#include "app/views/linenamesdialog.h"
#include "app/views/saveattributesdialog.h"
#include "app/widgets/numberfield.h"
#include "tests/app/support/widgetfinder.h"

using namespace torve::app;
using namespace Qt::StringLiterals;

class GraphDialogsTest : public QObject {
    Q_OBJECT

  private slots:
    void lineNames();
    void activeCurves();
    void graphTitle();
    void saveAttributes_data();
    void saveAttributes();
};

void GraphDialogsTest::lineNames() {
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

void GraphDialogsTest::activeCurves() {
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

void GraphDialogsTest::graphTitle() {
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

void GraphDialogsTest::saveAttributes_data() {
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("message");
    QTest::newRow("height below 2") << u"Height (in)"_s << u"1"_s
                                    << u"Entry must be greater than or equal to 2"_s;
    QTest::newRow("width by expression") << u"Width (in)"_s << u"2*4.5"_s << QString();
    QTest::newRow("fractional resolution")
        << u"Pixels Per Inch"_s << u"72.5"_s << u"Entry must be an integer."_s;
    QTest::newRow("resolution below 10")
        << u"Pixels Per Inch"_s << u"9"_s << u"Entry must be greater than or equal to 10"_s;
    // 2^31 pixels per inch gave an empty SVG reported as saved.
    QTest::newRow("resolution beyond what can be drawn")
        << u"Pixels Per Inch"_s << u"2147483648"_s << u"Entry must be less than or equal to 1200"_s;
    QTest::newRow("resolution at its largest") << u"Pixels Per Inch"_s << u"1200"_s << QString();
    QTest::newRow("width beyond 1000 in")
        << u"Width (in)"_s << u"1001"_s << u"Entry must be less than or equal to 1000"_s;
}

void GraphDialogsTest::saveAttributes() {
    QFETCH(QString, field);
    QFETCH(QString, typed);
    QFETCH(QString, message);
    test::RecordedMessages messages;
    SaveAttributesDialog dialog(4, 6, 72);
    QCOMPARE(dialog.heightInches(), 4.0);
    QCOMPARE(dialog.widthInches(), 6.0);
    QCOMPARE(dialog.pixelsPerInch(), 72);
    auto* f = test::findByAccessibleName<NumberField>(&dialog, field);
    QVERIFY(f);
    f->setText(typed);
    dialog.accept();
    QCOMPARE(dialog.result(), message.isEmpty() ? int(QDialog::Accepted) : int(QDialog::Rejected));
    QCOMPARE(messages.shown, message.isEmpty() ? QStringList() : QStringList{message});
    if (message.isEmpty() && field == u"Width (in)"_s) QCOMPARE(dialog.widthInches(), 9.0);
}

QTEST_MAIN(GraphDialogsTest)
#include "graphdialogs_test.moc"
