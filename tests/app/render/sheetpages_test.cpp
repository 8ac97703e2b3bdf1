// The page layout of a calculation sheet, on pages 100 high with gaps of 2, worked out by hand.
#include <QTest>

#include "app/render/sheetpages.h"

Q_DECLARE_METATYPE(std::vector<torve::app::SheetBlock>)

using namespace torve::app;

namespace {

using Kind = SheetBlock::Kind;

SheetBlock heading(double h) {
    return {Kind::Heading, h, {}};
}
SheetBlock table(double head, std::vector<double> rows) {
    return {Kind::Table, head, std::move(rows)};
}
SheetBlock figure(double h) {
    return {Kind::Figure, h, {}};
}

// Each page as "block:first-end@top" parts, "c" marking a continued table, pages parted by "|".
QString describe(const std::vector<SheetPage>& pages) {
    QStringList out;
    for (const SheetPage& page : pages) {
        QStringList parts;
        for (const PlacedBlock& p : page)
            parts << QStringLiteral("%1:%2-%3@%4%5")
                         .arg(p.block)
                         .arg(p.firstRow)
                         .arg(p.endRow)
                         .arg(p.top)
                         .arg(p.continued ? QStringLiteral("c") : QString());
        out << parts.join(u' ');
    }
    return out.join(QStringLiteral(" | "));
}

}  // namespace

class SheetPagesTest : public QObject {
    Q_OBJECT

  private slots:
    void layout_data() {
        QTest::addColumn<std::vector<SheetBlock>>("blocks");
        QTest::addColumn<QString>("pages");
        // 10 + 2 + (10 + 3 x 20) = 82: one page, the table 2 below the heading.
        QTest::newRow("all on one page")
            << std::vector{heading(10), table(10, {20, 20, 20})} << QStringLiteral("0:0-0@0 1:0-3@12");
        // Head 10 + rows of 20: 10 + 4 x 20 = 90 fits, a fifth row (110) does not; the rest goes on
        // under the head again.
        QTest::newRow("a long table repeats its head")
            << std::vector{table(10, {20, 20, 20, 20, 20, 20})} << QStringLiteral("0:0-4@0 | 0:4-6@0c");
        // A figure of 60 after 50: 50 + 2 + 60 = 112 > 100, so it starts the next page, whole.
        QTest::newRow("a figure is never cut")
            << std::vector{figure(50), figure(60)} << QStringLiteral("0:0-0@0 | 1:0-0@0");
        // 80 used: the heading (10) would fit (92), but not with the table's head and first row
        // (92 + 2 + 15 = 109): both go to the next page.
        QTest::newRow("a heading stays with what follows")
            << std::vector{figure(80), heading(10), table(5, {10, 10})}
            << QStringLiteral("0:0-0@0 | 1:0-0@0 2:0-2@12");
        // 85 used: a table's head (10) fits (97), its first row (10) does not: no head alone at the foot.
        QTest::newRow("no head without a row")
            << std::vector{figure(85), table(10, {10})} << QStringLiteral("0:0-0@0 | 1:0-1@0");
        // Taller than a page: a page of its own, and the layout goes on after it.
        QTest::newRow("a block taller than a page") << std::vector{figure(20), figure(150), figure(20)}
                                                    << QStringLiteral("0:0-0@0 | 1:0-0@0 | 2:0-0@0");
        // A row taller than a page under its head still gets a page.
        QTest::newRow("a row taller than a page")
            << std::vector{table(10, {120, 10})} << QStringLiteral("0:0-1@0 | 0:1-2@0c");
        // A table without rows (its caption and head only) is placed like a figure.
        QTest::newRow("an empty table") << std::vector{table(10, {})} << QStringLiteral("0:0-0@0");
    }
    void layout() {
        QFETCH(std::vector<SheetBlock>, blocks);
        QFETCH(QString, pages);
        QCOMPARE(describe(layOutSheet(blocks, 100, 2)), pages);
    }
};

QTEST_APPLESS_MAIN(SheetPagesTest)
#include "sheetpages_test.moc"
