// The project file and its CPT points file in any state, read by the desktop core: a read that fails
// changes nothing of the open project, and a project that reads goes through the check before a run
// and saves to a file that reads and saves to the same bytes again.
#include <QString>

#include "app/controls/usererror.h"
#include "app/project/precheck.h"
#include "app/project/project.h"
#include "fuzz/fuzz_input.h"

namespace {

using namespace torve::app;
using torve::CptPoint;

QString path(const char* name) {
    return QString::fromStdString((torve::fuzz::scratch() / name).string());
}

// Everything the project would write: its input data file and its CPT points.
std::string state(const Project& p) {
    std::string s = ProjectFile::of(p.data(), p.tables()).text().toStdString();
    for (const CptPoint& c : p.data().cptPoints)
        s += std::to_string(c.depth) + ' ' + std::to_string(c.qc) + '\n';
    return s + (p.isModified() ? "modified" : "saved");
}

void saveAs(Project& p, const QString& file) {
    ProjectData d = p.data();
    d.fileName = file;
    p.setData(d);
    p.saveProject();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using torve::fuzz::broken;
    using torve::fuzz::read;
    using torve::fuzz::write;
    const auto [projectText, cptText] = torve::fuzz::projectAndCpt(data, size);
    static const std::string open =
        write("open.tv6d",
              "Open\nD\nJ\n2 1 2\n0 0 610 584 2E8 30 0\n0 0\n0 1 1 0 4 1 0\n"
              "0 0 0 1 0 0 0 0 0\n40 0\n0 1 0.8 9 30 20\n0 0 0 10 0 0 5000 0 0 1 1\n"
              "40 1 0.8 9 30 20\n0 0 0 10 0 0 9000 0 0 1 1\n0\n0 1\n0 0\n0 0\n0 0\n");
    Project p;
    p.readProject(QString::fromStdString(open), ProjectFormat::Current);
    const std::string before = state(p);
    write("f.tv6d", projectText);
    write("f.cpt", cptText);
    try {
        p.readProject(path("f.tv6d"), ProjectFormat::Current);
    } catch (const UserError&) {
        if (state(p) != before) broken("a failed read changed the open project");
        return 0;
    }
    precheck(p);  // the check before a run takes any project that opens
    saveAs(p, path("a.tv6d"));
    Project q;
    q.readProject(path("a.tv6d"), ProjectFormat::Current);
    saveAs(q, path("b.tv6d"));
    for (const char* ext : {".tv6d", ".cpt", ".gwi"}) {
        if (read((torve::fuzz::scratch() / (std::string("a") + ext)).string()) !=
            read((torve::fuzz::scratch() / (std::string("b") + ext)).string()))
            broken(std::string("read-save-read changed the ") + ext + " file");
    }
    return 0;
}
