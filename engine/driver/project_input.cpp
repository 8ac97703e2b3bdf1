// Reading a project with the files that lie beside it.
#include "engine/driver/project_input.h"

#include <filesystem>

#include "engine/model/layer_constants_file.h"

namespace torve {

RunInput read_project_input(const std::string& project, std::optional<Method> only_method) {
    namespace fs = std::filesystem;
    const std::string text = read_text_file(project, "input data file");
    const std::string cpt_name = fs::path(project).replace_extension(".cpt").string();
    std::optional<std::string> cpt;
    std::error_code error;
    if (fs::exists(cpt_name, error)) cpt = read_text_file(cpt_name, "CPT data file");
    // The soil layer constants beside it give the layers' own quakes, damping and set-up rates.
    const std::optional<std::string> layers = read_layer_constants_beside(project);
    return parse_run_input(text, project, cpt ? std::optional<std::string_view>(*cpt) : std::nullopt,
                           cpt_name, layers ? std::optional<std::string_view>(*layers) : std::nullopt,
                           layer_constants_file_name(project), only_method);
}

}  // namespace torve
