#include "cli/graph_file.h"

#include "app/render/graphlegend.h"
#include "app/render/graphpainter.h"
#include "cli/file_name.h"

namespace torve::cli {
namespace {

int& argument_count() {
    static int argc = 1;
    return argc;
}

char** arguments() {
    static char program_name[] = "torve";
    static char* argv[] = {program_name, nullptr};
    return argv;
}

// Set before the application reads it.
int& offscreen_unless_named() {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    return argument_count();
}

}  // namespace

DrawingApplication::DrawingApplication() : application_(offscreen_unless_named(), arguments()) {}

std::optional<std::string> write_graph(app::Graph graph, const QString& path, app::GraphFileFormat format,
                                       QSizeF inches, double dpi) {
    using namespace torve::app;
    activateCurvesAtOpening(graph);
    const GraphPainter painter(graph, graphRanges(graph));
    const QSize pixels = picturePixels(inches, dpi);
    std::optional<QPointF> legend;
    if (graph.showLegend && graph.lineCount() > 0)
        legend = painter.quietestLegendPlace(painter.layout(QRect(QPoint(), pixels), {dpi, dpi}));
    QString why;
    const std::string file = native_file_name(path);
    switch (saveGraph(path, format, painter, pixels, dpi, legend, &why)) {
        case GraphSaveResult::Saved:
            return std::nullopt;
        case GraphSaveResult::NoMemory:
            return file + ": too large (" + std::to_string(pixels.width()) + " x " +
                   std::to_string(pixels.height()) + " pixels) to be drawn in memory";
        case GraphSaveResult::CannotWrite:
            break;
    }
    // The writer's message names the file and the system's reason.
    const QString reason = why.replace(u'\r', u' ').trimmed();
    return reason.isEmpty() ? file + ": cannot be written" : reason.toStdString();
}

}  // namespace torve::cli
