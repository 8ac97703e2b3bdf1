// Writing a calculation sheet: A4 pages as a PDF file, or one HTML page that prints the same parts.
#pragma once

#include <QImage>
#include <QPointF>
#include <QString>
#include <optional>
#include <vector>

#include "app/render/sheetpages.h"

namespace torve::app {

struct CalculationSheet;

// A PDF of A4 pages, an HTML page, or one PNG picture per page.
enum class SheetFormat { Pdf, Html, Png };

// The format a file name's extension asks for ("pdf", "html", "htm", "png", any case); nothing for
// another.
std::optional<SheetFormat> sheetFormat(const QString& path);

// The sheet's blocks in order (the title block, the section headings, the tables, the figures) and
// the pages they take on A4 paper with margins of 15 mm, measured at `ppi`.
struct SheetLayout {
    std::vector<SheetBlock> blocks;
    std::vector<SheetPage> pages;
};
SheetLayout sheetLayout(const CalculationSheet& sheet, double ppi);

// The sheet as an HTML page: the same tables, the graphs as PNG pictures within the page, and print
// rules that repeat a table's head on every page it runs onto.
QByteArray calculationSheetHtml(const CalculationSheet& sheet);

// The pages as pictures at `ppi`, drawn as the PDF's are: to look at them without a PDF reader.
std::vector<QImage> calculationSheetImages(const CalculationSheet& sheet, double ppi);

// The file of page `page` (from 1) of a sheet written as PNG pictures to `path`: "sheet.png" gives
// "sheet-1.png", "sheet-2.png", ...
QString sheetPagePicture(const QString& path, int page);

// Writes the sheet to `path` (PNG pictures to the names of sheetPagePicture, at 150 pixels per inch),
// each file whole or not at all: an existing file is replaced only by a complete one. Returns the
// number of pages, 1 for HTML. Raises UserError naming the file and the system's reason when it
// cannot be written.
int writeCalculationSheet(const QString& path, SheetFormat format, const CalculationSheet& sheet);

}  // namespace torve::app
