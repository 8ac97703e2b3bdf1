// The graph painter's picture of known graphs, checked at a few pixels, and the saved files.
#include <sys/resource.h>
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QRegularExpression>
#include <QSvgRenderer>
#include <QTemporaryDir>
#include <QTest>
#include <csignal>

#include "app/graph/graph.h"
#include "app/project/downdragresults.h"
#include "app/project/results.h"
#include "app/render/graphexport.h"
#include "app/render/graphpainter.h"
#include "app/render/layerpatterns.h"
#include "app/render/soilprofile.h"
#include "app/render/soilprofilepainter.h"

using namespace torve::app;

namespace {

constexpr QRgb kWhite = 0xffffffff;

// Three straight curves across a depth graph, no markers: black, blue, red by their places.
Graph threeCurves() {
    Graph g;
    g.setLineCount(3);
    g.markers = 0;
    g.line(0).points = {{0, 0}, {100, 100}};
    g.line(1).points = {{0, 50}, {100, 50}};
    g.line(2).points = {{50, 0}, {50, 100}};
    return g;
}

QImage paint(const Graph& g, QSize size = {600, 400}) {
    QImage image(size, QImage::Format_RGB32);
    image.fill(Qt::gray);
    QPainter painter(&image);
    GraphPainter(g, graphRanges(g)).paint(painter, image.rect(), {96, 96});
    return image;
}

}  // namespace

class GraphPainterTest : public QObject {
    Q_OBJECT

  private slots:
    void curvesWhereTheyMustPass();
    void downdragNeutralPlaneAtItsDepth();
    void hidingACurveKeepsTheOtherColours();
    void layerStrip();
    void legendKeepsOffTheEdgesAndTheStrip_data();
    void legendKeepsOffTheEdgesAndTheStrip();
    void markLabelsNeverOverlap();
    void savedPictureSizes();
    void zoomedCurvesStayInTheAreaOfAnSvgFile();
    void soilProfile();
    void markersKeepTheirSizeApart_data();
    void markersKeepTheirSizeApart();
    void largeValuesInOneNotation();
    void soilProfileDepthScale_data();
    void soilProfileDepthScale();
};

void GraphPainterTest::soilProfileDepthScale_data() {
    QTest::addColumn<double>("top");
    QTest::addColumn<double>("bottom");
    QTest::addColumn<int>("height");
    QTest::addColumn<QList<double>>("depths");
    // Lines of 16 px, labels at least 64 px apart. 500 px: 7 labels over 100 ft, raw 14.3, step 10.
    QTest::newRow("tall") << -5.0 << 95.0 << 500 << QList<double>{0, 10, 20, 30, 40, 50, 60, 70, 80, 90};
    // 200 px: 3 labels, raw 33.3, step 20 (leading digit 3 takes 2).
    QTest::newRow("short") << -5.0 << 95.0 << 200 << QList<double>{0, 20, 40, 60, 80};
    // 100 px: 1 label, raw 100, step 100: the ground surface alone.
    QTest::newRow("tiny") << -5.0 << 95.0 << 100 << QList<double>{0};
    // Metres: a window of 30 m over 400 px, 6 labels, raw 5, step 5; none above the ground.
    QTest::newRow("metres") << -1.5 << 28.5 << 400 << QList<double>{0, 5, 10, 15, 20, 25};
}

void GraphPainterTest::soilProfileDepthScale() {
    QFETCH(double, top);
    QFETCH(double, bottom);
    QFETCH(int, height);
    QFETCH(QList<double>, depths);
    WorldWindow world;
    world.yMin = top;
    world.yMax = bottom;
    const std::vector<double> got = SoilProfilePainter::scaleDepths(world, height, 16);
    QCOMPARE(QList<double>(got.begin(), got.end()), depths);
}

void GraphPainterTest::markersKeepTheirSizeApart_data() {
    QTest::addColumn<QList<double>>("xs");
    QTest::addColumn<int>("every");
    QTest::addColumn<QList<int>>("marked");
    // Points along a line at the given x pixels; spacing 6 px, area 0..100.
    // A 0.3 m increment at 2 px per increment: one marker per three points.
    QTest::newRow("2 px apart") << QList<double>{0, 2, 4, 6, 8, 10, 12} << 1 << QList<int>{0, 3, 6};
    // Far enough apart: every point.
    QTest::newRow("10 px apart") << QList<double>{0, 10, 20} << 1 << QList<int>{0, 1, 2};
    // Every second point asked for: 0, 2 (4 px, too near), 4 (8 px from 0).
    QTest::newRow("every 2nd, 2 px") << QList<double>{0, 2, 4, 6, 8} << 2 << QList<int>{0, 4};
    // A point outside the area is not marked and does not count as the last marker.
    QTest::newRow("outside skipped") << QList<double>{-50, 1, 4, 8} << 1 << QList<int>{1, 3};
    // Markers off: none.
    QTest::newRow("never") << QList<double>{0, 10, 20} << 0 << QList<int>{};
}

void GraphPainterTest::markersKeepTheirSizeApart() {
    QFETCH(QList<double>, xs);
    QFETCH(int, every);
    QFETCH(QList<int>, marked);
    std::vector<QPointF> pixels;
    for (double x : xs) pixels.emplace_back(x, 50);
    const std::vector<std::size_t> got = markerIndices(pixels, every, 6, QRectF(0, 0, 100, 100));
    QList<int> indices;
    for (std::size_t k : got) indices << static_cast<int>(k);
    QCOMPARE(indices, marked);
}

void GraphPainterTest::largeValuesInOneNotation() {
    // Capacities up to 15000 on a narrow picture: the labels are thousands, the title says so, and
    // no label is written with an exponent.
    Graph g;
    g.xCaption = QStringLiteral("Total Capacity");
    g.yCaption = QStringLiteral("Depth");
    g.setLineCount(1);
    g.line(0).points = {{0, 0}, {9000, 50}, {15000, 100}};
    const GraphPainter painter(g, graphRanges(g));
    QTemporaryDir dir;
    const QString svg = dir.filePath(QStringLiteral("large.svg"));
    QCOMPARE(saveGraph(svg, GraphFileFormat::Svg, painter, {300, 300}, 96, {}), GraphSaveResult::Saved);
    QFile file(svg);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QString text = QString::fromUtf8(file.readAll());
    QVERIFY2(text.contains(QStringLiteral("Total Capacity (\u00d7 1000)")) ||
                 text.contains(QStringLiteral("Total Capacity (&#215; 1000)")),
             "the x title carries the factor");
    QVERIFY(text.contains(QStringLiteral(">15<")) || text.contains(QStringLiteral(">10<")));
    QVERIFY(!text.contains(QRegularExpression(QStringLiteral(">-?[0-9.]+E-?[0-9]+<"))));
    QVERIFY(!text.contains(QStringLiteral(">9000<")));
    // The depth axis, 0 to 100, stays plain.
    QVERIFY(text.contains(QStringLiteral(">Depth<")));
}

void GraphPainterTest::curvesWhereTheyMustPass() {
    const Graph g = threeCurves();
    const QImage image = paint(g);
    const GraphLayout l = GraphPainter(g, graphRanges(g)).layout(image.rect(), {96, 96});
    // Off the grid lines (every 20 units here), on each curve, and in an empty corner.
    QCOMPARE(image.pixel(l.toPixel({30, 30})), QColor(Qt::black).rgb());
    QCOMPARE(image.pixel(l.toPixel({70, 50})), QColor(Qt::blue).rgb());
    QCOMPARE(image.pixel(l.toPixel({50, 70})), QColor(Qt::red).rgb());
    QCOMPARE(image.pixel(l.toPixel({90, 10})), kWhite);
    QCOMPARE(image.pixel(0, image.height() - 1), kWhite);                     // the ground is cleared
    QCOMPARE(image.pixel(l.plotArea().topRight()), QColor(Qt::black).rgb());  // frame
    // Below an inch nothing is drawn.
    const QImage small = paint(g, {90, 400});
    QCOMPARE(small.pixel(45, 200), kWhite);
}

void GraphPainterTest::downdragNeutralPlaneAtItsDepth() {
    // The hand pile (F = 94.248 kN/m over 20 m, R_t = 848.23 kN) under 600 kN: the neutral plane at
    // 11.317 m, where the load Q_d + F z meets the resistance R_t + F (20 - z).
    QByteArray text =
        "solved,1\nhead load,600\nneutral plane,11.317\nequilibrium neutral plane,\n"
        "drag force,1066.6\nmaximum axial load,1666.6\nmaximum axial load depth,11.317\n"
        "depth,axial load,resistance,pile movement,soil settlement\n";
    for (int z = 0; z <= 20; ++z)
        text += QByteArray::number(z) + ',' +
                QByteArray::number(z <= 11.317 ? 600 + 94.248 * z : 848.23 + 94.248 * (20 - z)) + ',' +
                QByteArray::number(848.23 + 94.248 * (20 - z)) + ",434,0\n";
    Results results;
    results.fillDowndrag(parseDowndragResults(text, {}), torve::UnitSystem::SI);
    const Graph& g = results.graph(ResultGraph::Downdrag);
    const QImage image = paint(g);
    const GraphLayout l = GraphPainter(g, graphRanges(g)).layout(image.rect(), {96, 96});
    // Right of both curves: the line of the neutral plane on its row and nothing a metre above it.
    const int x = l.xPixel(2350);
    QCOMPARE(image.pixel(x, l.yPixel(11.317)), QColor(Qt::red).rgb());
    QCOMPARE(image.pixel(x, l.yPixel(10.317)), kWhite);
    QCOMPARE(image.pixel(x, l.yPixel(12.317)), kWhite);
    // Depth grows downward: the neutral plane below the head's row, above the toe's.
    QVERIFY(l.yPixel(0) < l.yPixel(11.317));
    QVERIFY(l.yPixel(11.317) < l.yPixel(20));
}

void GraphPainterTest::hidingACurveKeepsTheOtherColours() {
    Graph g = threeCurves();
    g.line(1).shown = false;
    const QImage image = paint(g);
    const GraphLayout l = GraphPainter(g, graphRanges(g)).layout(image.rect(), {96, 96});
    QCOMPARE(image.pixel(l.toPixel({70, 50})), kWhite);
    QCOMPARE(image.pixel(l.toPixel({50, 70})), QColor(Qt::red).rgb());
    // An inactive curve gives its colour to the next.
    g.line(1).active = false;
    const QImage inactive = paint(g);
    QCOMPARE(inactive.pixel(l.toPixel({50, 70})), QColor(Qt::blue).rgb());
}

void GraphPainterTest::layerStrip() {
    Graph g = threeCurves();
    g.showLayers = true;
    g.setLineCount(2, Graph::LayerMarks);
    g.line(0, Graph::LayerMarks).points = {{1, 40}};    // clay to 40
    g.line(1, Graph::LayerMarks).points = {{99, 100}};  // no fill below
    const QImage image = paint(g);
    const GraphLayout l = GraphPainter(g, graphRanges(g)).layout(image.rect(), {96, 96});
    const QRect strip = l.layerStrip();
    // The clay pattern: one pixel in eight on each row is black, away from the frame and the name.
    int black = 0, white = 0;
    for (int x = strip.left() + 2; x < strip.left() + 18; ++x) {
        const QRgb p = image.pixel(x, strip.top() + 5);
        black += p == QColor(Qt::black).rgb();
        white += p == kWhite;
    }
    QCOMPARE(black, 2);
    QCOMPARE(white, 14);
    // Below 40 the second mark has no pattern.
    QCOMPARE(image.pixel(strip.left() + 4, l.yPixel(90)), kWhite);
    QCOMPARE(layerBrush(7, 96).style(), Qt::TexturePattern);
    QCOMPARE(layerBrush(0, 96).style(), Qt::NoBrush);
}

// At 96 pixels per inch the legend keeps 96 / 8 = 12 pixels from each edge of a 600 x 400 output;
// a box of 100 x 50 asked at the bottom-right corner (1, 1) then stands at 600 - 12 - 100 = 488 and
// 400 - 12 - 50 = 338.
void GraphPainterTest::legendKeepsOffTheEdgesAndTheStrip_data() {
    QTest::addColumn<QPointF>("at");
    QTest::addColumn<QSize>("size");
    QTest::addColumn<bool>("layers");
    QTest::addColumn<QPoint>("topLeft");  // (-1, -1): worked out from the strip below
    QTest::newRow("bottom-right corner") << QPointF(1, 1) << QSize(100, 50) << false << QPoint(488, 338);
    QTest::newRow("top-left corner") << QPointF(0, 0) << QSize(100, 50) << false << QPoint(12, 12);
    QTest::newRow("inside, kept") << QPointF(0.5, 0.5) << QSize(100, 50) << false << QPoint(300, 200);
    QTest::newRow("larger than the output") << QPointF(1, 1) << QSize(700, 500) << false << QPoint(12, 12);
    QTest::newRow("corner beside the strip") << QPointF(1, 1) << QSize(100, 50) << true << QPoint(-1, 338);
    QTest::newRow("over the strip") << QPointF(0.9, 0.3) << QSize(100, 50) << true << QPoint(-1, 120);
}

void GraphPainterTest::legendKeepsOffTheEdgesAndTheStrip() {
    QFETCH(QPointF, at);
    QFETCH(QSize, size);
    QFETCH(bool, layers);
    QFETCH(QPoint, topLeft);
    Graph g = threeCurves();
    g.showLayers = layers;
    g.setLineCount(1, Graph::LayerMarks);
    g.line(0, Graph::LayerMarks).points = {{1, 40}};
    const GraphLayout l = GraphPainter(g, graphRanges(g)).layout(QRect(0, 0, 600, 400), {96, 96});
    const QRect box = legendBoxAt(l, size, at);
    QCOMPARE(box.size(), size);
    if (layers) {
        // Its right edge an eighth of an inch left of the strip's.
        QCOMPARE(box.left() + box.width(), l.layerStrip().left() - 12);
        QCOMPARE(box.top(), topLeft.y());
    } else {
        QCOMPARE(box.topLeft(), topLeft);
    }
}

// Labels 50 x 10, 5 from their dots in an area 400 x 300. The first goes right of its dot, centred
// (105, 95); a second on the same spot below left of it (100 - 5 - 50, 100 + 5) = (45, 105); one 5 + 50
// from the right edge or closer cannot go right: below left, (380 - 55, 200 + 5) = (325, 205).
void GraphPainterTest::markLabelsNeverOverlap() {
    const QRectF area(0, 0, 400, 300);
    const std::vector<QSizeF> sizes(4, QSizeF(50, 10));
    const std::vector<QRectF> boxes =
        markLabelBoxes({{100, 100}, {100, 100}, {380, 200}, {100, 250}}, sizes, 5, area);
    QCOMPARE(boxes.size(), 4u);
    QCOMPARE(boxes[0], QRectF(105, 95, 50, 10));
    QCOMPARE(boxes[1], QRectF(45, 105, 50, 10));
    QCOMPARE(boxes[2], QRectF(325, 205, 50, 10));
    QCOMPARE(boxes[3], QRectF(105, 245, 50, 10));
    // At the area's foot (an uplift curve) below is out: above left, (45, 295 - 5 - 10) = (45, 280).
    const std::vector<QRectF> foot = markLabelBoxes({{100, 295}, {100, 295}}, {{50, 10}, {50, 10}}, 5, area);
    QCOMPARE(foot[0], QRectF(105, 290, 50, 10));
    QCOMPARE(foot[1], QRectF(45, 280, 50, 10));
    // A curve through the dot from (0, 95) to (400, 110) crosses the place right of it; below left
    // the curve runs at y 96.7 to 98.6, above the box's 105.
    const std::vector<QRectF> off =
        markLabelBoxes({{100, 98.75}}, {{50, 10}}, 5, area, {{QPointF(0, 95), QPointF(400, 110)}});
    QCOMPARE(off[0], QRectF(45, 103.75, 50, 10));
    // Twelve dots a pixel apart on one spot, more than the places about them: every label clear of
    // every other, the later ones stacked.
    std::vector<QPointF> dots;
    for (int i = 0; i < 12; ++i) dots.emplace_back(50 + i, 60 + i);
    const std::vector<QRectF> row = markLabelBoxes(dots, std::vector<QSizeF>(12, QSizeF(50, 10)), 5, area);
    for (std::size_t i = 0; i < row.size(); ++i)
        for (std::size_t j = i + 1; j < row.size(); ++j) QVERIFY(!row[i].intersects(row[j]));
}

void GraphPainterTest::savedPictureSizes() {
    QTemporaryDir dir;
    const Graph g = threeCurves();
    const GraphPainter painter(g, graphRanges(g));
    // 6 x 4 inches at 72 pixels per inch: 432 x 288.
    const QSize pixels = picturePixels({6, 4}, 72);
    QCOMPARE(pixels, QSize(432, 288));
    const QString bmp = dir.filePath(QStringLiteral("graph.bmp"));
    QCOMPARE(saveGraph(bmp, GraphFileFormat::Bmp, painter, pixels, 72, QPointF(1, 1)),
             GraphSaveResult::Saved);
    const QImage read(bmp, "BMP");
    QCOMPARE(read.size(), QSize(432, 288));
    QCOMPARE(read.pixel(0, 0), kWhite);
    // A folder that does not exist: nothing written, and said so.
    QCOMPARE(saveGraph(dir.filePath(QStringLiteral("no/graph.png")), GraphFileFormat::Png, painter, pixels,
                       72, {}),
             GraphSaveResult::CannotWrite);
    QCOMPARE(saveGraph(dir.filePath(QStringLiteral("huge.png")), GraphFileFormat::Png, painter,
                       {100000, 100000}, 72, {}),
             GraphSaveResult::NoMemory);
    QVERIFY(!QFile::exists(dir.filePath(QStringLiteral("huge.png"))));
    // A disk that fills part way (a file-size limit of 64 bytes): the picture that was there stays,
    // and the save says it failed instead of leaving a cut file behind a success.
    rlimit old{};
    getrlimit(RLIMIT_FSIZE, &old);
    const auto handler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit small = old;
    small.rlim_cur = 64;
    setrlimit(RLIMIT_FSIZE, &small);
    const GraphSaveResult onFullDisk = saveGraph(bmp, GraphFileFormat::Svg, painter, pixels, 72, {});
    setrlimit(RLIMIT_FSIZE, &old);
    std::signal(SIGXFSZ, handler);
    QCOMPARE(onFullDisk, GraphSaveResult::CannotWrite);
    QCOMPARE(QImage(bmp, "BMP").size(), QSize(432, 288));
    QCOMPARE(graphFileFormat(QStringLiteral("a/b.SVG")), std::optional(GraphFileFormat::Svg));
    QCOMPARE(graphFileFormat(QStringLiteral("a/b.txt")), std::nullopt);
}

void GraphPainterTest::zoomedCurvesStayInTheAreaOfAnSvgFile() {
    QTemporaryDir dir;
    Graph g = threeCurves();
    g.showLayers = true;
    g.setLineCount(1, Graph::LayerMarks);
    g.line(0, Graph::LayerMarks).points = {{1, 100}};  // clay
    const GraphPainter painter(g, {{40, 60}, {40, 60}});
    const QString svg = dir.filePath(QStringLiteral("zoomed.svg"));
    QCOMPARE(saveGraph(svg, GraphFileFormat::Svg, painter, {600, 400}, 96, {}), GraphSaveResult::Saved);
    QImage drawn(600, 400, QImage::Format_RGB32);
    drawn.fill(Qt::white);
    QPainter back(&drawn);
    QSvgRenderer(svg).render(&back);
    back.end();
    // The blue curve at y 50 runs on beyond x 60, but not beyond the frame (the file is drawn back
    // smoothed: blue in some shade).
    const GraphLayout l = painter.layout(drawn.rect(), {96, 96});
    const QColor onCurve = drawn.pixelColor(l.xPixel(55), l.yPixel(50));
    QVERIFY(onCurve.blue() == 255 && onCurve.red() < 255);
    QCOMPARE(drawn.pixel(l.plotArea().right() + 10, l.yPixel(50)), kWhite);
    // The layer's pattern is in the file too.
    int dark = 0;
    for (int x = l.layerStrip().left() + 2; x < l.layerStrip().left() + 18; ++x)
        dark += qGray(drawn.pixel(x, l.yPixel(45))) < 128;
    QVERIFY(dark > 0);
}

void GraphPainterTest::soilProfile() {
    // One sand layer to 30 ft, a 24 in pile of 60 ft with 5 ft above the ground. The world holds the
    // origin, the pile (1 ft either side of the axis, from -5 to 55) and the layer to 30, 5 % larger:
    // x -1.05 .. 1.05, y -5.25 .. 57.75; drawn 400 x 400 the x range is stretched to the same height.
    SoilProfile profile(std::vector<SoilBand>{{0, 30, 1}}, 2, 60, 5, 0);
    const WorldWindow w = profile.world({400, 400});
    QCOMPARE(w.yMin, -5.25);
    QCOMPARE(w.yMax, 57.75);
    QCOMPARE(w.xMax - w.xMin, w.yMax - w.yMin);
    QImage image(400, 400, QImage::Format_RGB32);
    QPainter painter(&image);
    SoilProfilePainter(profile).paint(painter, image.rect(), w,
                                      SoilProfilePainter::windowStyle(Qt::white, Qt::black, QFont()));
    painter.end();
    const int ground = qRound(400 * (0 - w.yMin) / (w.yMax - w.yMin));
    const int bottom = qRound(400 * (30 - w.yMin) / (w.yMax - w.yMin));
    QCOMPARE(image.pixel(390, ground), QColor(Qt::black).rgb());
    QCOMPARE(image.pixel(390, bottom), QColor(Qt::black).rgb());
    QCOMPARE(image.pixel(390, ground + 10), kWhite);
    // The first of the 20 ground strokes runs from x 120 to 135, 5 pixels down.
    QCOMPARE(image.pixel(127, ground + 2), QColor(Qt::black).rgb());
    QCOMPARE(image.pixel(200, 300), QColor(Qt::black).rgb());  // the pile on the axis
    QCOMPARE(SoilProfilePainter::layerText(profile.layers()[0]), QStringLiteral("depth= 0 - 30; Sand"));
    // Depths of another unit system read as the soil table shows them, with 8 significant digits:
    // 10 m = 10 / 0.3048 = 32.808398950... ft, 25.4 m = 83.333333... ft, 0.1 m = 0.32808399 ft.
    const struct {
        SoilBand layer;
        const char* text;
    } converted[] = {
        {{0, 10 / 0.3048, 2}, "depth= 0 - 32.808399; Clay"},
        {{10 / 0.3048, 25.4 / 0.3048, 1}, "depth= 32.808399 - 83.333333; Sand"},
        {{0.1 / 0.3048, 1e-7, 1}, "depth= 0.32808399 - 1E-7; Sand"},
    };
    for (const auto& c : converted)
        QCOMPARE(SoilProfilePainter::layerText(c.layer), QString::fromLatin1(c.text));
}

QTEST_MAIN(GraphPainterTest)
#include "graphpainter_test.moc"
