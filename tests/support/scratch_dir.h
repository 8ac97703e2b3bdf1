// A fresh folder per test, removed afterwards, with small file helpers.
#pragma once

#include <filesystem>
#include <string>

namespace torve::test {

class ScratchDir {
  public:
    ScratchDir();
    ~ScratchDir();
    ScratchDir(const ScratchDir&) = delete;
    ScratchDir& operator=(const ScratchDir&) = delete;

    const std::filesystem::path& path() const { return path_; }
    std::string file(const std::string& name) const { return (path_ / name).string(); }
    // Writes `text` to `name` inside the folder and returns the full path.
    std::string write(const std::string& name, const std::string& text) const;

  private:
    std::filesystem::path path_;
};

std::string read_file(const std::filesystem::path& path);
std::string source_path(const std::string& relative);  // a path inside the source tree

// Copies the example project examples/NAME.tv6d into `dir`, with its CPT points file NAME.cpt unless
// `with_cpt` is false; the copied project's path.
std::string copy_example(const ScratchDir& dir, const std::string& name, bool with_cpt = true);

}  // namespace torve::test
