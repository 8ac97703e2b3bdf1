// Writing a calculation sheet.
#include "app/render/sheetwriter.h"

#include <QBuffer>
#include <QFileInfo>
#include <QFontMetricsF>
#include <QImage>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <algorithm>
#include <cmath>

#include "app/controls/usererror.h"
#include "app/project/atomicfile.h"
#include "app/render/calculationsheet.h"
#include "app/render/graphlegend.h"
#include "app/render/graphpainter.h"
#include "app/render/sheetfonts.h"
#include "app/render/soilprofilepainter.h"
#include "app/render/texts.h"

namespace torve::app {
namespace {

// A4 in inches, 15 mm margins; the PDF is drawn at 300 pixels per inch.
constexpr double kPageWidth = 210 / 25.4, kPageHeight = 297 / 25.4, kMargin = 15 / 25.4;
constexpr double kPdfPpi = 300;
constexpr double kTextPoints = 8.5;
constexpr double kCaptionPoints = 9.5;
constexpr double kHeadingPoints = 12;
// The figures: the capacity graph beside the soil profile, then the load-settlement graph.
constexpr double kCapacityFigureInches = 5.3;
constexpr double kSettlementFigureInches = 5.0;
constexpr double kGraphShare = 0.6;  // of the width, the rest the profile's
// The pictures of the HTML page.
constexpr double kHtmlPpi = 150;

// The parts of the sheet in order, each a block of the layout.
enum class Part { Title, Heading, Table, Figure };
struct PartRef {
    Part part;
    int index = 0;  // the section, table or figure
};

struct Sections {
    QString heading;
    const std::vector<SheetTable>* tables;
};

const std::vector<const SheetTable*> allTables(const CalculationSheet& s) {
    std::vector<const SheetTable*> t;
    for (const SheetTable& x : s.inputs) t.push_back(&x);
    for (const SheetTable& x : s.results) t.push_back(&x);
    return t;
}

std::vector<PartRef> parts(const CalculationSheet& s) {
    std::vector<PartRef> p = {{Part::Title}, {Part::Heading, 0}};
    int table = 0;
    for (std::size_t i = 0; i < s.inputs.size(); ++i) p.push_back({Part::Table, table++});
    p.push_back({Part::Heading, 1});
    for (std::size_t i = 0; i < s.results.size(); ++i) p.push_back({Part::Table, table++});
    p.push_back({Part::Heading, 2});
    p.push_back({Part::Figure, 0});
    p.push_back({Part::Figure, 1});
    return p;
}

QString headingText(int index) {
    return index == 0   ? QString(texts::kSheetInputs)
           : index == 1 ? QString(texts::kSheetResults)
                        : QString(texts::kSheetGraphs);
}

// Sizes of the page's texts at a resolution.
struct Metrics {
    double ppi;
    QFont text, bold, caption, heading;
    double pad;
    explicit Metrics(double p)
        : ppi(p),
          text(sheetFont(kTextPoints, p)),
          bold(sheetFont(kTextPoints, p, true)),
          caption(sheetFont(kCaptionPoints, p, true)),
          heading(sheetFont(kHeadingPoints, p, true)),
          pad(p / 32) {}
    double contentWidth() const { return (kPageWidth - 2 * kMargin) * ppi; }
    double footerHeight() const { return QFontMetricsF(text).height() * 2; }
    double contentHeight() const { return (kPageHeight - 2 * kMargin) * ppi - footerHeight(); }
};

// The widths of a table's columns across `width`: each as wide as its widest cell and the longest
// word of its title, shared out in proportion when they do not all fit.
std::vector<double> columnWidths(const SheetTable& t, const Metrics& m, double width) {
    const int columns =
        static_cast<int>(std::max<qsizetype>(t.headings.size(), t.rows.empty() ? 1 : t.rows[0].size()));
    if (columns <= 1) return {width};
    const QFontMetricsF text(m.text), bold(m.bold);
    std::vector<double> want(static_cast<std::size_t>(columns), 0),
        least(static_cast<std::size_t>(columns), 0);
    for (int c = 0; c < columns; ++c) {
        const auto k = static_cast<std::size_t>(c);
        if (c < t.headings.size())
            for (const QString& word : t.headings[c].split(u' ', Qt::SkipEmptyParts))
                least[k] = std::max(least[k], bold.horizontalAdvance(word) + 2 * m.pad);
        want[k] = least[k];
        for (const QStringList& row : t.rows)
            if (c < row.size()) want[k] = std::max(want[k], text.horizontalAdvance(row[c]) + 2 * m.pad);
    }
    double total = 0;
    for (double w : want) total += w;
    std::vector<double> widths(want);
    if (total <= width && columns == 2) {
        // A table of values: the room left goes to the values.
        widths.back() += width - total;
        return widths;
    }
    // Shared out in proportion, but no column narrower than the longest word of its title.
    double heldWidth = 0, flexible = 0;
    std::vector<bool> held(widths.size());
    for (std::size_t k = 0; k < widths.size(); ++k) {
        held[k] = want[k] * width / total < least[k];
        (held[k] ? heldWidth : flexible) += held[k] ? least[k] : want[k];
    }
    for (std::size_t k = 0; k < widths.size(); ++k)
        widths[k] = held[k] || flexible <= 0 ? least[k] : want[k] * (width - heldWidth) / flexible;
    return widths;
}

double cellHeight(const QFont& font, const QString& text, double width, const Metrics& m) {
    const QRectF r = QFontMetricsF(font).boundingRect(QRectF(0, 0, std::max(1.0, width - 2 * m.pad), 1e6),
                                                      Qt::TextWordWrap | Qt::AlignLeft, text);
    return std::max(r.height(), QFontMetricsF(font).height()) + 2 * m.pad;
}

double captionHeight(const Metrics& m) {
    return QFontMetricsF(m.caption).height() + m.pad;
}

double headRowHeight(const SheetTable& t, const std::vector<double>& widths, const Metrics& m) {
    double h = 0;
    for (int c = 0; c < t.headings.size() && c < static_cast<int>(widths.size()); ++c)
        h = std::max(h, cellHeight(m.bold, t.headings[c], widths[static_cast<std::size_t>(c)], m));
    return h;
}

double rowHeight(const QStringList& row, const std::vector<double>& widths, const Metrics& m) {
    double h = 0;
    for (int c = 0; c < row.size() && c < static_cast<int>(widths.size()); ++c)
        h = std::max(h, cellHeight(m.text, row[c], widths[static_cast<std::size_t>(c)], m));
    return h;
}

double figureHeight(int index, const Metrics& m) {
    return (index == 0 ? kCapacityFigureInches : kSettlementFigureInches) * m.ppi + captionHeight(m);
}

SheetLayout layoutAt(const CalculationSheet& s, const Metrics& m) {
    SheetLayout l;
    const auto tables = allTables(s);
    for (const PartRef& p : parts(s)) {
        SheetBlock b;
        switch (p.part) {
            case Part::Title:
                b = {SheetBlock::Kind::Figure, double(titleBlockHeight({m.ppi, m.ppi})), {}};
                break;
            case Part::Heading:
                b = {SheetBlock::Kind::Heading, QFontMetricsF(m.heading).height() * 1.5, {}};
                break;
            case Part::Table: {
                const SheetTable& t = *tables[static_cast<std::size_t>(p.index)];
                const auto widths = columnWidths(t, m, m.contentWidth());
                b = {SheetBlock::Kind::Table, captionHeight(m) + headRowHeight(t, widths, m), {}};
                for (const QStringList& row : t.rows) b.rows.push_back(rowHeight(row, widths, m));
                break;
            }
            case Part::Figure:
                b = {SheetBlock::Kind::Figure, figureHeight(p.index, m), {}};
                break;
        }
        l.blocks.push_back(b);
    }
    l.pages = layOutSheet(l.blocks, m.contentHeight(), m.ppi / 8);
    return l;
}

// --- Painting ------------------------------------------------------------------------------------

void paintCells(QPainter& painter, const QStringList& cells, const std::vector<double>& widths, double x,
                double y, double height, const QFont& font, int firstNumber, const Metrics& m) {
    painter.setFont(font);
    for (int c = 0; c < cells.size() && c < static_cast<int>(widths.size()); ++c) {
        const double w = widths[static_cast<std::size_t>(c)];
        const Qt::Alignment align = c >= firstNumber && widths.size() > 1 ? Qt::AlignRight : Qt::AlignLeft;
        painter.drawText(QRectF(x + m.pad, y + m.pad, w - 2 * m.pad, height - 2 * m.pad),
                         align | Qt::AlignTop | Qt::TextWordWrap, cells[c]);
        x += w;
    }
}

void paintTable(QPainter& painter, const SheetTable& t, const PlacedBlock& p, double left, double top,
                const Metrics& m) {
    const auto widths = columnWidths(t, m, m.contentWidth());
    double y = top;
    painter.setPen(Qt::black);
    painter.setFont(m.caption);
    const QString caption = p.continued ? QString(texts::kSheetContinued).arg(t.caption) : t.caption;
    painter.drawText(QRectF(left, y, m.contentWidth(), captionHeight(m)), Qt::AlignLeft | Qt::AlignTop,
                     caption);
    y += captionHeight(m);
    const double head = headRowHeight(t, widths, m);
    if (head > 0) {
        painter.fillRect(QRectF(left, y, m.contentWidth(), head), QColor(0xe8, 0xe8, 0xe8));
        paintCells(painter, t.headings, widths, left, y, head, m.bold, t.firstNumberColumn, m);
        y += head;
    }
    const QPen rule(QColor(0xb0, 0xb0, 0xb0), std::max(1.0, m.ppi / 300));
    for (int r = p.firstRow; r < p.endRow; ++r) {
        const QStringList& row = t.rows[static_cast<std::size_t>(r)];
        const double h = rowHeight(row, widths, m);
        painter.setPen(Qt::black);
        paintCells(painter, row, widths, left, y, h, m.text, t.firstNumberColumn, m);
        y += h;
        painter.setPen(rule);
        painter.drawLine(QPointF(left, y), QPointF(left + m.contentWidth(), y));
    }
    painter.setPen(QPen(Qt::black, std::max(1.0, m.ppi / 150)));
    painter.drawLine(QPointF(left, top + captionHeight(m)),
                     QPointF(left + m.contentWidth(), top + captionHeight(m)));
}

// A graph as the windows open it: the first curves active, the legend where it hides the least.
void paintGraph(QPainter& painter, const Graph& source, const QRect& area, double ppi) {
    Graph graph = source;
    activateCurvesAtOpening(graph);
    const GraphPainter gp(graph, graphRanges(graph));
    std::optional<QPointF> legend;
    const QPointF res(ppi, ppi);
    if (graph.showLegend && graph.lineCount() > 0) legend = gp.quietestLegendPlace(gp.layout(area, res));
    gp.paint(painter, area, res, legend);
}

void paintProfile(QPainter& painter, const CalculationSheet& s, const QRect& area, double ppi, bool english) {
    painter.save();
    painter.translate(area.topLeft());
    const QRect local(QPoint(), area.size());
    painter.fillRect(local, Qt::white);
    SoilProfilePainter::Style style = SoilProfilePainter::pageStyle(local.width(), sheetFont(6.5, ppi));
    style.lineStart = 0;
    style.textLeft = local.width() * 0.02;
    style.strokeSpacing = ppi / 12;
    style.strokeLength = ppi / 16;
    style.strokeDrop = ppi / 40;
    style.strokeStart = local.width() * 0.12;
    style.depthUnit = english ? QStringLiteral("ft") : QStringLiteral("m");
    if (!s.soilProfile.layers().empty())
        SoilProfilePainter(s.soilProfile).paint(painter, local, s.soilProfile.world(local.size()), style);
    painter.setPen(QPen(Qt::black, 1));
    painter.drawRect(local.adjusted(0, 0, -1, -1));
    painter.restore();
}

// Figure `index` in `area` (the caption above it): the capacity graph beside the soil profile, or the
// load-settlement graph.
void paintFigure(QPainter& painter, const CalculationSheet& s, int index, const QRectF& area, double ppi) {
    const Metrics m(ppi);
    painter.setPen(Qt::black);
    painter.setFont(m.caption);
    const QString caption = index == 0 ? s.capacity.caption + QStringLiteral("; ") + texts::kSheetSoilProfile
                                       : s.loadSettlement.caption;
    painter.drawText(QRectF(area.left(), area.top(), area.width(), captionHeight(m)),
                     Qt::AlignLeft | Qt::AlignTop, caption);
    const QRect below =
        QRectF(area.left(), area.top() + captionHeight(m), area.width(), area.height() - captionHeight(m))
            .toRect();
    if (index == 1) {
        paintGraph(painter, s.loadSettlement.graph, below, ppi);
        return;
    }
    const int graphWidth = static_cast<int>(below.width() * kGraphShare);
    const int gap = static_cast<int>(ppi / 8);
    paintGraph(painter, s.capacity.graph, QRect(below.topLeft(), QSize(graphWidth, below.height())), ppi);
    paintProfile(painter, s,
                 QRect(QPoint(below.left() + graphWidth + gap, below.top()),
                       QSize(below.width() - graphWidth - gap, below.height())),
                 ppi, s.capacity.graph.units() != 2);
}

// Page `n` of the sheet, its top-left corner at the painter's origin.
void paintPage(QPainter& painter, const CalculationSheet& s, const SheetLayout& l, int n, const Metrics& m) {
    const auto tables = allTables(s);
    const auto refs = parts(s);
    const double left = kMargin * m.ppi, top = kMargin * m.ppi;
    const int count = static_cast<int>(l.pages.size());
    for (const PlacedBlock& p : l.pages[static_cast<std::size_t>(n)]) {
        const PartRef& ref = refs[static_cast<std::size_t>(p.block)];
        const SheetBlock& b = l.blocks[static_cast<std::size_t>(p.block)];
        const double y = top + p.top;
        switch (ref.part) {
            case Part::Title:
                paintTitleBlock(painter, QRectF(left, y, m.contentWidth(), b.height).toRect(), {m.ppi, m.ppi},
                                s.title);
                break;
            case Part::Heading:
                painter.setPen(Qt::black);
                painter.setFont(m.heading);
                painter.drawText(QRectF(left, y, m.contentWidth(), b.height), Qt::AlignLeft | Qt::AlignBottom,
                                 headingText(ref.index));
                break;
            case Part::Table:
                paintTable(painter, *tables[static_cast<std::size_t>(ref.index)], p, left, y, m);
                break;
            case Part::Figure:
                paintFigure(painter, s, ref.index, QRectF(left, y, m.contentWidth(), b.height), m.ppi);
                break;
        }
    }
    // The foot of every page: whose sheet it is, and which page of how many.
    painter.setPen(QColor(0x50, 0x50, 0x50));
    painter.setFont(m.text);
    const QRectF foot(left, top + m.contentHeight(), m.contentWidth(), m.footerHeight());
    QStringList shown;
    for (const QString& w : {s.title.project, s.title.job, s.title.file, s.title.date})
        if (!w.isEmpty()) shown << w;
    const QString page = QString(texts::kSheetPage).arg(n + 1).arg(count);
    const QFontMetricsF metrics(m.text);
    const double room = m.contentWidth() - metrics.horizontalAdvance(page) - m.ppi / 4;
    painter.drawText(foot, Qt::AlignLeft | Qt::AlignBottom,
                     metrics.elidedText(shown.join(QStringLiteral("  \u00b7  ")), Qt::ElideRight, room));
    painter.drawText(foot, Qt::AlignRight | Qt::AlignBottom, page);
}

QSize pagePixels(double ppi) {
    return {static_cast<int>(std::lround(kPageWidth * ppi)),
            static_cast<int>(std::lround(kPageHeight * ppi))};
}

QByteArray pdfBytes(const CalculationSheet& s, int& pages) {
    QBuffer file;
    file.open(QIODevice::WriteOnly);
    const Metrics m(kPdfPpi);
    const SheetLayout l = layoutAt(s, m);
    pages = static_cast<int>(l.pages.size());
    {
        QPdfWriter pdf(&file);
        pdf.setResolution(static_cast<int>(kPdfPpi));
        pdf.setTitle(s.title.subject + QStringLiteral(": ") + s.title.project);
        pdf.setCreator(s.title.program);
        pdf.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF()));
        QPainter painter;
        if (!painter.begin(&pdf)) return {};
        for (int n = 0; n < pages; ++n) {
            if (n > 0) pdf.newPage();
            paintPage(painter, s, l, n, m);
        }
        painter.end();
    }
    return file.data();
}

// --- HTML ----------------------------------------------------------------------------------------

QString escaped(const QString& text) {
    return text.toHtmlEscaped();
}

QString htmlTable(const SheetTable& t) {
    QString h = QStringLiteral("<table>\n<caption>") + escaped(t.caption) + QStringLiteral("</caption>\n");
    if (!t.headings.isEmpty()) {
        h += QStringLiteral("<thead><tr>");
        for (int c = 0; c < t.headings.size(); ++c)
            h += QStringLiteral("<th%1>").arg(c >= t.firstNumberColumn ? QStringLiteral(" class=\"n\"")
                                                                       : QString()) +
                 escaped(t.headings[c]) + QStringLiteral("</th>");
        h += QStringLiteral("</tr></thead>\n");
    }
    h += QStringLiteral("<tbody>\n");
    for (const QStringList& row : t.rows) {
        h += QStringLiteral("<tr>");
        for (int c = 0; c < row.size(); ++c)
            h += QStringLiteral("<td%1>").arg(c >= t.firstNumberColumn && row.size() > 1
                                                  ? QStringLiteral(" class=\"n\"")
                                                  : QString()) +
                 escaped(row[c]) + QStringLiteral("</td>");
        h += QStringLiteral("</tr>\n");
    }
    return h + QStringLiteral("</tbody>\n</table>\n");
}

QString figureImage(const CalculationSheet& s, int index) {
    const Metrics m(kHtmlPpi);
    const double inches = (index == 0 ? kCapacityFigureInches : kSettlementFigureInches);
    const QSize pixels(static_cast<int>(std::lround(m.contentWidth())),
                       static_cast<int>(std::lround(inches * kHtmlPpi)));
    QImage image(pixels, QImage::Format_RGB32);
    image.fill(Qt::white);
    const int dotsPerMetre = static_cast<int>(std::lround(kHtmlPpi / 0.0254));
    image.setDotsPerMeterX(dotsPerMetre);
    image.setDotsPerMeterY(dotsPerMetre);
    {
        QPainter painter(&image);
        // The caption goes into the page's own text, so the picture starts below it.
        const QRectF area(0, -captionHeight(m), pixels.width(), pixels.height() + captionHeight(m));
        paintFigure(painter, s, index, area, kHtmlPpi);
    }
    QBuffer png;
    png.open(QIODevice::WriteOnly);
    image.save(&png, "PNG");
    const QString caption = index == 0 ? s.capacity.caption + QStringLiteral("; ") + texts::kSheetSoilProfile
                                       : s.loadSettlement.caption;
    return QStringLiteral(
               "<figure>\n<img alt=\"%1\" style=\"width: 180mm\" src=\"data:image/png;base64,%2\">\n"
               "<figcaption>%1</figcaption>\n</figure>\n")
        .arg(escaped(caption), QString::fromLatin1(png.data().toBase64()));
}

}  // namespace

std::optional<SheetFormat> sheetFormat(const QString& path) {
    const QString suffix = QFileInfo(path).suffix().toLower();
    if (suffix == QLatin1String("pdf")) return SheetFormat::Pdf;
    if (suffix == QLatin1String("html") || suffix == QLatin1String("htm")) return SheetFormat::Html;
    if (suffix == QLatin1String("png")) return SheetFormat::Png;
    return std::nullopt;
}

SheetLayout sheetLayout(const CalculationSheet& sheet, double ppi) {
    return layoutAt(sheet, Metrics(ppi));
}

QByteArray calculationSheetHtml(const CalculationSheet& s) {
    QString h = QStringLiteral(
                    "<!DOCTYPE html>\n<html lang=\"en\">\n<head>\n<meta "
                    "charset=\"utf-8\">\n<title>%1</title>\n<style>\n"
                    "@page { size: A4; margin: 15mm; }\n"
                    "body { font-family: \"DejaVu Sans\", sans-serif; font-size: 8.5pt; max-width: 180mm; "
                    "margin: auto; }\n"
                    "table { border-collapse: collapse; width: 100%; margin: 0 0 3mm 0; }\n"
                    "caption { text-align: left; font-weight: bold; font-size: 9.5pt; padding: 1mm 0; }\n"
                    "th, td { padding: 0.8mm 1.5mm; vertical-align: top; text-align: left; border-bottom: "
                    "0.2mm solid #b0b0b0; }\n"
                    "th { background: #e8e8e8; }\n"
                    ".n { text-align: right; }\n"
                    "thead { display: table-header-group; }\n"
                    "tr, figure, table.title { page-break-inside: avoid; break-inside: avoid; }\n"
                    "h2 { font-size: 12pt; page-break-after: avoid; break-after: avoid; }\n"
                    "table.title td { border: 0.3mm solid black; width: 25%; }\n"
                    "table.title .label { display: block; font-size: 6.5pt; color: #505050; }\n"
                    "figure { margin: 0 0 4mm 0; }\n"
                    "figcaption { font-weight: bold; }\n"
                    "</style>\n</head>\n<body>\n")
                    .arg(escaped(s.title.subject + QStringLiteral(": ") + s.title.project));
    h += QStringLiteral("<table class=\"title\">\n<caption>") + escaped(s.title.subject) +
         QStringLiteral("</caption>\n");
    const QStringList labels = titleBlockLabels(), values = titleBlockValues(s.title);
    // As the PDF's block: the project over three quarters of the first row, then four cells.
    for (int i = 0; i < labels.size(); ++i) {
        if (i == 0 || i == 2) h += QStringLiteral("<tr>");
        h += QStringLiteral("<td%1><span class=\"label\">")
                 .arg(i == 0 ? QStringLiteral(" colspan=\"3\"") : QString()) +
             escaped(labels[i]) + QStringLiteral("</span>") + escaped(values[i]) + QStringLiteral("</td>");
        if (i == 1 || i == labels.size() - 1) h += QStringLiteral("</tr>\n");
    }
    h += QStringLiteral("</table>\n");
    h += QStringLiteral("<h2>") + escaped(texts::kSheetInputs) + QStringLiteral("</h2>\n");
    for (const SheetTable& t : s.inputs) h += htmlTable(t);
    h += QStringLiteral("<h2>") + escaped(texts::kSheetResults) + QStringLiteral("</h2>\n");
    for (const SheetTable& t : s.results) h += htmlTable(t);
    h += QStringLiteral("<h2>") + escaped(texts::kSheetGraphs) + QStringLiteral("</h2>\n");
    h += figureImage(s, 0);
    h += figureImage(s, 1);
    h += QStringLiteral("</body>\n</html>\n");
    return h.toUtf8();
}

std::vector<QImage> calculationSheetImages(const CalculationSheet& sheet, double ppi) {
    const Metrics m(ppi);
    const SheetLayout l = layoutAt(sheet, m);
    std::vector<QImage> images;
    for (int n = 0; n < static_cast<int>(l.pages.size()); ++n) {
        QImage image(pagePixels(ppi), QImage::Format_RGB32);
        image.fill(Qt::white);
        const int dotsPerMetre = static_cast<int>(std::lround(ppi / 0.0254));
        image.setDotsPerMeterX(dotsPerMetre);
        image.setDotsPerMeterY(dotsPerMetre);
        QPainter painter(&image);
        paintPage(painter, sheet, l, n, m);
        painter.end();
        images.push_back(image);
    }
    return images;
}

QString sheetPagePicture(const QString& path, int page) {
    const QFileInfo file(path);
    const QString name = file.completeBaseName() + QStringLiteral("-%1.").arg(page) + file.suffix();
    return file.path() == QLatin1String(".") && !path.startsWith(QLatin1String("./"))
               ? name
               : file.path() + u'/' + name;
}

int writeCalculationSheet(const QString& path, SheetFormat format, const CalculationSheet& sheet) {
    if (format == SheetFormat::Png) {
        const std::vector<QImage> pages = calculationSheetImages(sheet, kHtmlPpi);
        for (std::size_t n = 0; n < pages.size(); ++n) {
            QBuffer png;
            png.open(QIODevice::WriteOnly);
            const QString name = sheetPagePicture(path, static_cast<int>(n) + 1);
            if (!pages[n].save(&png, "PNG"))
                throw UserError(QStringLiteral("%1: the page could not be drawn").arg(name));
            writeFileAtomically(name, png.data());
        }
        return static_cast<int>(pages.size());
    }
    int pages = 1;
    const QByteArray bytes =
        format == SheetFormat::Pdf ? pdfBytes(sheet, pages) : calculationSheetHtml(sheet);
    if (bytes.isEmpty())
        throw UserError(QStringLiteral("%1: the calculation sheet could not be drawn").arg(path));
    writeFileAtomically(path, bytes);
    return pages;
}

}  // namespace torve::app
