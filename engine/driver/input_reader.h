// Readers of the input data file (.tv6d) and the CPT data file (.cpt) for a run.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "engine/model/input_data.h"
#include "engine/model/project_records.h"

namespace torve {

// Parses the input data file: the codec's reading, the checks of each record as it is read, then
// input_data_of. Input the analysis cannot use (a missing or non-numeric value, a count over its
// table limit, a value out of its range) raises InputError naming the file, record, line and what was
// expected.
InputData parse_input_data(std::string_view text, const std::string& file_name);

// The input of a run: the input data file and the CPT data file, read and checked as a run reads them.
struct RunInput {
    InputData in;
    CptProfile cpt;
};

// Parses the input data file and the CPT data file of a run (`cpt_text` none: no CPT points) as
// parse_input_data and parse_cpt_data do, then refuses the first error of the checks over the whole
// project, which need both (the values each selected method lacks), located in the input data file.
// With `only_method`, the run selects that method alone, whatever the file selects, and the checks
// ask of the layers only what it needs.
RunInput parse_run_input(std::string_view input_text, const std::string& input_name,
                         std::optional<std::string_view> cpt_text, const std::string& cpt_name,
                         std::optional<Method> only_method = std::nullopt);

// The same with the soil layer constants file (`layers_text` none: no such file): its values go to
// the soil points, a file that does not fit them is refused as its reader refuses it, and a value the
// checks refuse is named in that file.
RunInput parse_run_input(std::string_view input_text, const std::string& input_name,
                         std::optional<std::string_view> cpt_text, const std::string& cpt_name,
                         std::optional<std::string_view> layers_text, const std::string& layers_name,
                         std::optional<Method> only_method = std::nullopt);

// The text of the soil layer constants file beside the input data file at `input_path`; none when
// there is no such file. One that cannot be read raises InputError naming it.
std::optional<std::string> read_layer_constants_beside(const std::string& input_path);

// The analysis' view of records that the checks do not refuse (check_project), with the
// reader's conversions in file order: tip area to ft2, the equivalent diameter of a noncircular
// section, an absent end section covering the whole pile, a sand's blow count moved to its place,
// stresses to ksf, and the markers of unlimited friction and bearing. Fields of the previous layout
// that the records lack take the defaults of a new project.
InputData input_data_of(const ProjectRecords& records);

// Parses the CPT data file: unit code and row count, then one depth/qc pair per row, with the row
// limit and the depths going downwards checked.
CptProfile parse_cpt_data(std::string_view text, const std::string& file_name);

// Reads a whole text file; a missing or unreadable file raises InputError naming `what`.
std::string read_text_file(const std::string& path, std::string_view what);

}  // namespace torve
