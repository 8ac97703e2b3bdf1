// Writing a painted graph to a file.
#include "app/render/graphexport.h"

#include <QBuffer>
#include <QFileInfo>
#include <QImage>
#include <QImageWriter>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QString>
#include <QSvgGenerator>
#include <algorithm>
#include <cmath>

#include "app/controls/usererror.h"
#include "app/graph/graph.h"
#include "app/project/atomicfile.h"
#include "app/render/graphpainter.h"

namespace torve::app {
namespace {

constexpr double kInchesPerMetre = 1 / 0.0254;
// Bitmaps beyond 1 GiB are refused as if memory had run out: the system would promise the memory
// and then fail while the picture is painted.
constexpr qint64 kMostBitmapBytes = qint64(1) << 30;
// A side longer than this is no picture anyone can use; it bounds the arithmetic of a typing error.
constexpr double kMostPixelsPerSide = 1 << 20;

bool paintImage(QBuffer& file, GraphFileFormat format, const GraphPainter& graph, QSize pixels, double ppi,
                std::optional<QPointF> legendAt, bool& allocated) {
    allocated = qint64(pixels.width()) * pixels.height() * 4 <= kMostBitmapBytes;
    if (!allocated) return false;
    QImage image(pixels, QImage::Format_RGB32);
    allocated = !image.isNull();
    if (!allocated) return false;
    const int dotsPerMetre = static_cast<int>(std::lround(ppi * kInchesPerMetre));
    image.setDotsPerMeterX(dotsPerMetre);
    image.setDotsPerMeterY(dotsPerMetre);
    {
        QPainter painter(&image);
        graph.paint(painter, image.rect(), {ppi, ppi}, legendAt);
    }
    return image.save(&file, format == GraphFileFormat::Bmp ? "BMP" : "PNG");
}

bool paintSvg(QBuffer& file, const GraphPainter& graph, QSize pixels, double ppi,
              std::optional<QPointF> legendAt) {
    QSvgGenerator svg;
    svg.setOutputDevice(&file);
    svg.setSize(pixels);
    svg.setViewBox(QRect(QPoint(), pixels));
    svg.setResolution(static_cast<int>(std::lround(ppi)));
    svg.setTitle(graph.graph().caption);
    QPainter painter;
    if (!painter.begin(&svg)) return false;
    graph.paint(painter, QRect(QPoint(), pixels), {ppi, ppi}, legendAt);
    return painter.end();
}

bool paintPdf(QBuffer& file, const GraphPainter& graph, QSize pixels, double ppi,
              std::optional<QPointF> legendAt) {
    QPdfWriter pdf(&file);
    pdf.setResolution(static_cast<int>(std::lround(ppi)));
    pdf.setTitle(graph.graph().caption);
    pdf.setPageLayout(
        QPageLayout(QPageSize(QSizeF(pixels.width() / ppi, pixels.height() / ppi), QPageSize::Inch),
                    QPageLayout::Portrait, QMarginsF()));
    QPainter painter;
    if (!painter.begin(&pdf)) return false;
    graph.paint(painter, QRect(QPoint(), pixels), {ppi, ppi}, legendAt);
    return painter.end();
}

}  // namespace

std::optional<GraphFileFormat> graphFileFormat(const QString& path) {
    const QString suffix = QFileInfo(path).suffix().toLower();
    if (suffix == QLatin1String("bmp")) return GraphFileFormat::Bmp;
    if (suffix == QLatin1String("png")) return GraphFileFormat::Png;
    if (suffix == QLatin1String("svg")) return GraphFileFormat::Svg;
    if (suffix == QLatin1String("pdf")) return GraphFileFormat::Pdf;
    return std::nullopt;
}

QSize picturePixels(QSizeF inches, double ppi) {
    auto side = [ppi](double length) {
        return static_cast<int>(std::lround(std::clamp(length * ppi, 1.0, kMostPixelsPerSide)));
    };
    return {side(inches.width()), side(inches.height())};
}

GraphSaveResult saveGraph(const QString& path, GraphFileFormat format, const GraphPainter& painter,
                          QSize pixels, double ppi, std::optional<QPointF> legendAt, QString* why) {
    // A resolution that is no number would scale every font and line to nothing: an empty picture.
    if (!std::isfinite(ppi) || !(ppi > 0)) {
        if (why) *why = QStringLiteral("%1 pixels per inch cannot be drawn").arg(ppi);
        return GraphSaveResult::CannotWrite;
    }
    // Painted in memory first, then written with every write checked: a picture device does not
    // report a failed write, and a full disk would otherwise leave an empty file behind a success.
    QBuffer file;
    file.open(QIODevice::WriteOnly);
    bool allocated = true;
    bool painted = false;
    switch (format) {
        case GraphFileFormat::Bmp:
        case GraphFileFormat::Png:
            painted = paintImage(file, format, painter, pixels, ppi, legendAt, allocated);
            break;
        case GraphFileFormat::Svg:
            painted = paintSvg(file, painter, pixels, ppi, legendAt);
            break;
        case GraphFileFormat::Pdf:
            painted = paintPdf(file, painter, pixels, ppi, legendAt);
            break;
    }
    if (!allocated) return GraphSaveResult::NoMemory;
    if (!painted) return GraphSaveResult::CannotWrite;
    try {
        writeFileAtomically(path, file.data());
    } catch (const UserError& e) {
        if (why) *why = e.message();
        return GraphSaveResult::CannotWrite;
    }
    return GraphSaveResult::Saved;
}

}  // namespace torve::app
