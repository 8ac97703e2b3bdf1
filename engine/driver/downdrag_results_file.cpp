// Writing the downdrag results file after a run named by a file of names.
#include "engine/driver/downdrag_results_file.h"

#include <filesystem>
#include <ostream>

#include "engine/driver/input_reader.h"
#include "engine/model/input_error.h"
#include "engine/model/number_text.h"
#include "engine/model/soil_settlement_file.h"
#include "engine/model/whole_file.h"

namespace torve {

std::string downdrag_results_text(const DowndragResult& d) {
    // A message is one line: the reader takes the rest of it after the first comma.
    std::string message = d.message;
    for (char& c : message)
        if (c == '\n' || c == '\r') c = ' ';
    if (!d.solved) return "solved,0\nmessage," + message + "\n";
    auto line = [](const char* name, double v) { return std::string(name) + "," + shortest_real(v) + "\n"; };
    std::string text = "solved,1\n";
    text += line("head load", d.head_load);
    text += line("neutral plane", d.neutral_plane);
    text += std::string("equilibrium neutral plane,") +
            (d.equilibrium_neutral_plane ? shortest_real(*d.equilibrium_neutral_plane) : std::string()) +
            "\n";
    text += line("drag force", d.drag_force);
    text += line("maximum axial load", d.max_load);
    text += line("maximum axial load depth", d.max_load_depth);
    text += line("head settlement", d.head_settlement);
    text += line("toe penetration", d.toe_penetration);
    text += line("toe load", d.toe_load);
    text += "depth,axial load,resistance,pile movement,soil settlement\n";
    for (std::size_t i = 0; i < d.depth.size(); ++i) {
        text += shortest_real(d.depth[i]) + "," + shortest_real(d.axial_load[i]) + "," +
                shortest_real(i < d.resistance.size() ? d.resistance[i] : 0.0) + "," +
                shortest_real(d.pile_movement[i]) + "," + shortest_real(d.soil_settlement[i]) + "\n";
    }
    return text;
}

void write_downdrag_results(const std::string& input, const std::string& cpt,
                            const std::string& settlement_file, const std::string& results_file,
                            std::ostream& console) {
    DowndragResult result;
    try {
        const std::string text = read_text_file(input, "input data file");
        std::optional<std::string> cpt_text;
        std::error_code error;
        if (!cpt.empty() && std::filesystem::exists(cpt, error))
            cpt_text = read_text_file(cpt, "CPT data file");
        const RunInput run = parse_run_input(
            text, input, cpt_text ? std::optional<std::string_view>(*cpt_text) : std::nullopt, cpt);
        const SettlementRecord record =
            parse_settlement_record(read_text_file(settlement_file, "soil settlement file"), settlement_file);
        if (!record.head_load) {
            result.message = "The soil settlement file \"" + settlement_file +
                             "\" gives no head load; the downdrag needs the sustained load at the pile head.";
        } else {
            result = compute_downdrag(run.in, run.cpt, record.soil, *record.head_load);
        }
    } catch (const std::exception& e) {
        result = {};
        result.message = e.what();
    }
    try {
        write_file_whole(results_file, downdrag_results_text(result));
    } catch (const FileError& e) {
        console << "ERROR - The downdrag results file " << results_file
                << " cannot be written: " << e.reason() << '\n';
    }
}

}  // namespace torve
