// A project and its CPT data file, read whole.
#include "cli/project_input.h"

#include <filesystem>
#include <optional>

namespace torve::cli {

RunInput read_project_input(const std::string& path) {
    namespace fs = std::filesystem;
    const std::string text = read_text_file(path, "input data file");
    const std::string cpt_name = fs::path(path).replace_extension(".cpt").string();
    std::optional<std::string> cpt;
    std::error_code error;
    if (fs::exists(cpt_name, error)) cpt = read_text_file(cpt_name, "CPT data file");
    return parse_run_input(text, path, cpt ? std::optional<std::string_view>(*cpt) : std::nullopt, cpt_name);
}

}  // namespace torve::cli
