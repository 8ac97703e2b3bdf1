// Scratch folders under the system's temporary directory.
#include "tests/support/scratch_dir.h"

#include <unistd.h>
#include <atomic>
#include <fstream>
#include <random>
#include <sstream>
#include <stdexcept>

namespace torve::test {

ScratchDir::ScratchDir() {
    static std::atomic<unsigned> counter{0};
    std::random_device rd;
    const auto name = "torve-test-" + std::to_string(::getpid()) + "-" + std::to_string(counter++) + "-" +
                      std::to_string(rd() % 100000);
    path_ = std::filesystem::temp_directory_path() / name;
    std::filesystem::create_directories(path_);
}

ScratchDir::~ScratchDir() {
    std::error_code ec;
    std::filesystem::remove_all(path_, ec);
}

std::string ScratchDir::write(const std::string& name, const std::string& text) const {
    const auto p = path_ / name;
    std::ofstream f(p, std::ios::binary);
    f << text;
    if (!f) throw std::runtime_error("cannot write " + p.string());
    return p.string();
}

std::string read_file(const std::filesystem::path& path) {
    std::ifstream f(path, std::ios::binary);
    if (!f) throw std::runtime_error("cannot read " + path.string());
    std::ostringstream ss;
    ss << f.rdbuf();
    return ss.str();
}

std::string source_path(const std::string& relative) {
    return std::string(TORVE_SOURCE_DIR) + "/" + relative;
}

std::string copy_example(const ScratchDir& dir, const std::string& name, bool with_cpt) {
    const std::filesystem::path examples = source_path("examples");
    std::filesystem::copy_file(examples / (name + ".tv6d"), dir.path() / (name + ".tv6d"));
    if (with_cpt) std::filesystem::copy_file(examples / (name + ".cpt"), dir.path() / (name + ".cpt"));
    return (dir.path() / (name + ".tv6d")).string();
}

}  // namespace torve::test
