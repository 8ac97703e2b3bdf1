// Project.convert() of the torve package: a project switched to the other unit system by the very
// steps of `torve convert` and of the desktop's Options > Units (the desktop core's Project::setUnits),
// so that the three never give different values for the same project.
#include "python/conversion_binding.h"

#include <pybind11/stl.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <optional>
#include <string>
#include <tuple>
#include <utility>

#include "app/controls/usererror.h"
#include "app/project/layerconstantsfile.h"
#include "app/project/project.h"
#include "app/project/projectfile.h"

namespace py = pybind11;

namespace torve::python {
namespace {

void write_whole(const QString& path, const std::string& text) {
    QFile f(path);
    if (!f.open(QIODevice::WriteOnly) ||
        f.write(text.data(), static_cast<qint64>(text.size())) != static_cast<qint64>(text.size()))
        throw py::value_error("the conversion cannot write its scratch file " + path.toStdString());
}

std::string read_whole(const QString& path) {
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        throw py::value_error("the conversion cannot read its scratch file " + path.toStdString());
    return f.readAll().toStdString();
}

// The texts of the project, of its CPT points and of its soil layer constants (none when it has
// none) in the units `to`: read, converted and saved as `torve convert` does, in a folder of the
// call's own.
std::tuple<std::string, std::optional<std::string>, std::optional<std::string>> convert_project(
    const std::string& project_text, const std::optional<std::string>& cpt_text, const std::string& to,
    const std::optional<std::string>& layers_text) {
    if (to != "SI" && to != "English")
        throw py::value_error("convert() takes \"SI\" or \"English\", not \"" + to + "\"");
    QTemporaryDir scratch;
    if (!scratch.isValid()) throw py::value_error("the conversion cannot make a scratch folder");
    const QString in = scratch.filePath(QStringLiteral("in.tv6d"));
    const QString out = scratch.filePath(QStringLiteral("out.tv6d"));
    write_whole(in, project_text);
    if (cpt_text) write_whole(app::besideProject(in, ".cpt"), *cpt_text);
    if (layers_text) write_whole(app::layerConstantsFileName(in), *layers_text);
    try {
        app::Project project;
        project.readProject(in, app::ProjectFormat::Current);
        project.setUnits(to == "SI" ? UnitSystem::SI : UnitSystem::English);
        app::ProjectData data = project.data();
        data.fileName = out;
        project.setData(data);
        project.saveProject();
    } catch (const app::UserError& e) {
        throw py::value_error("the project cannot be converted: " + e.message().toStdString());
    }
    std::optional<std::string> cpt;
    if (cpt_text) cpt = read_whole(app::besideProject(out, ".cpt"));
    std::optional<std::string> layers;
    if (QFile::exists(app::layerConstantsFileName(out)))
        layers = read_whole(app::layerConstantsFileName(out));
    return {read_whole(out), cpt, layers};
}

}  // namespace

void bind_conversion(py::module_& m) {
    m.def("convert_project", &convert_project, py::arg("project_text"), py::arg("cpt_text"), py::arg("to"),
          py::arg("layers_text") = std::nullopt,
          "The texts of a project file, of its CPT points file and of its soil layer constants file (None\n"
          "for none) converted to \"SI\" or \"English\" as torve convert converts them.");
}

}  // namespace torve::python
