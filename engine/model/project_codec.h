// The one reader and writer of the input data file and of the CPT data file.
#pragma once

#include <cstddef>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "engine/model/cpt_profile.h"
#include "engine/model/project_records.h"
#include "engine/model/record_reader.h"

namespace torve {

// The current layout (.tv6d) and the previous version's (.tvd, read only), which lacks the stickup
// length, the reduced-resistance flag, record 8, the two LRFD factors of each soil point and
// record 15.
enum class Layout { Current, Previous };

struct ReadOptions {
    Layout layout = Layout::Current;
    // The desktop program's reading. Its tables hold whole layers of at most kMaxSoilLayers (an even
    // number of soil points, at most kMaxSoilPoints), sand blow counts as whole numbers and at most
    // kMaxCptRows CPT points of a unit system 1 or 2; and a section line that holds the row count
    // alone leaves the section mode absent, to be inferred as for files of earlier layouts, the rows
    // following when there is more than one. The engine reads a mode from the next line instead,
    // and names counts over its limits among its value checks.
    bool desktop_tables = false;
};

// The records of the input data file and the CPT data file, as findings and messages name them.
enum class RecordId {
    Title,
    Designer,
    JobNumber,
    UnitsAndCounts,
    PileSection,
    EndSection,
    Options,
    MethodFlags,
    SoilDepth,
    SoilPointFirstLine,  // of soil point `index`
    SoilPointSecondLine,
    TzPrint,
    TzPrintDepth,  // depth `index`
    Loading,
    DrainageAndPlug,
    SectionTable,
    SectionRow,  // row `index`
    CriticalDepth,
    WorkingLoads,
    CptHeader,
    CptRow,  // row `index`
    // The soil layer constants of soil point `index`, which the file beside the project holds.
    LayerConstants,
};

// One record of a file; `index` (from 0) and `count` place a record of a series.
struct RecordPlace {
    RecordId id = RecordId::Title;
    int index = 0;
    int count = 0;
    bool operator==(const RecordPlace&) const = default;
};

// "record 5 (pile section)", "record 10 (soil point 3 of 6, first line)", "CPT row 2 of 9".
std::string record_title(const RecordPlace& place);

// The line on which each record of an input data file starts (1-based), so that a finding on a
// record can be located in the file.
struct RecordLines {
    std::size_t units_and_counts = 0, pile_section = 0, end_section = 0, options = 0, method_flags = 0;
    std::size_t soil_depth = 0;
    std::vector<std::size_t> soil_point_first, soil_point_second;
    std::size_t t_z_print = 0;
    std::vector<std::size_t> t_z_print_depths;
    std::size_t loading = 0, drainage_and_plug = 0, section_table = 0;
    std::vector<std::size_t> section_rows;
    std::size_t critical_depth = 0;
    std::size_t working_loads = 0;
    // The CPT data file's.
    std::size_t cpt_header = 0;
    std::vector<std::size_t> cpt_rows;

    // The line of a record; 0 when it was not read.
    std::size_t of(const RecordPlace& place) const;
};

template <class Records>
struct ReadResult {
    Records records;
    RecordLines lines;
};

// Told of each record as soon as it is read, with what is read so far and the count the record
// announces (soil points, t-z print depths, section rows, CPT rows; else 0). It may throw to stop the
// reading there: the engine's value checks go so, and name a value the analysis refuses before a
// damage further down the file.
class RecordObserver {
  public:
    virtual ~RecordObserver() = default;
    virtual void read(const ReadResult<ProjectRecords>& so_far, const RecordPlace& place,
                      long long count) = 0;
    virtual void read(const ReadResult<CptProfile>& so_far, const RecordPlace& place, long long count) = 0;
};

// Reads an input data file for well-formedness only: a number where a number stands, an integer
// where an integer stands, counts that are not negative and that the rest of the file can hold
// (checked before any room is made for them) and the records the t-z print flag and the section
// mode bring; for the desktop program's tables also a soil-type code of 1 or 2, which decides the
// values it holds (the engine's value checks name any other code in their order). Values are not
// judged (InputValueChecks does). Failures raise FormatError; `file_name` goes into its message and
// its place(). The texts (records 1 to 3) are held in UTF-8: a file that is not valid UTF-8
// throughout is read as Latin-1, a byte-order mark before the title is dropped, and a control
// character reads as a blank.
ReadResult<ProjectRecords> read_project_records(std::string_view text, const std::string& file_name,
                                                const ReadOptions& options = {},
                                                RecordObserver* observer = nullptr);

// Reads a CPT data file: unit code and row count, then one depth/qc pair per row.
ReadResult<CptProfile> read_cpt_records(std::string_view text, const std::string& file_name,
                                        const ReadOptions& options = {}, RecordObserver* observer = nullptr);

// How the writer writes a value.
enum class WriteStyle {
    // The desktop program's save: its own fields in general form with up to 10 significant digits
    // (in their shortest exact form where 10 digits would not read back to them),
    // the values of its tables (soil points, t-z print depths, section rows) in the shortest form
    // that reads back to them, "0.0" for the values that do not apply to the soil type, the first
    // soil point at depth "0.0" and a sand's blow count as a whole number.
    Desktop,
    // Every value in the shortest form that reads back to it, as held (shortest_real).
    AsHeld,
};

// A value that is not finite, refused by the writers: no reader would take it back. Nothing is
// written.
class NotFiniteError : public std::runtime_error {
  public:
    NotFiniteError(RecordPlace place, std::string_view field, std::size_t line, double value);
    RecordPlace place;
    std::string field;
    std::size_t line;  // where the value would have been written
    double value;
    // "INF", "-INF" or "NAN".
    std::string word() const;
};

// The input data file of `records`, one record per line, values separated by single blanks, "."
// as decimal mark whatever the locale; line breaks and other control characters inside a text
// become blanks. `lines`, when
// given, receives where each record is written.
std::string write_project_records(const ProjectRecords& records, WriteStyle style,
                                  RecordLines* lines = nullptr);

// The CPT data file of `profile` as held: unit code and row count, then one depth/qc pair per line.
std::string write_cpt_records(const CptProfile& profile);

// The CPT data file as the desktop program writes it: " 1 " or " 2 " followed by the count, then
// per point two blanks, the depth, two blanks and qc x `qc_scale` (from the points' unit to the
// file's), both as 1.25E+02 with the fewest digits, 3 at least, that read back to the point's own
// value once divided by the scale again (17 when none does).
std::string write_cpt_records_desktop(int unit_code, const std::vector<CptPoint>& points, double qc_scale);

}  // namespace torve
