// The analysis' checks of an input data file's values, over its records, in file order.
#pragma once

#include <memory>
#include <optional>
#include <string>

#include "engine/model/project_codec.h"

namespace torve {

// A value the analysis refuses: its record (and soil point or row, by the record's index), its
// field, and why.
struct ValueFinding {
    RecordPlace place;
    std::string field;
    std::string message;  // "expected a positive total pile length."
};

// The checks as a reading goes (RecordObserver): each record is checked as soon as it is read, and
// the first refusal raises InputError located in the file: `Input data file "p.tv6d", record 5
// (pile section), line 5: expected a positive total pile length.`
class InputValueChecks : public RecordObserver {
  public:
    explicit InputValueChecks(std::string file_name);
    ~InputValueChecks() override;
    void read(const ReadResult<ProjectRecords>& so_far, const RecordPlace& place, long long count) override;
    void read(const ReadResult<CptProfile>& so_far, const RecordPlace& place, long long count) override;

    class Walk;  // the checks of one record

  private:
    std::string file_name_;
    std::unique_ptr<Walk> walk_;
};

// The first value of the records that the analysis refuses, in the order of the file; none when
// it takes them all. Besides the ranges of the codes and values it refuses reals beyond
// kLargestReal in magnitude and counts over the table limits.
std::optional<ValueFinding> first_input_value_error(const ProjectRecords& records);
std::optional<ValueFinding> first_cpt_value_error(const CptProfile& profile);

// The counts of a file that have a table limit.
enum class CountOf { SoilPoints, TzPrintDepths, SectionRows, CptRows };
// Why the analysis refuses `n` of them ("expected from 0 to 100 section rows, found 101."); none
// when n is within the limits.
std::optional<std::string> count_limit_message(CountOf what, long long n);

// The labels messages start with: `Input data file "p.tv6d"`, `CPT data file "p.cpt"`.
std::string input_file_label(const std::string& file_name);
std::string cpt_file_label(const std::string& file_name);

}  // namespace torve
