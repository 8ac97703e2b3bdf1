// What the harnesses share: a scratch folder per process, and an input split into the files of a run.
#pragma once

#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <string>
#include <string_view>
#include <utility>

namespace torve::fuzz {

// A folder of this process for the files a harness writes, made once.
inline const std::filesystem::path& scratch() {
    static const std::filesystem::path dir = [] {
        auto d = std::filesystem::temp_directory_path() / ("torve-fuzz-" + std::to_string(::getpid()));
        std::filesystem::create_directories(d);
        return d;
    }();
    return dir;
}

inline std::string write(const std::string& name, std::string_view bytes) {
    const std::string path = (scratch() / name).string();
    std::ofstream(path, std::ios::binary | std::ios::trunc)
        .write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    return path;
}

inline std::string read(const std::string& path) {
    std::ifstream f(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(f), {});
}

// The input as a project file and its CPT points file, parted by a line "@@CPT@@" (seeds are the
// examples with their .cpt files joined so); without the line the CPT file is empty.
inline std::pair<std::string_view, std::string_view> projectAndCpt(const std::uint8_t* data,
                                                                   std::size_t size) {
    const std::string_view all(reinterpret_cast<const char*>(data), size);
    constexpr std::string_view kMark = "\n@@CPT@@\n";
    const std::size_t at = all.find(kMark);
    if (at == std::string_view::npos) return {all, {}};
    return {all.substr(0, at + 1), all.substr(at + kMark.size())};
}

// A property broken: said on the console, then a crash libFuzzer keeps the input of.
[[noreturn]] inline void broken(const std::string& what) {
    std::cerr << "property broken: " << what << '\n';
    std::abort();
}

}  // namespace torve::fuzz
