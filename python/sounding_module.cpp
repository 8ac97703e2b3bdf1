// torve._sounding: the desktop core's readers of AGS4, GEF, BRO-XML and CSV cone data and its import
// of a test into CPT points, for the torve package. A module of its own, so that the engine's module
// stays free of Qt; the readers need Qt Core only, without a QCoreApplication.
#include <pybind11/numpy.h>
#include <pybind11/pybind11.h>
#include <pybind11/stl.h>

#include <QByteArray>
#include <QFile>
#include <QString>
#include <QStringList>
#include <cmath>
#include <string>
#include <tuple>
#include <vector>

#include "app/controls/usererror.h"
#include "app/project/projectdata.h"
#include "app/sounding/soundingfile.h"
#include "app/sounding/soundingimport.h"
#include "app/table/units.h"
#include "python/conversion_binding.h"

namespace py = pybind11;

namespace torve::python {
namespace {

using app::SoundingQuantity;

// The Python class torve.SoundingError, created with the module.
PyObject* sounding_error_type = nullptr;

// Raises torve.SoundingError with the reader's message, and the file and line it stopped at when
// it knows them (line 0, the end of the file, stays 0).
[[noreturn]] void raise_sounding_error(const app::UserError& e) {
    py::object file = py::none(), line = py::none();
    if (e.location()) {
        if (!e.location()->file.isEmpty()) file = py::str(e.location()->file.toStdString());
        line = py::int_(e.location()->line);
    }
    py::object error = py::reinterpret_borrow<py::object>(sounding_error_type)(e.message().toStdString());
    error.attr("file") = file;
    error.attr("line") = line;
    PyErr_SetObject(sounding_error_type, error.ptr());
    throw py::error_already_set();
}

// The quantity names of the listings, with "_" for a space: "penetration_length", "qc", ...
std::string quantity_key(SoundingQuantity q) {
    return app::soundingQuantityName(q).replace(u' ', u'_').toStdString();
}

// (quantity, heading, unit) of the columns of a CSV file the caller names.
using ColumnChoice = std::tuple<std::string, std::string, std::string>;

std::vector<app::CsvColumnChoice> csv_columns(const std::vector<ColumnChoice>& choices) {
    std::vector<app::CsvColumnChoice> columns;
    for (const auto& [quantity, heading, unit] : choices) {
        app::CsvColumnChoice c;
        bool known = false;
        for (std::size_t q = 0; q < app::kSoundingQuantities && !known; ++q) {
            c.quantity = static_cast<SoundingQuantity>(q);
            known = quantity == quantity_key(c.quantity) ||
                    quantity == app::soundingQuantityName(c.quantity).toStdString();
        }
        if (!known)
            throw py::value_error("no quantity is named '" + quantity +
                                  "'; the names are depth, penetration_length, qc, fs, u2, qt");
        if (heading.empty()) throw py::value_error("the column of " + quantity + " has no heading");
        c.heading = QString::fromStdString(heading);
        c.unit = QString::fromStdString(unit);
        columns.push_back(c);
    }
    return columns;
}

// A path with a NUL in it would name another file to the system than the one asked for: refused,
// as open() refuses it.
void check_path(const std::string& path) {
    if (path.find('\0') != std::string::npos) throw py::value_error("embedded null byte");
}

app::Sounding read(const std::string& path, const std::vector<ColumnChoice>& columns) {
    check_path(path);
    const std::vector<app::CsvColumnChoice> chosen = csv_columns(columns);
    try {
        return app::readSoundingFile(QFile::decodeName(QByteArray::fromStdString(path)), chosen);
    } catch (const app::UserError& e) {
        raise_sounding_error(e);
    }
}

py::object number_or_none(double v) {
    return std::isnan(v) ? py::none() : py::cast(v);
}

// The tests of a file: name, area ratio, start level, and per column present its heading, unit and
// values (NaN where a row gives none), as the file writes them.
py::dict read_sounding(const std::string& path, const std::vector<ColumnChoice>& columns) {
    const app::Sounding sounding = read(path, columns);
    py::list tests;
    for (const app::SoundingTest& t : sounding.tests) {
        py::dict columnsOut;
        for (std::size_t q = 0; q < app::kSoundingQuantities; ++q) {
            if (t.columns[q].isEmpty()) continue;
            py::array_t<double> values(static_cast<py::ssize_t>(t.rows.size()));
            auto v = values.mutable_unchecked<1>();
            for (std::size_t r = 0; r < t.rows.size(); ++r)
                v(static_cast<py::ssize_t>(r)) = t.rows[r].values[q];
            columnsOut[py::str(quantity_key(static_cast<SoundingQuantity>(q)))] =
                py::make_tuple(t.columns[q].toStdString(), t.units[q].toStdString(), values);
        }
        py::dict test;
        test["id"] = t.id.toStdString();
        test["rows"] = t.rows.size();
        test["area_ratio"] = number_or_none(t.areaRatio);
        test["start_level"] = number_or_none(t.startLevel);
        test["columns"] = columnsOut;
        tests.append(test);
    }
    py::dict out;
    out["format"] = sounding.format.toStdString();
    out["tests"] = tests;
    return out;
}

// A test of a file as CPT points in the project's units, the engine's: depth in ft or m, cone
// resistance in lb/ft2 or kPa; with what the import did, as `torve cpt import` prints it.
py::dict import_sounding(const std::string& path, const std::string& test, bool si, const std::string& use,
                         const std::vector<ColumnChoice>& columns) {
    const app::ConeChoice choice = use == "qc"   ? app::ConeChoice::Qc
                                   : use == "qt" ? app::ConeChoice::Qt
                                                 : app::ConeChoice::Default;
    const UnitSystem units = si ? UnitSystem::SI : UnitSystem::English;
    const app::Sounding sounding = read(path, columns);
    const QString file = QFile::decodeName(QByteArray::fromStdString(path));
    app::SoundingImport result;
    try {
        const app::SoundingTest& chosen = app::soundingTest(sounding, QString::fromStdString(test), file);
        result = app::importSounding(chosen, file, units, choice);
    } catch (const app::UserError& e) {
        raise_sounding_error(e);
    }
    // The desktop program holds the cone resistance of English projects in ksf; the engine, and the
    // CPT points of a Project, in lb/ft2.
    const double scale = si ? 1 : app::kPoundsPerKip;
    std::vector<std::pair<double, double>> points;
    points.reserve(result.points.size());
    for (const CptPoint& p : result.points) points.emplace_back(p.depth, p.qc * scale);
    std::vector<std::tuple<double, std::optional<double>, std::optional<double>, std::optional<double>>>
        readings;
    const auto scaled = [scale](std::optional<double> v) { return v ? std::optional(*v * scale) : v; };
    for (const ConeReading& r : result.readings)
        readings.emplace_back(r.depth, scaled(r.fs), scaled(r.u2), scaled(r.qt));
    std::vector<std::string> summary;
    for (const QString& line : result.summary(sounding.format)) summary.push_back(line.toStdString());
    py::dict out;
    out["points"] = points;
    out["readings"] = readings;
    out["summary"] = summary;
    out["test"] = result.test.toStdString();
    out["format"] = sounding.format.toStdString();
    out["use"] = result.usedQt ? "qt" : "qc";
    out["qt_given_only"] = result.qtGivenOnly;
    out["area_ratio"] = number_or_none(result.areaRatio);
    out["depth_from"] = quantity_key(result.depthFrom);
    out["rows_read"] = result.rowsRead;
    out["skipped_no_depth"] = result.skippedNoDepth;
    out["skipped_no_value"] = result.skippedNoValue;
    out["qt_incomplete"] = result.qtIncomplete;
    out["sorted"] = result.sorted;
    out["usable"] = result.usable;
    out["interval"] = number_or_none(result.interval > 0 ? result.interval : std::nan(""));
    return out;
}

}  // namespace
}  // namespace torve::python

PYBIND11_MODULE(_sounding, m) {
    using namespace torve::python;
    m.doc() =
        "Cone data files of AGS4, GEF, BRO-XML and CSV. Use the torve package, which wraps this module.";
    sounding_error_type = PyErr_NewExceptionWithDoc(
        "torve.SoundingError",
        "A cone data file that cannot be read or imported. str(error) is the reader's message, with the\n"
        "file and what was expected; the attributes file and line locate it when the reader knows them\n"
        "(line 0: the end of the file), None otherwise.",
        PyExc_ValueError, nullptr);
    m.attr("SoundingError") = py::reinterpret_borrow<py::object>(sounding_error_type);
    m.def("read_sounding", &read_sounding, py::arg("path"), py::arg("columns"));
    m.def("import_sounding", &import_sounding, py::arg("path"), py::arg("test"), py::arg("si"),
          py::arg("use"), py::arg("columns"));
    // The module carries the desktop core for the package: its unit conversion as well.
    bind_conversion(m);
}
