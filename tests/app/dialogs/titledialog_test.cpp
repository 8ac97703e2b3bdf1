// The project title dialog: the three texts take no control character, which the input data file
// would hold as a blank, and take every other character; what is typed reaches the project.
#include <QLineEdit>
#include <QTest>
#include <QValidator>

#include "tests/app/dialogs/dialogdriver.h"

using namespace torve;
using namespace torve::app;
using namespace torve::app::test;
using namespace Qt::StringLiterals;

namespace {

const QString kFields[] = {u"Enter line of text for project description:"_s, u"Name of the Designer :"_s,
                           u"Job Number :"_s};

}  // namespace

class TitleDialogTest : public QObject {
    Q_OBJECT

  private slots:
    void controlCharactersAreRefused_data();
    void controlCharactersAreRefused();
    void typedTextsReachTheProject();

  private:
    RecordedMessages messages_;
};

void TitleDialogTest::controlCharactersAreRefused_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("taken");
    QTest::newRow("plain") << u"Pier 7, south abutment"_s << true;
    QTest::newRow("accents and symbols") << u"\u00e9t\u00e9 \u00b12 \u2013 \u20ac"_s << true;
    QTest::newRow("no-break space") << u"a\u00a0b"_s << true;
    QTest::newRow("tab") << u"a\tb"_s << false;
    QTest::newRow("carriage return") << u"\r"_s << false;
    QTest::newRow("line feed") << u"two\nlines"_s << false;
    QTest::newRow("delete") << u"a\u007f"_s << false;
    QTest::newRow("C1 next line") << u"a\u0085b"_s << false;
}

void TitleDialogTest::controlCharactersAreRefused() {
    QFETCH(QString, text);
    QFETCH(bool, taken);
    RecordingHost host;
    auto dialog = openDialog(host, DialogId::Title);
    for (const QString& name : kFields) {
        QLineEdit& field = need<QLineEdit>(dialog.get(), name);
        QVERIFY2(field.validator(), qPrintable(name));
        int at = 0;
        QString copy = text;
        const bool acceptable = field.validator()->validate(copy, at) == QValidator::Acceptable;
        QVERIFY2(acceptable == taken, qPrintable(name));
    }
}

void TitleDialogTest::typedTextsReachTheProject() {
    RecordingHost host;
    auto dialog = openDialog(host, DialogId::Title);
    QLineEdit& designer = need<QLineEdit>(dialog.get(), kFields[1]);
    designer.clear();
    designer.insert(u"J. M\u00fcller"_s);  // as typed or pasted
    designer.insert(u"\tx"_s);             // a paste holding a tab is not taken
    QCOMPARE(designer.text(), u"J. M\u00fcller"_s);
    QVERIFY(dialog->close());
    QCOMPARE(host.project().data().designer, u"J. M\u00fcller"_s);
}

QTEST_MAIN(TitleDialogTest)
#include "titledialog_test.moc"
