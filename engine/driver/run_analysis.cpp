// The run sequence: file of names, banner, input, checks, echo, penetration and settlement phases.
#include "engine/driver/run_analysis.h"

#include <chrono>
#include <cmath>
#include <filesystem>
#include <iostream>
#include <vector>

#include "engine/driver/compute_analysis.h"
#include "engine/driver/downdrag_results_file.h"
#include "engine/driver/input_error.h"
#include "engine/driver/input_reader.h"
#include "engine/driver/names_file.h"
#include "engine/driver/plot_blocks.h"
#include "engine/driver/plot_writer.h"
#include "engine/driver/report_load_settlement.h"
#include "engine/driver/report_sections.h"
#include "engine/driver/soil_spacing.h"
#include "engine/model/file_format.h"
#include "engine/model/layer_constants_file.h"
#include "engine/model/text_encoding.h"
#include "engine/model/unit_conversion.h"
#include "engine/model/whole_file.h"

namespace torve {
namespace {

std::tm local_now() {
    const std::time_t t = std::chrono::system_clock::to_time_t(std::chrono::system_clock::now());
    std::tm tm{};
    localtime_r(&t, &tm);
    return tm;
}

std::string quoted(const std::string& s) {
    return quoted_text(s);
}

// Whether two paths name the same file: the same existing file (through links too), or, for a file
// not yet there, the same absolute path once "." and ".." and the links of its folders are resolved.
bool same_file(const std::string& a, const std::string& b) {
    if (a.empty() || b.empty()) return false;
    namespace fs = std::filesystem;
    std::error_code ec;
    if (fs::equivalent(a, b, ec)) return true;
    const fs::path ca = fs::weakly_canonical(fs::absolute(a, ec), ec);
    const fs::path cb = fs::weakly_canonical(fs::absolute(b, ec), ec);
    return !ca.empty() && ca == cb;
}

// Starts the replacement of an output file; an unwritable path raises OutputError. The file is
// written under a temporary name and renamed into place only when the run has written it whole.
void open_output(std::optional<FileReplacement>& f, const std::string& path, const char* what) {
    try {
        f.emplace(path);
    } catch (const FileError& e) {
        throw OutputError(std::string("The ") + what + " " + quoted(path) +
                          " cannot be created: " + e.reason() + ".");
    }
}

// Takes every character and keeps none: the stream of an output nobody asked for.
class DiscardBuffer : public std::streambuf {
  protected:
    std::streamsize xsputn(const char*, std::streamsize n) override { return n; }
    int_type overflow(int_type c) override { return traits_type::not_eof(c); }
};

// One run's files and streams; everything the run needs lives here, nothing in globals.
class Run {
  public:
    Run(const RunFiles& files, std::ostream& console, const RunOptions& options)
        : files_(files), options_(options), console_(console), report_out_(&discard_), plot_out_(&discard_) {}
    // A run held in memory: the texts are read instead of the files, or the input is given already
    // read, and the outputs go to the caller's streams (or nowhere).
    Run(const RunFiles& names, const RunTexts& texts, const RunOutputs& outputs, std::ostream& console,
        const RunOptions& options)
        : files_(names),
          options_(options),
          texts_(&texts),
          console_(console),
          report_out_(outputs.report ? outputs.report : &discard_),
          plot_out_(outputs.plot ? outputs.plot : &discard_) {}
    Run(const RunFiles& names, const InputData& in, const CptProfile& cpt, const RunOutputs& outputs,
        std::ostream& console, const RunOptions& options)
        : files_(names),
          options_(options),
          read_in_(&in),
          read_cpt_(&cpt),
          console_(console),
          report_out_(outputs.report ? outputs.report : &discard_),
          plot_out_(outputs.plot ? outputs.plot : &discard_) {}

    RunResult execute();

  private:
    // The input data file and the CPT data file as read, before any output exists.
    struct InputTexts {
        std::string input;
        std::string cpt;
        bool has_cpt = false;
        std::optional<std::string> layers;
    };

    void sequence();
    void refuse_outputs_over_inputs() const;
    InputTexts read_input_texts() const;
    void start_report();
    RunInput parse_project(const InputTexts& texts);
    void write_results(const InputData& in, const CptProfile& cpt);
    void write_warning_list();
    void fail(RunStatus status, const std::string& message);
    void commit_outputs();

    bool in_memory() const { return texts_ != nullptr || read_in_ != nullptr; }

    const RunFiles& files_;
    const RunOptions& options_;
    const RunTexts* texts_ = nullptr;
    const InputData* read_in_ = nullptr;  // the input given already read, with its CPT profile
    const CptProfile* read_cpt_ = nullptr;
    TextOut console_;
    DiscardBuffer discard_buffer_;
    std::ostream discard_{&discard_buffer_};
    // The files of a run from files; the streams above write into them.
    std::optional<FileReplacement> report_file_;
    std::optional<FileReplacement> plot_file_;
    std::ostream* report_out_;
    std::ostream* plot_out_;
    std::optional<TextOut> report_;
    RunResult result_;
};

RunResult Run::execute() {
    try {
        sequence();
    } catch (const InputError& e) {
        fail(RunStatus::InputError, e.what());
    } catch (const OutputError& e) {
        fail(RunStatus::OutputError, e.what());
    } catch (const std::exception& e) {
        fail(RunStatus::InternalError, std::string("Internal error of the engine: ") + e.what());
    } catch (...) {
        fail(RunStatus::InternalError, "Internal error of the engine.");
    }
    if (report_) report_->flush();
    if (!in_memory()) {
        commit_outputs();
    } else if (result_.status == RunStatus::Completed) {
        report_out_->flush();
        plot_out_->flush();
        if (!*report_out_ || !*plot_out_) {
            fail(RunStatus::OutputError,
                 "The report or plot file could not be written completely (is the disk full?).");
        }
    }
    return result_;
}

// The report and the plot file replace those of an earlier run only once both are written whole: a
// run that is killed, or that finds the disk full, leaves the earlier outputs as they were.
void Run::commit_outputs() {
    if (report_) report_->flush();
    try {
        if (report_file_) report_file_->finish();
        if (plot_file_) plot_file_->finish();
        if (plot_file_) plot_file_->commit();
        if (report_file_) report_file_->commit();
    } catch (const FileError& e) {
        if (report_file_) report_file_->abandon();
        if (plot_file_) plot_file_->abandon();
        report_.reset();
        const char* what = e.path() == files_.plot ? "plot file " : "report file ";
        fail(RunStatus::OutputError, std::string("The ") + what + quoted(e.path()) +
                                         " could not be written completely: " + e.reason() +
                                         ". The files of an earlier run are left as they were.");
    }
}

void Run::fail(RunStatus status, const std::string& message) {
    result_.status = status;
    result_.message = message;
    const std::string line = "ERROR - " + message;
    console_.line(line);
    if (report_ && *report_out_) report_->line(line);
}

void Run::sequence() {
    write_banner(console_, files_.version);
    if (!in_memory()) refuse_outputs_over_inputs();
    if (read_in_) {
        start_report();
        // The points of a profile of the other unit system, as the project's.
        const CptProfile cpt = cpt_profile_in(*read_cpt_, read_in_->units);
        compute_results(*read_in_, cpt, result_, options_.setup);
        write_results(*read_in_, cpt);
        return write_warning_list();
    }
    // The input is read before any output is created: a run that cannot read it leaves every file
    // as it was.
    const InputTexts texts = read_input_texts();
    start_report();
    const RunInput project = parse_project(texts);
    compute_results(project.in, project.cpt, result_, options_.setup);
    write_results(project.in, project.cpt);
    write_warning_list();
}

// The run's warnings, each once with its method and depth, as the console's last lines: the report
// keeps its own lines where it has always printed them, and a caller reading the console takes the
// whole list from there.
void Run::write_warning_list() {
    if (result_.warnings.empty()) return;
    console_.blank();
    for (const RunWarning& w : result_.warnings) console_.line(warning_console_line(w, result_.english));
}

// The console lines, the report and the plot file of the computed results, in their order.
void Run::write_results(const InputData& in, const CptProfile& cpt) {
    const Units& units = units_of(in.units);
    const UnitLabels labels = unit_labels(in.units);
    if (soil_points_short(in, units))
        write_soil_extent_warning(console_, required_soil_depth(in, units), labels);
    if (result_.stop == RunStop::SoilExtent) {
        return write_soil_extent_stop(*report_, in.deepest_soil_depth, required_soil_depth(in, units),
                                      labels);
    }
    console_.line("COMPUTATION IS PROCEEDING........");
    const std::vector<DataWarning> warnings = data_warnings(in, cpt, units);
    for (const DataWarning& w : warnings) console_.line(w.line);
    write_input_echo(*report_, in, labels);
    write_result_heading(*report_);
    for (const DataWarning& w : warnings) report_->line(w.line);
    if (result_.stop == RunStop::SegmentLimit) {
        const long long segments = segment_count(in.deepest_soil_depth, in.computation_increment);
        write_segment_limit(console_, segments);
        return write_segment_limit(*report_, segments);
    }
    PlotWriter plot(*plot_out_, Flush::InBlocks);
    write_capacity_tables(*report_, result_);
    write_capacity_blocks(plot, result_);
    if (!result_.load_transfer_ran) write_load_transfer_not_run(console_);
    write_load_settlement_report(*report_, in, result_);
    write_load_settlement_blocks(plot, in, result_);
}

void Run::start_report() {
    if (!in_memory()) {
        open_output(report_file_, files_.report, "report file");
        report_out_ = &report_file_->stream();
    }
    result_.report_started = true;
    report_.emplace(*report_out_, Flush::InBlocks);
    write_banner(*report_, files_.version);
    write_file_names(*report_, files_.input, files_.report, files_.plot);
    write_date_block(*report_, options_.local_time ? *options_.local_time : local_now());
}

// A report or plot file that is one of the run's inputs, or the other output, would destroy what the
// run reads or writes; the paths are compared as the files they name (links and ".." resolved).
void Run::refuse_outputs_over_inputs() const {
    const std::pair<const std::string*, const char*> outputs[] = {{&files_.report, "report file"},
                                                                  {&files_.plot, "plot file"}};
    const std::pair<const std::string*, const char*> others[] = {
        {&files_.input, "input data file"}, {&files_.cpt, "CPT data file"}, {&files_.report, "report file"}};
    for (const auto& [output, output_name] : outputs) {
        for (const auto& [other, other_name] : others) {
            if (output == other || !same_file(*output, *other)) continue;
            throw InputError("The " + std::string(output_name) + " " + quoted(*output) + " is also the " +
                             other_name + " of the run; writing it would destroy that file. Name another " +
                             output_name + ".");
        }
    }
}

Run::InputTexts Run::read_input_texts() const {
    InputTexts t;
    if (in_memory()) {
        t.input = texts_->input;
        if (texts_->layers) t.layers = std::string(*texts_->layers);
        t.has_cpt = texts_->cpt.has_value() || !options_.cpt_optional;
        if (!t.has_cpt) return t;
        if (!texts_->cpt) throw InputError("The CPT data file " + quoted(files_.cpt) + " does not exist.");
        t.cpt = *texts_->cpt;
        return t;
    }
    t.input = read_text_file(files_.input, "input data file");
    t.layers = read_layer_constants_beside(files_.input);
    t.has_cpt = !(options_.cpt_optional && (files_.cpt.empty() || !std::filesystem::exists(files_.cpt)));
    if (t.has_cpt) t.cpt = read_text_file(files_.cpt, "CPT data file");
    return t;
}

// The plot file is created once the input has been read, beside the report that now takes the
// messages of the parse.
RunInput Run::parse_project(const InputTexts& texts) {
    if (!in_memory()) {
        open_output(plot_file_, files_.plot, "plot file");
        plot_out_ = &plot_file_->stream();
    }
    return parse_run_input(
        texts.input, files_.input, texts.has_cpt ? std::optional<std::string_view>(texts.cpt) : std::nullopt,
        files_.cpt, texts.layers ? std::optional<std::string_view>(*texts.layers) : std::nullopt,
        layer_constants_file_name(files_.input));
}

}  // namespace

RunResult run_analysis(const RunFiles& files, std::ostream& console, const RunOptions& options) {
    return Run(files, console, options).execute();
}

RunResult run_analysis(const RunFiles& names, const RunTexts& texts, const RunOutputs& outputs,
                       std::ostream& console, const RunOptions& options) {
    return Run(names, texts, outputs, console, options).execute();
}

RunResult run_analysis(const RunFiles& names, const InputData& in, const CptProfile& cpt,
                       const RunOutputs& outputs, std::ostream& console, const RunOptions& options) {
    return Run(names, in, cpt, outputs, console, options).execute();
}

RunResult run_from_names_file(std::istream& names, std::ostream& console, std::istream& console_in) {
    try {
        const NamesFile nf = read_names_file(names, console, console_in);
        RunFiles files{nf.input, nf.report, nf.plot, nf.cpt, nf.version};
        RunOptions options;
        if (nf.setup_days) options.setup = SetupRequest{*nf.setup_days, nf.setup_a, std::nullopt};
        RunResult r = run_analysis(files, console, options);
        // The pile in settling soil is solved on the curves of a run that went through.
        if (!nf.soil_settlement.empty() && !nf.downdrag.empty() && r.status == RunStatus::Completed &&
            r.stop == RunStop::None)
            write_downdrag_results(nf.input, nf.cpt, nf.soil_settlement, nf.downdrag, console);
        return r;
    } catch (const std::exception& e) {
        RunResult r;
        r.status = RunStatus::InputError;
        r.message = e.what();
        console << "ERROR - " << e.what() << '\n';
        return r;
    }
}

}  // namespace torve
