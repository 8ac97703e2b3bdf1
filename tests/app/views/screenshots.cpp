// Pictures of the graph windows, their dialogs and the soil profile view for docs/screenshots/.
// Usage: torve_view_screenshots OUTDIR PROJECT.tv6d... (analysed projects, their plot files beside)
#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QImage>
#include <QMenu>
#include <QPainter>
#include <QSvgRenderer>
#include <QTest>
#include <iostream>

#include "app/controls/usererror.h"
#include "app/graph/graph.h"
#include "app/project/project.h"
#include "app/render/graphexport.h"
#include "app/render/graphpainter.h"
#include "app/views/activecurvesdialog.h"
#include "app/views/graphcanvas.h"
#include "app/views/graphtitledialog.h"
#include "app/views/graphwindow.h"
#include "app/views/linenamesdialog.h"
#include "app/views/saveattributesdialog.h"
#include "app/views/soilprofileview.h"
#include "tests/app/views/fakehost.h"

using namespace torve::app;

namespace {

// The graphs of the main window's Graphics menu, in its order.
constexpr ResultGraph kMenuGraphs[] = {
    ResultGraph::UnitSkinFriction, ResultGraph::SkinFriction,
    ResultGraph::TipResistance,    ResultGraph::TotalCapacity,
    ResultGraph::LoadDistribution, ResultGraph::Combined,
    ResultGraph::LoadSettlement,   ResultGraph::TzCurves,
    ResultGraph::ExtraTzCurves,    ResultGraph::TipQw,
};

QDir out;

bool save(QWidget& w, const QString& name) {
    w.show();
    if (!QTest::qWaitForWindowExposed(&w)) return false;
    QTest::qWait(50);
    const QString path = out.filePath(name + QStringLiteral(".png"));
    if (!w.grab().save(path)) return false;
    std::cout << path.toStdString() << '\n';
    return true;
}

bool produced(const Graph& g) {
    for (int i = 0; i < g.lineCount(); ++i)
        if (!g.line(i).points.empty()) return true;
    return false;
}

// Each graph of the menu as its window opens, and the soil profile view.
bool projectPictures(const QString& path, bool withExtras) {
    test::FakeHost host;
    Project& project = host.project();
    try {
        project.readProject(path, ProjectFormat::Current);
        project.readResults(QFileInfo(path).path() + u'/' + QFileInfo(path).completeBaseName() +
                            QStringLiteral(".tv6p"));
    } catch (const UserError& e) {
        std::cerr << path.toStdString() << ": " << e.message().toStdString() << '\n';
        return false;
    }
    const QString base = QFileInfo(path).completeBaseName();
    for (ResultGraph id : kMenuGraphs) {
        Graph& g = project.graph(id);
        if (!produced(g)) continue;
        GraphWindow window(g, host);
        window.resize(900, 620);
        if (!save(window, base + u'-' + g.identifier)) return false;
    }
    SoilProfileView view(host);
    view.resize(700, 520);
    if (!save(view, base + QStringLiteral("-soil-profile"))) return false;
    if (!withExtras) return true;

    // The total capacity with its soil layers, a title, markers every 2 increments, zoomed in.
    Graph& total = project.graph(ResultGraph::TotalCapacity);
    total.showLayers = true;
    total.markers = 2;
    total.title = QStringLiteral("Pile P-1, capacity by method");
    GraphWindow window(total, host);
    window.resize(900, 620);
    if (!save(window, QStringLiteral("graph-layers-title"))) return false;
    // Where the methods part: 150 to 450 kips between 30 and 50 ft.
    const GraphLayout layout = window.canvas()->layout();
    window.canvas()->zoomToPixels(layout.toPixel({150, 30}), layout.toPixel({450, 50}));
    if (!save(window, QStringLiteral("graph-zoomed"))) return false;
    window.plotMenu()->popup(window.mapToGlobal(QPoint(0, 20)));
    if (!save(*window.plotMenu(), QStringLiteral("graph-plot-menu"))) return false;
    window.plotMenu()->hide();

    // The same graph saved as SVG and drawn back, to see the file as others will.
    const QString svg = out.filePath(QStringLiteral("graph-saved.svg"));
    const GraphPainter painter(total, window.canvas()->ranges());
    saveGraph(svg, GraphFileFormat::Svg, painter, {576, 384}, 96,
              window.canvas()->legendPlaceOn(QRect(0, 0, 576, 384), {96, 96}));
    QImage drawn(576, 384, QImage::Format_RGB32);
    drawn.fill(Qt::white);
    QPainter back(&drawn);
    QSvgRenderer(svg).render(&back);
    back.end();
    QFile::remove(svg);
    drawn.save(out.filePath(QStringLiteral("graph-saved-svg.png")));

    // What the printer gets: a letter page at 100 dots per inch, an inch of margin all round.
    QImage page(850, 1100, QImage::Format_RGB32);
    page.fill(Qt::white);
    QPainter onPage(&page);
    onPage.translate(100, 100);
    window.paintPrintedPage(onPage, QRect(0, 0, 650, 900), {100, 100});
    onPage.end();
    page.save(out.filePath(QStringLiteral("graph-printed-page.png")));

    QStringList names, codes;
    for (int i = 0; i < total.lineCount(); ++i) {
        names << total.displayName(i);
        codes << (i % 2 ? QStringLiteral(" no  : ") : QStringLiteral(" yes : "));
    }
    LineNamesDialog lineNames(names);
    ActiveCurvesDialog activeCurves(names, codes);
    GraphTitleDialog title(total.title, false);
    SaveAttributesDialog attributes(4, 6, 72);
    return save(lineNames, QStringLiteral("dialog-legend")) &&
           save(activeCurves, QStringLiteral("dialog-active-curves")) &&
           save(title, QStringLiteral("dialog-graph-caption")) &&
           save(attributes, QStringLiteral("dialog-save-attributes"));
}

// 600 t-z curves, every one active: the legend scrolls and the menu groups the curves.
bool manyCurves() {
    test::FakeHost host;
    Graph& g = host.project().graph(ResultGraph::TzCurves);
    g.setLineCount(600);
    g.setPointCount(10);
    for (int i = 0; i < 600; ++i)
        for (int k = 0; k < 10; ++k)
            g.line(i).points[static_cast<std::size_t>(k)] = QPointF(0.02 * k * k, 0.01 * i + 0.3 * k);
    GraphWindow window(g, host);
    window.applyActivation(QStringList(600, QStringLiteral(" yes : ")));
    window.resize(900, 620);
    return save(window, QStringLiteral("graph-600-curves"));
}

}  // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() < 3) {
        std::cerr << "usage: torve_view_screenshots OUTDIR PROJECT.tv6d...\n";
        return 2;
    }
    out = QDir(args[1]);
    if (!out.mkpath(QStringLiteral("."))) return 1;
    for (int i = 2; i < args.size(); ++i)
        if (!projectPictures(args[i], i == 2)) return 1;
    return manyCurves() ? 0 : 1;
}
