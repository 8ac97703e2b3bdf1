// The graph window's dialog of a saved picture's size and resolution: the bounds of each field and
// their messages.
#include <QTest>

#include "app/views/saveattributesdialog.h"
#include "app/widgets/numberfield.h"
#include "tests/app/support/widgetfinder.h"

using namespace torve::app;
using namespace Qt::StringLiterals;

class SaveAttributesDialogTest : public QObject {
    Q_OBJECT

  private slots:
    void saveAttributes_data();
    void saveAttributes();
};

void SaveAttributesDialogTest::saveAttributes_data() {
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

void SaveAttributesDialogTest::saveAttributes() {
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

QTEST_MAIN(SaveAttributesDialogTest)
#include "saveattributesdialog_test.moc"
