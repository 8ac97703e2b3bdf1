// Files read and written whole: a reader that takes only regular files up to a size, and writers
// that replace a file only once its new contents are complete. Every front end and the engine use
// these, so that a file is accepted, refused and replaced the same way at every door.
#pragma once

#include <cstddef>
#include <memory>
#include <ostream>
#include <stdexcept>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace torve {

// The largest file the readers take: a project, a CPT data file, a plot data file or a sounding is
// far smaller, and a larger one (a device, a runaway file) would only fill the memory.
inline constexpr std::size_t kMostFileBytes = 64ULL * 1024 * 1024;

// A file that cannot be read or written: the path, the system's error number where the system
// refused (0 where the file itself is not what was expected) and the reason in words.
class FileError : public std::runtime_error {
  public:
    FileError(std::string path, int error, std::string reason)
        : std::runtime_error(reason), path_(std::move(path)), error_(error) {}
    const std::string& path() const noexcept { return path_; }
    int error() const noexcept { return error_; }
    std::string reason() const { return what(); }

  private:
    std::string path_;
    int error_;
};

// The reasons of a file that is not what the readers take.
inline constexpr std::string_view kNotRegularFile = "it is not a regular file (a folder, a device or a pipe)";

// The whole contents of a regular file of at most `limit` bytes. A folder, a device or a pipe is
// refused without reading from it or waiting on it, as is a larger file. Raises FileError.
std::string read_regular_file(const std::string& path, std::size_t limit = kMostFileBytes);

// The reason of a file larger than the readers take, in megabytes.
std::string too_large_reason(std::size_t bytes, std::size_t limit = kMostFileBytes);

// A file being replaced. Its contents go to a new temporary file beside it, created exclusively (an
// existing name, a link included, is never opened); commit() renames the complete file into place,
// and a replacement given up or destroyed uncommitted removes the temporary file and leaves the file
// that was there. A link at the path is followed: the file it names is replaced, and the link stays.
// An existing file keeps its permissions. A path that names a folder (EISDIR), a device or a pipe is
// refused.
class FileReplacement {
  public:
    explicit FileReplacement(const std::string& path);  // raises FileError
    ~FileReplacement();
    FileReplacement(const FileReplacement&) = delete;
    FileReplacement& operator=(const FileReplacement&) = delete;

    // The new contents; a failed write marks the stream bad, and finish() names its cause.
    std::ostream& stream();
    // Writes out what the stream holds, to the disk itself, and closes the temporary file; raises
    // FileError with the first failure of any write.
    void finish();
    // finish() and then the rename into place; raises FileError.
    void commit();
    // Removes the temporary file; the file at the path stays as it was.
    void abandon() noexcept;

    const std::string& path() const noexcept { return path_; }
    // The file replaced: the path, or the file its links lead to.
    const std::string& target() const noexcept { return target_; }
    // The temporary file's descriptor, for a writer that writes to a descriptor of its own (a
    // duplicate of it); what goes through the stream is written after what was written there.
    int descriptor() const noexcept;

  private:
    class Buffer;
    std::string path_;    // as given
    std::string target_;  // the file replaced: the path, or the file its links lead to
    std::string temporary_;
    std::unique_ptr<Buffer> buffer_;
    std::unique_ptr<std::ostream> stream_;
    bool finished_ = false;
    bool done_ = false;
};

// Writes `bytes` as the file at `path`, replacing it only when complete (FileReplacement).
void write_file_whole(const std::string& path, std::string_view bytes);

// Writes files that belong together (a project and its companion files) so that they are replaced
// together or not at all: every file is written whole to its temporary file first, and only when all
// are complete are they renamed into place, each old file keeping a second name (a hard link, else a
// copy) meanwhile. When a rename fails, the files already replaced get their old contents back and
// those that were not there are removed. Raises FileError and leaves every old file as it was;
// should even a file's putting back fail, the message names the second name that holds it. What no
// program can prevent: a machine that stops between two renames leaves the files of both saves,
// the old ones under their second names ("p.cpt.Ab3dE9fG~").
void write_files_together(const std::vector<std::pair<std::string, std::string>>& files);

}  // namespace torve
