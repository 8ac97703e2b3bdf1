// The plot data file in any state: read or refused with the reader's message, and what reads fills
// the result graphs of a project within the engine's limits.
#include <QByteArray>

#include "app/controls/usererror.h"
#include "app/graph/plotfile.h"
#include "app/graph/wordreader.h"
#include "app/project/project.h"
#include "fuzz/fuzz_input.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace torve::app;
    const QByteArray text(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    // A project of every method and three layers, so that every block reaches a graph.
    static Project& project = []() -> Project& {
        static Project p;
        ProjectData d = p.data();
        d.selectedMethods.fill(true);
        d.printExtraTz = true;
        p.setData(d);
        p.tables().soilLayers.setRowCount(3);
        return p;
    }();
    for (ExtraTzBlock extra : {ExtraTzBlock::Absent, ExtraTzBlock::Present}) {
        try {
            WordReader r = WordReader::fromText(text);
            const PlotFile f = readPlotFile(r, extra);
            if (f.capacityCurves.size() > torve::kMethodCount || f.rowCount > torve::kMaxCapacityRows)
                torve::fuzz::broken("counts beyond the engine's limits");
            project.showResults(f);
        } catch (const UserError&) {
        }
    }
    return 0;
}
