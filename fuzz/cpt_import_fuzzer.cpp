// The CPT import on any cone data file and any counts of the dialog: the points read, in order of
// depth and each taken by the run, or a message and the points as they were.
#include <QString>
#include <algorithm>
#include <cmath>
#include <cstdio>

#include "app/controls/usererror.h"
#include "app/project/cptimport.h"
#include "app/project/cptpointsfile.h"
#include "app/project/project.h"
#include "fuzz/fuzz_input.h"

// The input's first line gives the dialog's counts and factor ("100 3 2 1000": data lines, header
// lines, columns, Ua); the rest is the cone data file.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace torve::app;
    using torve::CptPoint;
    const std::string all(reinterpret_cast<const char*>(data), size);
    const std::size_t eol = all.find('\n');
    const std::string head = all.substr(0, std::min<std::size_t>(eol, 200));
    int lines = 2, header = 0, columns = 2;
    double factor = 1;
    std::sscanf(head.c_str(), "%d %d %d %lf", &lines, &header, &columns, &factor);
    const std::string file =
        torve::fuzz::write("cone.txt", eol == std::string::npos ? "" : all.substr(eol + 1));

    Project p;
    ProjectData d = p.data();
    d.cptImport = {QString::fromStdString(file), lines, header, columns};
    p.setData(d);
    CptImport import(p);
    import.stressFactor = std::isfinite(factor) ? factor : 1;
    try {
        import.read();
    } catch (const UserError&) {
        if (!p.data().cptPoints.empty()) torve::fuzz::broken("a failed import changed the points");
        return 0;
    }
    const std::vector<CptPoint>& points = p.data().cptPoints;
    if (static_cast<long long>(points.size()) != std::max(0, lines))
        torve::fuzz::broken("a point count other than asked");
    if (!std::is_sorted(points.begin(), points.end(),
                        [](const CptPoint& a, const CptPoint& b) { return a.depth < b.depth; }))
        torve::fuzz::broken("points out of order of depth");
    for (const CptPoint& point : points)
        if (cptPointRefusal(point, p.data().units))
            torve::fuzz::broken("a point imported that the run would refuse");
    return 0;
}
