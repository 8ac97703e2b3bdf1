// The soil layer constants file beside a project.
#include "engine/model/layer_constants_file.h"

#include <cmath>
#include <filesystem>
#include <vector>

#include "engine/model/input_error.h"
#include "engine/model/number_text.h"
#include "engine/model/project_codec.h"
#include "engine/model/text_encoding.h"

namespace torve {
namespace {

constexpr std::size_t kColumns = 2 + kLayerConstantFields.size();

std::vector<std::string> column_names(UnitSystem units) {
    const bool si = units == UnitSystem::SI;
    const std::string quake = si ? "_mm" : "_in";
    const std::string damping = si ? "_s_per_m" : "_s_per_ft";
    return {"point",
            si ? "depth_m" : "depth_ft",
            "shaft_quake" + quake,
            "toe_quake" + quake,
            "shaft_damping" + damping,
            "toe_damping" + damping,
            "setup_a",
            "setup_t0_days"};
}

std::string_view trimmed(std::string_view s) {
    const auto blank = [](char c) { return c == ' ' || c == '\t' || c == '\r'; };
    while (!s.empty() && blank(s.front())) s.remove_prefix(1);
    while (!s.empty() && blank(s.back())) s.remove_suffix(1);
    return s;
}

std::vector<std::string_view> cells_of(std::string_view line) {
    std::vector<std::string_view> cells;
    std::size_t start = 0;
    for (;;) {
        const std::size_t comma = line.find(',', start);
        cells.push_back(
            trimmed(line.substr(start, comma == std::string_view::npos ? line.npos : comma - start)));
        if (comma == std::string_view::npos) return cells;
        start = comma + 1;
    }
}

class Reader {
  public:
    Reader(std::string_view text, const std::string& file_name) : file_(file_name) {
        std::size_t start = 0;
        while (start < text.size()) {
            const std::size_t end = text.find('\n', start);
            lines_.push_back(text.substr(start, end == std::string_view::npos ? text.npos : end - start));
            if (end == std::string_view::npos) break;
            start = end + 1;
        }
        // Blank lines at the end are no rows.
        while (!lines_.empty() && trimmed(lines_.back()).empty()) lines_.pop_back();
    }

    [[noreturn]] void refuse(std::size_t line, std::size_t column, const std::string& what) const {
        std::string where = layer_constants_file_label(file_) + ", line " + std::to_string(line);
        std::string record;
        if (column > 0) {
            record = "column " + std::to_string(column) + " (" + names_[column - 1] + ")";
            where += ", " + record;
        }
        throw InputError(where + ": " + what, InputPlace{file_, record, line});
    }

    void read(ProjectRecords& records) {
        const UnitSystem units =
            records.unit_system_code == code_of(UnitSystem::SI) ? UnitSystem::SI : UnitSystem::English;
        names_ = column_names(units);
        if (lines_.empty()) refuse(1, 0, "expected the header line " + layer_constants_header(units) + ".");
        header(units);
        const std::size_t points = records.soil_points.size();
        const std::size_t rows = lines_.size() - 1;
        if (rows != points) {
            refuse(rows < points ? lines_.size() + 1 : points + 2, 0,
                   "the file has " + std::to_string(rows) + (rows == 1 ? " row" : " rows") +
                       " but the project has " + std::to_string(points) +
                       " soil points; it belongs to other soil layers. Mend it or remove it.");
        }
        std::vector<LayerConstants> read(points);
        for (std::size_t i = 0; i < points; ++i) read[i] = row(i, records.soil_points[i]);
        for (std::size_t i = 0; i < points; ++i) records.soil_points[i].constants = read[i];
    }

  private:
    void header(UnitSystem units) {
        const std::vector<std::string_view> cells = cells_of(lines_[0]);
        const std::vector<std::string> other =
            column_names(units == UnitSystem::SI ? UnitSystem::English : UnitSystem::SI);
        for (std::size_t c = 0; c < kColumns; ++c) {
            const std::string_view found = c < cells.size() ? cells[c] : std::string_view{};
            if (found == names_[c]) continue;
            if (found == other[c])
                refuse(1, c + 1,
                       std::string("the file is in ") + (units == UnitSystem::SI ? "English" : "S.I.") +
                           " units, the project in " + (units == UnitSystem::SI ? "S.I." : "English") +
                           " units.");
            refuse(1, c + 1, "expected the column " + names_[c] + ", found " + quoted_text(found) + ".");
        }
        if (cells.size() > kColumns) refuse(1, 0, "expected " + std::to_string(kColumns) + " columns.");
    }

    LayerConstants row(std::size_t i, const SoilPointRecord& point) const {
        const std::size_t line = i + 2;
        const std::vector<std::string_view> cells = cells_of(lines_[line - 1]);
        if (cells.size() != kColumns)
            refuse(line, 0,
                   "expected " + std::to_string(kColumns) + " cells, found " + std::to_string(cells.size()) +
                       ".");
        int number = 0;
        if (!parse_integer(cells[0], number) || number != static_cast<int>(i) + 1)
            refuse(line, 1,
                   "expected soil point " + std::to_string(i + 1) + ", found " + quoted_text(cells[0]) + ".");
        double depth = 0;
        if (!parse_real(cells[1], depth) || depth != point.depth)
            refuse(line, 2,
                   "expected the depth of soil point " + std::to_string(i + 1) + ", " +
                       shortest_real(point.depth) + ", found " + quoted_text(cells[1]) +
                       "; the file belongs to other soil layers. Mend it or remove it.");
        LayerConstants c;
        for (std::size_t k = 0; k < kLayerConstantFields.size(); ++k) {
            const std::string_view cell = cells[k + 2];
            if (cell.empty()) continue;
            double v = 0;
            if (!parse_real(cell, v))
                refuse(line, k + 3, "expected a number or an empty cell, found " + quoted_text(cell) + ".");
            c.*kLayerConstantFields[k] = v;
        }
        return c;
    }

    std::string file_;
    std::vector<std::string_view> lines_;
    std::vector<std::string> names_;
};

}  // namespace

std::string layer_constants_file_name(const std::string& project_path) {
    std::filesystem::path p(project_path);
    p.replace_extension(".layers.csv");
    return p.string();
}

bool has_layer_constants(const ProjectRecords& records) {
    for (const SoilPointRecord& p : records.soil_points)
        if (p.constants.any()) return true;
    return false;
}

std::string layer_constants_header(UnitSystem units) {
    std::string out;
    for (const std::string& name : column_names(units)) out += (out.empty() ? "" : ",") + name;
    return out;
}

std::string write_layer_constants(const ProjectRecords& records) {
    const UnitSystem units =
        records.unit_system_code == code_of(UnitSystem::SI) ? UnitSystem::SI : UnitSystem::English;
    const std::vector<std::string> names = column_names(units);
    std::string out = layer_constants_header(units) + '\n';
    const int count = static_cast<int>(records.soil_points.size());
    for (int i = 0; i < count; ++i) {
        const SoilPointRecord& p = records.soil_points[static_cast<std::size_t>(i)];
        const std::size_t line = static_cast<std::size_t>(i) + 2;
        const RecordPlace place{RecordId::LayerConstants, i, count};
        if (!std::isfinite(p.depth)) throw NotFiniteError(place, names[1], line, p.depth);
        out += std::to_string(i + 1) + ',' + shortest_real(p.depth);
        for (std::size_t k = 0; k < kLayerConstantFields.size(); ++k) {
            out += ',';
            const std::optional<double>& v = p.constants.*kLayerConstantFields[k];
            if (!v) continue;
            if (!std::isfinite(*v)) throw NotFiniteError(place, names[k + 2], line, *v);
            out += shortest_real(*v);
        }
        out += '\n';
    }
    return out;
}

void read_layer_constants(std::string_view text, const std::string& file_name, ProjectRecords& records) {
    Reader(text, file_name).read(records);
}

std::string layer_constants_file_label(const std::string& file_name) {
    return "Soil layer constants file " + quoted_text(file_name);
}

}  // namespace torve
