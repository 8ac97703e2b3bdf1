// The cone readings file beside a project, read for a run.
#include "engine/driver/cone_readings_beside.h"

#include <filesystem>

#include "engine/driver/input_reader.h"
#include "engine/model/cone_readings_file.h"

namespace torve {

void read_cone_readings_beside(const std::string& project_path, CptProfile& cpt) {
    const std::string path = cone_readings_path(project_path);
    std::error_code error;
    if (!std::filesystem::exists(path, error)) return;
    attach_cone_readings(cpt, read_cone_readings(read_text_file(path, "cone readings file"), path));
}

}  // namespace torve
