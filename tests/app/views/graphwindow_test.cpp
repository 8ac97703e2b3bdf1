// The graph window as the user meets it: its menu, legend, zoom, read-out and saving.
#include <QClipboard>
#include <QGuiApplication>
#include <QImage>
#include <QMenu>
#include <QPainter>
#include <QPrinter>
#include <QTemporaryDir>
#include <QTest>

#include "app/graph/graph.h"
#include "app/render/graphlegend.h"
#include "app/render/graphpainter.h"
#include "app/render/titleblock.h"
#include "app/views/graphcanvas.h"
#include "app/views/graphwindow.h"
#include "app/views/graphwindowfactory.h"
#include "app/views/legendbox.h"
#include "tests/app/support/widgetfinder.h"
#include "tests/app/views/fakehost.h"

using namespace torve::app;
using namespace Qt::StringLiterals;

namespace {

// `count` curves of 10 points, curve i from (0, 0) to (9 (i + 1), 90): like t-z curves at depths.
Graph& fillCurves(test::FakeHost& host, int count) {
    Graph& g = host.project().graph(ResultGraph::TzCurves);
    g.setLineCount(count);
    g.setPointCount(10);
    for (int i = 0; i < count; ++i)
        for (int k = 0; k < 10; ++k) g.line(i).points[k] = QPointF(k * (i + 1), 10.0 * k);
    return g;
}

QStringList captions(const QList<QAction*>& actions) {
    QStringList list;
    for (const QAction* a : actions)
        if (a->isVisible()) list << (a->menu() ? a->menu()->title() : a->text());
    return list;
}

}  // namespace

class GraphWindowTest : public QObject {
    Q_OBJECT

  private slots:
    void menuHasEveryItemAndOnePerActiveCurve();
    void twentyCurvesOpenActiveAndManyStayUsable();
    void renamingWithInactiveCurvesBeforeActiveOnes();
    void legendDoubleClickHidesACurve();
    void zoomLimitsAndZoomOut();
    void readoutInTheCaption();
    void savedBitmapSize();
    void printedPage();
    void printedPageHasATitleBlock();
    void savedLegendFindsItsOwnPlaceUntilDragged();
    void legendOpensWhereItHidesLeastAndCopyGivesThePicture();
    void printerThatCannotStart();
};

void GraphWindowTest::menuHasEveryItemAndOnePerActiveCurve() {
    test::FakeHost host;
    Graph& g = fillCurves(host, 3);
    std::unique_ptr<QWidget> made(createGraphWindow(g, host));
    auto* window = qobject_cast<GraphWindow*>(made.get());
    QVERIFY(window);
    QCOMPARE(window->windowTitle(), u"t-z Curves"_s);
    window->plotMenu()->aboutToShow();
    // Without soil-layer marks and wall lines their items stay hidden.
    QCOMPARE(captions(window->plotMenu()->actions()),
             QStringList({u"Show &Legend"_s, u"Show &Markers"_s, u"&Font Size"_s, u"&Line Width"_s,
                          u"&Graph Title"_s, u"&Edit Legend"_s, u"&Active Curves"_s, u"&Print..."_s,
                          u"P&age Setup"_s, u"&Save To Disk..."_s, u"&Copy"_s, QString(), g.displayName(0),
                          g.displayName(1), g.displayName(2)}));
    auto* markers = window->plotMenu()->actions()[3]->menu();
    QCOMPARE(captions(markers->actions()),
             QStringList({u"&Never"_s, u"Every &Increment"_s, u"Every &2 Increments"_s,
                          u"Every &3 Incrments"_s, u"Every &5 Increments"_s, u"Every &10 Incements"_s}));
    QVERIFY(markers->actions()[1]->isChecked());  // Markers 1 at opening
    markers->actions()[4]->trigger();
    QCOMPARE(g.markers, 5);
    QCOMPARE(captions(window->plotMenu()->actions()[4]->menu()->actions())[3], u"2.5 * Default"_s);
    // A curve item shows and hides its curve, and carries the check of it.
    QAction* second = window->plotMenu()->actions()[15];  // after the 13 fixed items and the separator
    second->trigger();
    QVERIFY(!g.line(1).shown);
    window->plotMenu()->aboutToShow();
    QVERIFY(!second->isChecked());
    // Deactivating every curve empties the legend and the per-curve items.
    window->applyActivation(QStringList(3, u" no  : "_s));
    QCOMPARE(captions(window->plotMenu()->actions()).size(), 11);
    QVERIFY(window->canvas()->legend()->entries().empty());
    // Results read or cleared under an open window: it shows the graph as it now is.
    window->applyActivation(QStringList(3, u" yes : "_s));
    host.project().clearResults();
    QCOMPARE(captions(window->plotMenu()->actions()).size(), 10);  // no curves: no "Show Legend"
    QVERIFY(window->canvas()->legend()->isHidden());
    window->grab();
}

void GraphWindowTest::twentyCurvesOpenActiveAndManyStayUsable() {
    test::FakeHost host;
    Graph& g = fillCurves(host, 600);
    GraphWindow window(g, host);
    window.resize(800, 600);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QCOMPARE(window.canvas()->legend()->entries().size(), std::size_t(20));
    QVERIFY(g.line(19).active && !g.line(20).active);
    window.applyActivation(QStringList(600, u" yes : "_s));
    QCOMPARE(window.canvas()->legend()->entries().size(), std::size_t(600));
    // The legend stops at the window's height and scrolls; the menu groups the curves by twenty.
    QVERIFY(window.canvas()->legend()->height() <= window.canvas()->height());
    const QStringList items = captions(window.plotMenu()->actions());
    QCOMPARE(items.size(), 12 + 20 + 29);  // the fixed items and the separator, 20 curves, 29 groups
    QCOMPARE(items.last(), u"Curves 581 to 600"_s);
    QCOMPARE(window.canvas()->legend()->entries()[17].colour, QColor(Qt::black));  // colours over again
}

void GraphWindowTest::renamingWithInactiveCurvesBeforeActiveOnes() {
    test::FakeHost host;
    Graph& g = fillCurves(host, 4);
    GraphWindow window(g, host);
    window.applyActivation({u" no  : "_s, u" no  : "_s, u" yes : "_s, u" yes : "_s});
    window.applyLineNames({u"a"_s, u"b"_s, u"third"_s, u"fourth"_s});
    QCOMPARE(window.canvas()->legend()->entries()[0].name, u"third"_s);
    QCOMPARE(captions(window.plotMenu()->actions()).mid(12), QStringList({u"third"_s, u"fourth"_s}));
    QCOMPARE(g.displayName(0), u"a"_s);  // inactive curves take their names too
}

void GraphWindowTest::legendDoubleClickHidesACurve() {
    test::FakeHost host;
    Graph& g = fillCurves(host, 3);
    GraphWindow window(g, host);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    auto* legend = test::findByAccessibleName<LegendBox>(&window, u"Legend"_s);
    QVERIFY(legend && legend->isVisible());
    const int rowHeight = (legend->height() - 3) / 3;
    QTest::mouseDClick(legend, Qt::LeftButton, {}, QPoint(10, 1 + rowHeight + rowHeight / 2));
    QVERIFY(g.line(0).shown && !g.line(1).shown);
    const std::vector<LegendEntry>& entries = legend->entries();
    QCOMPARE(entries[1].text(), g.displayName(1));  // no " *"
    QCOMPARE(entries[2].colour, QColor(Qt::red));   // the others keep their colours
    // The legend stays inside the window wherever it is dragged.
    legend->place(QPoint(-50, 100000));
    QCOMPARE(legend->x(), 0);
    QCOMPARE(legend->y() + legend->height(), window.canvas()->height());
}

void GraphWindowTest::zoomLimitsAndZoomOut() {
    test::FakeHost host;
    Graph& g = fillCurves(host, 2);  // x 0 to 18, y 0 to 90
    GraphWindow window(g, host);
    window.resize(800, 600);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    GraphCanvas* canvas = window.canvas();
    const GraphRanges full = canvas->fullRange();
    QCOMPARE(full, (GraphRanges{{0, 18}, {0, 90}}));
    const QPoint centre = canvas->layout().plotArea().center();
    // A drag that does not move across zooms nothing.
    QTest::mousePress(canvas, Qt::LeftButton, {}, centre);
    QTest::mouseRelease(canvas, Qt::LeftButton, {}, centre + QPoint(0, 40));
    QCOMPARE(canvas->ranges(), full);
    // A tiny rectangle zooms to a twentieth on both axes.
    QTest::mousePress(canvas, Qt::LeftButton, {}, centre);
    QTest::mouseRelease(canvas, Qt::LeftButton, {}, centre + QPoint(2, 3));
    QVERIFY(qAbs(canvas->ranges().x.width() - 18.0 / 20) < 1e-9);
    QVERIFY(qAbs(canvas->ranges().y.width() - 90.0 / 20) < 1e-9);
    // A right click widens each axis around the value under the pointer on that axis: a pixel to the
    // left of and below the centre gives an x centre below 9 and a y centre above 45 (depth grows
    // downward), each range twice as wide as before.
    const QPoint aside = centre + QPoint(-3, 2);
    const QPointF under = canvas->layout().toValue(aside);
    const GraphRanges before = canvas->ranges();
    QTest::mouseClick(canvas, Qt::RightButton, {}, aside);
    const GraphRanges after = canvas->ranges();
    QVERIFY(qAbs(after.x.width() - 2 * before.x.width()) < 1e-9);
    QVERIFY(qAbs(after.y.width() - 2 * before.y.width()) < 1e-9);
    QVERIFY2(qAbs((after.x.min + after.x.max) / 2 - under.x()) < 1e-9,
             qPrintable(QString::number(after.x.min)));
    QVERIFY2(qAbs((after.y.min + after.y.max) / 2 - under.y()) < 1e-9,
             qPrintable(QString::number(after.y.min)));
    // Right clicks widen twice each time, up to the full range.
    for (int i = 0; i < 6; ++i) QTest::mouseClick(canvas, Qt::RightButton, {}, centre);
    QCOMPARE(canvas->ranges(), full);
}

void GraphWindowTest::readoutInTheCaption() {
    test::FakeHost host;
    Graph& g = fillCurves(host, 2);
    GraphWindow window(g, host);
    window.resize(800, 600);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    // The pointer left of the area counts as on its left edge: x 0; the top edge is y 0.
    QTest::mouseMove(window.canvas(), QPoint(1, 1));
    QTRY_COMPARE(window.windowTitle(), u"t-z Curves X: 0 Y: 0"_s);
    const GraphLayout l = window.canvas()->layout();
    QTest::mouseMove(window.canvas(), l.toPixel({9, 45}));
    QTRY_VERIFY(window.windowTitle().startsWith(u"t-z Curves X: 9"_s));
}

void GraphWindowTest::savedBitmapSize() {
    test::RecordedMessages messages;
    test::FakeHost host;
    Graph& g = fillCurves(host, 2);
    GraphWindow window(g, host);
    QTemporaryDir dir;
    // 6 in across and 4 in down at 72 pixels per inch.
    QVERIFY(window.saveTo(dir.filePath(u"graph.bmp"_s), 6, 4, 72));
    QCOMPARE(QImage(dir.filePath(u"graph.bmp"_s)).size(), QSize(432, 288));
    QVERIFY(!window.saveTo(dir.filePath(u"huge.bmp"_s), 900, 900, 1000));
    QCOMPARE(messages.shown, QStringList{u"There is not enough memory to complete this task."_s});
}

void GraphWindowTest::printedPage() {
    test::FakeHost host;
    Graph& g = fillCurves(host, 2);
    GraphWindow window(g, host);
    QTemporaryDir dir;
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(dir.filePath(u"graph.pdf"_s));
    printer.setPageMargins(QMarginsF(1, 1, 1, 1), QPageLayout::Inch);
    window.printTo(printer);
    QCOMPARE(printer.docName(), u"t-z Curves"_s);
    QFile pdf(dir.filePath(u"graph.pdf"_s));
    QVERIFY(pdf.open(QIODevice::ReadOnly));
    QVERIFY(pdf.readAll().contains("/Type /Page"));
}

// A printed page carries a title block at its foot: on a page of 650 x 900 pixels at 100 per inch,
// its frame's top line lies a block's height above the bottom, under the graph, which ends an
// eighth of an inch (13 pixels) above it.
void GraphWindowTest::printedPageHasATitleBlock() {
    test::FakeHost host;
    ProjectData data = host.project().data();
    data.title = u"Quay wall pile P7"_s;
    host.project().setData(data);
    Graph& g = fillCurves(host, 2);
    GraphWindow window(g, host);
    QImage page(650, 900, QImage::Format_RGB32);
    page.fill(Qt::white);
    QPainter painter(&page);
    window.paintPrintedPage(painter, page.rect(), {100, 100});
    painter.end();
    const int block = titleBlockHeight({100, 100});
    QVERIFY(block > 50 && block < 150);
    const int frameTop = 900 - block;
    int black = 0;
    for (int x = 0; x < 650; ++x) black += qGray(page.pixel(x, frameTop)) < 128;
    QVERIFY2(black > 600, qPrintable(QString::number(black)));
    // White between the graph and the block.
    for (int x = 0; x < 650; x += 10) QCOMPARE(page.pixel(x, frameTop - 5), QColor(Qt::white).rgb());
}

// A picture of another shape than the window gets the legend in the corner of its own plot area
// that hides the fewest points; once the user drags the legend, every picture keeps that place.
void GraphWindowTest::savedLegendFindsItsOwnPlaceUntilDragged() {
    test::FakeHost host;
    Graph& g = fillCurves(host, 2);
    GraphWindow window(g, host);
    window.resize(800, 600);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    GraphCanvas* canvas = window.canvas();
    const QRect picture(0, 0, 1800, 1200);  // 6 x 4 in at 300 pixels per inch
    const GraphPainter painter(g, canvas->ranges());
    const QPointF quietest = painter.quietestLegendPlace(painter.layout(picture, {300, 300}));
    QCOMPARE(canvas->legendPlaceOn(picture, {300, 300}), std::optional<QPointF>(quietest));
    auto* legend = test::findByAccessibleName<LegendBox>(&window, u"Legend"_s);
    QVERIFY(legend);
    QTest::mousePress(legend, Qt::LeftButton, {}, QPoint(5, 5));
    QTest::mouseMove(legend, QPoint(5 - 40, 5 - 30));
    QTest::mouseRelease(legend, Qt::LeftButton, {}, QPoint(5 - 40, 5 - 30));
    const QPointF dragged(double(legend->x()) / canvas->width(), double(legend->y()) / canvas->height());
    QCOMPARE(canvas->legendPlaceOn(picture, {300, 300}), std::optional<QPointF>(dragged));
}

void GraphWindowTest::legendOpensWhereItHidesLeastAndCopyGivesThePicture() {
    // One curve from the top-left corner (0, 0) to the bottom-right (18, 90) of a depth graph: the
    // bottom-right corner, where a legend used to open, would hide its end.
    test::FakeHost host;
    Graph& g = fillCurves(host, 2);
    g.line(0).active = false;
    GraphWindow window(g, host);
    window.resize(800, 600);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    GraphCanvas* canvas = window.canvas();
    auto* legend = test::findByAccessibleName<LegendBox>(&window, u"Legend"_s);
    QVERIFY(legend && legend->isVisible());
    const GraphLayout l = canvas->layout();
    QVERIFY(l.plotArea().contains(legend->geometry()));
    for (int k = 0; k <= 9; ++k) {
        const QPoint p = l.toPixel(g.line(1).points[static_cast<std::size_t>(k)]);
        QVERIFY2(!legend->geometry().contains(p), qPrintable(u"point %1"_s.arg(k)));
    }
    QVERIFY(!legend->toolTip().isEmpty());
    // "Copy" (Ctrl+C) puts the window's picture on the clipboard, the canvas's size.
    QAction* copy = nullptr;
    for (QAction* a : window.plotMenu()->actions())
        if (a->text() == u"&Copy"_s) copy = a;
    QVERIFY(copy);
    QCOMPARE(copy->shortcut(), QKeySequence(QKeySequence::Copy));
    QGuiApplication::clipboard()->clear();
    copy->trigger();
    const QImage copied = QGuiApplication::clipboard()->image();
    QCOMPARE(copied.size(), canvas->size());
    QCOMPARE(copied.convertToFormat(QImage::Format_RGB32),
             window.picture().convertToFormat(QImage::Format_RGB32));
}

// A printer that cannot start (here a PDF in a folder that does not exist) is reported, not
// passed over in silence.
void GraphWindowTest::printerThatCannotStart() {
    test::FakeHost host;
    GraphWindow window(fillCurves(host, 2), host);
    test::RecordedMessages messages;
    QTemporaryDir dir;
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(dir.filePath(u"missing-folder/graph.pdf"_s));
    window.printTo(printer);
    QCOMPARE(messages.shown, QStringList{u"The printer could not be started; nothing was printed."_s});
}

QTEST_MAIN(GraphWindowTest)
#include "graphwindow_test.moc"
