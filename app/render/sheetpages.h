// How the parts of a calculation sheet go onto its pages.
#pragma once

#include <vector>

namespace torve::app {

// A part of a sheet as the page layout sees it, by its heights in the page's units.
struct SheetBlock {
    enum class Kind {
        Heading,  // a section's heading: kept on the page of what follows it
        Table,    // `height` is its head (caption and column titles), `rows` its body rows
        Figure,   // whole or not at all
    };
    Kind kind = Kind::Heading;
    double height = 0;
    std::vector<double> rows;
};

// A block, or the rows [firstRow, endRow) of a table under its head, at `top` of a page.
struct PlacedBlock {
    int block = 0;
    int firstRow = 0;
    int endRow = 0;
    bool continued = false;  // a table's later part, its head drawn again
    double top = 0;
    bool operator==(const PlacedBlock&) const = default;
};

using SheetPage = std::vector<PlacedBlock>;

// Lays the blocks out in order onto pages `pageHeight` high, `gap` apart. A table never leaves its
// head behind: a page holds its head and at least one row, and each later part of it starts with
// the head again. A heading stays with the first part of the block after it, and a figure is never
// cut. What is taller than a whole page still gets one page of its own, so that the layout ends.
std::vector<SheetPage> layOutSheet(const std::vector<SheetBlock>& blocks, double pageHeight, double gap);

}  // namespace torve::app
