// Writing a painted graph to a file: bitmap, PNG, SVG or PDF.
#pragma once

#include <QPointF>
#include <QSize>
#include <optional>

class QString;

namespace torve::app {

class GraphPainter;

enum class GraphFileFormat { Bmp, Png, Svg, Pdf };

// The format a file name's extension asks for ("bmp", "png", "svg", "pdf", any case); nothing for
// another extension.
std::optional<GraphFileFormat> graphFileFormat(const QString& path);

enum class GraphSaveResult { Saved, NoMemory, CannotWrite };

// Paints the graph onto a picture of `pixels` at `ppi` pixels per inch (for a PDF a page of that
// many inches) and writes it to `path`. The file is written whole or not at all: an existing file
// is replaced only once the new one is complete. NoMemory when the bitmap cannot be allocated;
// for CannotWrite, `why` (when given) receives the message naming the file and the system's reason
// when there is one.
GraphSaveResult saveGraph(const QString& path, GraphFileFormat format, const GraphPainter& painter,
                          QSize pixels, double ppi, std::optional<QPointF> legendAt, QString* why = nullptr);

// The pixels of a picture `inches` across and down at `ppi`: each rounded to the nearest pixel.
QSize picturePixels(QSizeF inches, double ppi);

}  // namespace torve::app
