// The graph arithmetic without widgets: opening ranges, tick steps, zoom limits, layout, colours.
#include <QTest>

#include "app/graph/graph.h"
#include "app/render/graphlayout.h"
#include "app/render/graphlegend.h"
#include "app/render/graphscale.h"
#include "app/render/graphstyle.h"

using namespace torve::app;
using namespace Qt::StringLiterals;

class GraphScaleTest : public QObject {
    Q_OBJECT

  private slots:
    void openingRange_data();
    void openingRange();
    void majorStep_data();
    void majorStep();
    void ticksOfARange();
    void commonExponentOfLabels_data();
    void commonExponentOfLabels();
    void labelsFitWithoutTouching_data();
    void labelsFitWithoutTouching();
    void zoom_data();
    void zoom();
    void layoutAndMapping();
    void coloursAndTheTwentyCurveRule();
};

void GraphScaleTest::openingRange_data() {
    QTest::addColumn<double>("min");
    QTest::addColumn<double>("max");
    QTest::addColumn<double>("from");
    QTest::addColumn<double>("to");
    // Width 350: log10 = 2.54, leading digits 3.5 not below 3, step 100, so 350 goes out to 400.
    QTest::newRow("0 to 350") << 0.0 << 350.0 << 0.0 << 400.0;
    // Width 250: leading digits 2.5 below 3, step 10, and 250 is already a whole step.
    QTest::newRow("0 to 250") << 0.0 << 250.0 << 0.0 << 250.0;
    // No width: widened to -0.01 .. 0.01, width 0.02, log10 = -1.70, step 0.01 / 10 = 0.001.
    QTest::newRow("all zero") << 0.0 << 0.0 << -0.01 << 0.01;
    // Width 120, step 10: -120 stays, the ends go outward from zero.
    QTest::newRow("negative") << -120.0 << 0.0 << -120.0 << 0.0;
    // Width 17 (leading 1.7), step 1: -4.2 goes down to -5, 12.3 up to 13.
    QTest::newRow("both signs") << -4.2 << 12.3 << -5.0 << 13.0;
    // Width 0.0456: log10 = -1.34, leading digits 4.56, step 0.01.
    QTest::newRow("small") << 0.0 << 0.0456 << 0.0 << 0.05;
}

void GraphScaleTest::openingRange() {
    QFETCH(double, min);
    QFETCH(double, max);
    QFETCH(double, from);
    QFETCH(double, to);
    const AxisRange r = roundedRange(min, max);
    QVERIFY2(qAbs(r.min - from) < 1e-12 && qAbs(r.max - to) < 1e-12,
             qPrintable(QStringLiteral("%1 .. %2").arg(r.min).arg(r.max)));
}

void GraphScaleTest::majorStep_data() {
    QTest::addColumn<double>("width");
    QTest::addColumn<int>("labels");
    QTest::addColumn<double>("step");
    QTest::newRow("raw 80: 5 x 10") << 400.0 << 5 << 50.0;
    QTest::newRow("raw 0.25: 2 x 0.1") << 1.0 << 4 << 0.2;
    QTest::newRow("raw 10: 1 x 10") << 10.0 << 1 << 10.0;
    QTest::newRow("raw 90: 10 x 10") << 90.0 << 1 << 100.0;
    QTest::newRow("raw 1.5: 1") << 6.0 << 4 << 1.0;
    // The k = 4 boundary: raw 4 (leading digit 4, below 5) takes 2, raw 5 takes 5, raw 1.99 still 1.
    QTest::newRow("raw 4: 2 x 1") << 40.0 << 10 << 2.0;
    QTest::newRow("raw 4.9: 2 x 1") << 49.0 << 10 << 2.0;
    QTest::newRow("raw 5: 5 x 1") << 50.0 << 10 << 5.0;
    QTest::newRow("raw 8.9: 5 x 1") << 89.0 << 10 << 5.0;
    QTest::newRow("raw 1.99: 1 x 1") << 19.9 << 10 << 1.0;
}

void GraphScaleTest::majorStep() {
    QFETCH(double, width);
    QFETCH(int, labels);
    QFETCH(double, step);
    QCOMPARE(torve::app::majorStep(width, labels), step);
}

void GraphScaleTest::ticksOfARange() {
    // 0 to 400 with 5 labels: major step 50, ticks every 10, labels on 0, 50, ... 400.
    const AxisTicks t = axisTicks({0, 400}, 5);
    QCOMPARE(t.step, 10.0);
    QCOMPARE(t.first, 0LL);
    QCOMPARE(t.last, 40LL);
    QVERIFY(t.labelled(5) && !t.labelled(6));
    QCOMPARE(t.value(5), 50.0);
    // -0.3 to 0.3 with 1 label: major step 0.5, ticks of 0.1; -0.3 / 0.1 is -2.9999999999999996 in
    // binary, and still the tick of index -3.
    QCOMPARE(axisTicks({-0.3, 0.3}, 1).first, -3LL);
    // No room for a label: no ticks at all.
    const AxisTicks none = axisTicks({0, 400}, 0);
    QVERIFY(none.last < none.first);
}

void GraphScaleTest::commonExponentOfLabels_data() {
    QTest::addColumn<double>("first");
    QTest::addColumn<double>("last");
    QTest::addColumn<int>("exponent");
    QTest::addColumn<QString>("labelOfLast");
    QTest::addColumn<QString>("title");
    // 9000 still has four digits: no exponent, title as it is.
    QTest::newRow("up to 9000") << 0.0 << 9000.0 << 0 << u"9000"_s << u"Total Capacity (kN)"_s;
    // 15000 would read "1.5E4": every label in thousands, the unit says so.
    QTest::newRow("up to 15000") << 0.0 << 15000.0 << 3 << u"15"_s << u"Total Capacity (kN \u00d7 1000)"_s;
    // 250000: decade 5, multiple of 3 below it is 3, labels 250.
    QTest::newRow("up to 250000") << 0.0 << 250000.0 << 3 << u"250"_s << u"Total Capacity (kN \u00d7 1000)"_s;
    // 1.2E6: decade 6.
    QTest::newRow("up to 1.2E6") << -1.2e6 << 0.0 << 6 << u"0"_s << u"Total Capacity (kN \u00d7 10^6)"_s;
    // Negative values count by their magnitude.
    QTest::newRow("down to -20000") << -20000.0 << 5000.0 << 3 << u"5"_s
                                    << u"Total Capacity (kN \u00d7 1000)"_s;
    // 0.0005: decade -4 goes to -6, 500 millionths.
    QTest::newRow("up to 0.0005") << 0.0 << 0.0005 << -6 << u"500"_s << u"Total Capacity (kN \u00d7 10^-6)"_s;
    // 0.002 (decade -3) reads plainly.
    QTest::newRow("up to 0.002") << 0.0 << 0.002 << 0 << u"0.002"_s << u"Total Capacity (kN)"_s;
    // 9999.99999999 is 1E4 in four digits: taken as the next decade.
    QTest::newRow("a hair below 1E4")
        << 0.0 << 9999.99999999999 << 3 << u"10"_s << u"Total Capacity (kN \u00d7 1000)"_s;
}

void GraphScaleTest::commonExponentOfLabels() {
    QFETCH(double, first);
    QFETCH(double, last);
    QFETCH(int, exponent);
    QFETCH(QString, labelOfLast);
    QFETCH(QString, title);
    QCOMPARE(commonExponent(first, last), exponent);
    QCOMPARE(tickLabel(last, exponent), labelOfLast);
    QCOMPARE(scaledAxisTitle(u"Total Capacity (kN)"_s, exponent), title);
    // A title without unit gets the factor in brackets of its own.
    if (exponent == 3) QCOMPARE(scaledAxisTitle(u"Axial Load "_s, 3), u"Axial Load (\u00d7 1000)"_s);
}

void GraphScaleTest::labelsFitWithoutTouching_data() {
    QTest::addColumn<double>("max");
    QTest::addColumn<int>("labels");
    QTest::addColumn<double>("length");
    QTest::addColumn<double>("majorStep");
    QTest::addColumn<int>("exponent");
    // Every character 10 pixels wide, a gap of 8 between labels.
    // 0 to 400 over 600 px with 10 labels: step 50 is 75 px apart, "400" 30 px wide: fits.
    QTest::newRow("room enough") << 400.0 << 10 << 600.0 << 50.0 << 0;
    // 0 to 400 over 200 px: step 50 (25 px) puts "50" at 15..35, too near "0" kept at 0..10.
    // Step 100 (50 px) would fit in the middle, but "400" moved inward to 170..200 comes within
    // 5 px of "300" at 135..165. Step 200 (2 labels and fewer): "0", "200" at 85..115, "400".
    QTest::newRow("crowded: fewer labels") << 400.0 << 10 << 200.0 << 200.0 << 0;
    // 0 to 15000 over 300 px, 10 labels: raw 1500, step 1000 (20 px), labels "0" .. "15" in
    // thousands: "10" + gap = 28 > 20; 7 labels give raw 2142, step 2000 (40 px): fits.
    QTest::newRow("thousands") << 15000.0 << 10 << 300.0 << 2000.0 << 3;
    // When nothing fits, the fewest labels asked for: one, raw 400, step 200.
    QTest::newRow("nothing fits") << 400.0 << 1 << 20.0 << 200.0 << 0;
}

void GraphScaleTest::labelsFitWithoutTouching() {
    QFETCH(double, max);
    QFETCH(int, labels);
    QFETCH(double, length);
    QFETCH(double, majorStep);
    QFETCH(int, exponent);
    const auto width = [](const QString& text) { return 10.0 * text.size(); };
    const AxisLabelling l = fittingLabels({0, max}, labels, length, 8, width);
    QVERIFY2(qAbs(l.ticks.step * 5 - majorStep) < 1e-9, qPrintable(QString::number(l.ticks.step * 5)));
    QCOMPARE(l.exponent, exponent);
}

void GraphScaleTest::zoom_data() {
    QTest::addColumn<bool>("out");
    QTest::addColumn<double>("min");
    QTest::addColumn<double>("max");
    QTest::addColumn<double>("centre");
    QTest::addColumn<double>("from");
    QTest::addColumn<double>("to");
    // The opening range is 0 to 400 throughout; a twentieth of it is 20.
    QTest::newRow("wide selection kept") << false << 100.0 << 300.0 << 0.0 << 100.0 << 300.0;
    QTest::newRow("tiny selection: 20 around its centre") << false << 100.0 << 101.0 << 0.0 << 90.5 << 110.5;
    QTest::newRow("at the start: shifted inside") << false << 0.0 << 2.0 << 0.0 << 0.0 << 20.0;
    QTest::newRow("at the end: shifted inside") << false << 399.0 << 400.0 << 0.0 << 380.0 << 400.0;
    QTest::newRow("out: twice as wide") << true << 100.0 << 200.0 << 150.0 << 50.0 << 250.0;
    QTest::newRow("out near the start") << true << 100.0 << 200.0 << 10.0 << 0.0 << 200.0;
    QTest::newRow("out: no wider than the full range") << true << 0.0 << 300.0 << 200.0 << 0.0 << 400.0;
}

void GraphScaleTest::zoom() {
    QFETCH(bool, out);
    QFETCH(double, min);
    QFETCH(double, max);
    QFETCH(double, centre);
    QFETCH(double, from);
    QFETCH(double, to);
    const AxisRange full{0, 400};
    const AxisRange r = out ? zoomOut({min, max}, full, centre) : zoomIn({min, max}, full);
    QCOMPARE(r.min, from);
    QCOMPARE(r.max, to);
}

void GraphScaleTest::layoutAndMapping() {
    Graph g;
    g.setLineCount(1);
    g.line(0).points = {{0, 0}, {100, 50}};
    // h = 16 at 96 pixels per inch on 600 x 400: left 2h + 96/8 + h/8 = 46, right 600 - 24 - 8 = 568;
    // with the x axis on top the same 46 above, and 400 - 24 - 8 = 368 below.
    const GraphRanges ranges = graphRanges(g);
    GraphLayout l(QRect(0, 0, 600, 400), 16, {96, 96}, g, ranges);
    QCOMPARE(l.plotArea(), QRect(QPoint(46, 46), QPoint(568, 368)));
    QCOMPARE(l.toPixel({0, 0}), QPoint(46, 46));  // depth grows downward from the top
    QCOMPARE(l.toPixel({100, 50}), QPoint(568, 368));
    QCOMPARE(l.toValue(QPoint(307, 207)), QPointF(50, 25));
    QCOMPARE(l.toValue(QPoint(20, 207)), QPointF(0, 0));  // left of the area
    g.xOnTop = false;
    g.title = QStringLiteral("Title");
    g.showLayers = true;
    l = GraphLayout(QRect(0, 0, 600, 400), 16, {96, 96}, g, ranges);
    // x axis below: top h/2 + 24 = 32, bottom 400 - 46 - a title line of 16; the strip takes an inch.
    QCOMPARE(l.plotArea(), QRect(QPoint(46, 32), QPoint(472, 338)));
    QCOMPARE(l.layerStrip(), QRect(QPoint(491, 32), QPoint(568, 338)));
    QCOMPARE(l.toPixel({0, 0}), QPoint(46, 338));  // y grows upward from the bottom
    QVERIFY(GraphLayout(QRect(0, 0, 90, 400), 16, {96, 96}, g, ranges).tooSmall());
}

void GraphScaleTest::coloursAndTheTwentyCurveRule() {
    QCOMPARE(curveColour(0), QColor(Qt::black));
    QCOMPARE(curveColour(3), QColor(0, 128, 0));  // dark green
    QCOMPARE(curveColour(16), QColor(0, 255, 255));
    QCOMPARE(curveColour(17), QColor(Qt::black));  // over again after 17
    Graph g;
    g.setLineCount(25);
    activateCurvesAtOpening(g);
    std::vector<LegendEntry> entries = legendEntries(g);
    QCOMPARE(entries.size(), std::size_t(20));
    QCOMPARE(entries.back().line, 19);
    // An inactive curve gives up its colour; a hidden one keeps it, and the " *" goes.
    g.line(0).active = false;
    g.line(1).shown = false;
    entries = legendEntries(g);
    QCOMPARE(entries[0].line, 1);
    QCOMPARE(entries[0].colour, QColor(Qt::black));
    QCOMPARE(entries[0].text(), QStringLiteral("Curve #2"));
    QCOMPARE(entries[1].text(), QStringLiteral("Curve #3 *"));
    QCOMPARE(entries[1].colour, QColor(Qt::blue));
}

QTEST_GUILESS_MAIN(GraphScaleTest)
#include "graphscale_test.moc"
