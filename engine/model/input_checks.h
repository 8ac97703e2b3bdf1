// Every check of a project's input, in one place: the values the analysis refuses, the counts over
// its table limits, whether a run gets to its results, values hardly plausible, and per selected
// method the values it lacks.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "engine/model/cpt_profile.h"
#include "engine/model/method_table.h"
#include "engine/model/project_codec.h"

namespace torve {

// One finding of the checks, where the records hold the value concerned.
struct Finding {
    enum class Severity {
        // The analysis refuses the project or stops before its results, or a selected method lacks a
        // value it needs and would compute nothing from it.
        Error,
        // A value the analysis takes but that is hardly plausible, or that a method goes without and
        // the run warns of.
        Warning,
    };
    Severity severity = Severity::Error;
    RecordPlace place = {};             // the record; a soil point or row by the record's index
    std::string field = {};             // as the file's layout names it ("total pile length")
    std::optional<Method> method = {};  // the method that needs the value; none for the whole project
    int layer = 0;                      // soil layer counted from 1 at the top; 0 for none
    std::optional<double> depth = {};   // below the ground surface, ft | m
    std::optional<double> value = {};   // the value concerned, as the records hold it
    // Names the field, the value found and the limit it breaks: "expected a positive total pile
    // length, found 0."
    std::string message = {};
    // The analysis reads the project and stops before its results with a message of its own in the
    // report (the soil extent, the segment limit) instead of refusing it.
    bool stops_run = false;

    bool is_error() const { return severity == Severity::Error; }
    // An error that the analysis refuses the project for, as its reader does.
    bool refuses() const { return is_error() && !stops_run; }
    bool operator==(const Finding&) const = default;
};

// Every finding of a project, in the order of its files: the input data file's records, the CPT data
// file's, then the rules over the whole project (whether a run gets to its results and, per selected
// method, the values each layer lacks). `cpt` has no points when there is no CPT data file. The
// records need only be well-formed, as the codec reads them.
std::vector<Finding> check_project(const ProjectRecords& records, const CptProfile& cpt);

// The parts of check_project, for a reader that checks each record as it is read: the findings of
// one record of the input data file given the records read so far (`count` as the record announces
// it: soil points, t-z print depths, section rows), those of one record of the CPT data file, and
// those of the rules over the whole project, once both files are read.
std::vector<Finding> record_findings(const ProjectRecords& so_far, const RecordPlace& place, long long count);
std::vector<Finding> cpt_record_findings(const CptProfile& so_far, const RecordPlace& place, long long count);
std::vector<Finding> whole_project_findings(const ProjectRecords& records, const CptProfile& cpt);
// Those of the soil layer constants the soil points give (quakes above 0, damping and the set-up
// factor A at least 0, the set-up time t0 above 0, every one finite), each at its soil point's layer
// and depth; check_project holds them after the CPT data file's.
std::vector<Finding> layer_constant_findings(const ProjectRecords& records);
// Why the analysis would refuse a CPT row of these values as the CPT data file holds them (ft or m,
// lb/ft2 or kPa), as its reader of the file refuses it; none when it takes the row. Every door of a
// cone data import asks it of each row before anything is replaced, so that nothing is imported
// that the next run would refuse.
std::optional<Finding> cpt_row_refusal(const CptPoint& row);
// Those of the CPT data file's unit-system code against the project's: a file with points under a
// code that names no unit system is refused; one of the other system is converted to the project's
// units by every reader (cpt_profile_in), and named with a warning.
std::vector<Finding> cpt_unit_findings(const ProjectRecords& records, const CptProfile& cpt);

// The first finding the analysis refuses the project for (Finding::refuses); null when none.
const Finding* first_refusal(const std::vector<Finding>& findings);

// Raises InputError for the first refusal among `findings`, located in the file whose label, record
// lines and name are given: `Input data file "p.tv6d", record 5 (pile section), line 5: expected a
// positive total pile length, found 0.`
void refuse_first(const std::vector<Finding>& findings, const RecordLines& lines, const std::string& label,
                  const std::string& file_name);

// The engine's reader (RecordObserver): each record is checked as soon as the codec has read it, so
// that a value the analysis refuses is named before a damage further down the file, and the first
// refusal raises InputError located in the file.
class InputValueChecks : public RecordObserver {
  public:
    explicit InputValueChecks(std::string file_name);
    void read(const ReadResult<ProjectRecords>& so_far, const RecordPlace& place, long long count) override;
    void read(const ReadResult<CptProfile>& so_far, const RecordPlace& place, long long count) override;

  private:
    std::string file_name_;
};

// The counts of a file that have a table limit.
enum class CountOf { SoilPoints, TzPrintDepths, SectionRows, CptRows };
// Why the analysis refuses `n` of them ("expected from 0 to 100 section rows, found 101."); none
// when n is within the limits.
std::optional<std::string> count_limit_message(CountOf what, long long n);

// The labels messages start with: `Input data file "p.tv6d"`, `CPT data file "p.cpt"`.
std::string input_file_label(const std::string& file_name);
std::string cpt_file_label(const std::string& file_name);

}  // namespace torve
