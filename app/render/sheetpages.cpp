// How the parts of a calculation sheet go onto its pages.
#include "app/render/sheetpages.h"

#include <cstddef>

namespace torve::app {
namespace {

// The height the block needs at the least on the page it starts on: a table its head and first row.
double leastHeight(const SheetBlock& b) {
    if (b.kind == SheetBlock::Kind::Table && !b.rows.empty()) return b.height + b.rows.front();
    return b.height;
}

}  // namespace

std::vector<SheetPage> layOutSheet(const std::vector<SheetBlock>& blocks, double pageHeight, double gap) {
    std::vector<SheetPage> pages(1);
    double y = 0;
    auto newPage = [&] {
        if (!pages.back().empty()) pages.emplace_back();
        y = 0;
    };
    // Room on the current page for `height` more, after the gap that parts it from what is above.
    auto fits = [&](double height) { return y == 0 || y + gap + height <= pageHeight; };
    auto place = [&](PlacedBlock p, double height) {
        if (y > 0) y += gap;
        p.top = y;
        pages.back().push_back(p);
        y += height;
    };

    for (std::size_t i = 0; i < blocks.size(); ++i) {
        const SheetBlock& b = blocks[i];
        const int index = static_cast<int>(i);
        if (b.kind == SheetBlock::Kind::Heading) {
            // With the least of the next block, or it would stand alone at the foot of a page.
            double need = b.height;
            if (i + 1 < blocks.size()) need += gap + leastHeight(blocks[i + 1]);
            if (!fits(need)) newPage();
            place({index}, b.height);
            continue;
        }
        if (b.kind == SheetBlock::Kind::Figure || b.rows.empty()) {
            if (!fits(b.height)) newPage();
            place({index}, b.height);
            continue;
        }
        // A table, part by part: its head and as many rows as the page holds, at least one.
        int row = 0;
        const int rows = static_cast<int>(b.rows.size());
        bool continued = false;
        while (row < rows) {
            if (!fits(b.height + b.rows[static_cast<std::size_t>(row)])) newPage();
            const double start = y > 0 ? y + gap : 0;
            double height = b.height;
            int end = row;
            while (end < rows) {
                const double next = b.rows[static_cast<std::size_t>(end)];
                if (end > row && start + height + next > pageHeight) break;
                height += next;
                ++end;
            }
            place({index, row, end, continued}, height);
            row = end;
            continued = true;
            if (row < rows) newPage();
        }
    }
    if (pages.back().empty() && pages.size() > 1) pages.pop_back();
    return pages;
}

}  // namespace torve::app
