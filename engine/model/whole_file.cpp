// Files read and written whole.
#include "engine/model/whole_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdint>
#include <cstring>
#include <filesystem>
#include <random>

namespace torve {
namespace {

namespace fs = std::filesystem;

std::string system_reason(int error) {
    return std::strerror(error);
}

[[noreturn]] void fail(const std::string& path, int error) {
    throw FileError(path, error, system_reason(error));
}

// Closes a descriptor when it goes; the error number of a failure before it stays as it was.
struct Descriptor {
    int fd = -1;
    Descriptor() = default;
    explicit Descriptor(int f) : fd(f) {}
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;
    ~Descriptor() { close_quietly(); }
    void close_quietly() noexcept {
        if (fd < 0) return;
        const int saved = errno;
        ::close(fd);
        errno = saved;
        fd = -1;
    }
};

// The file a path leads to through its links, each relative link taken from its own folder. A loop
// of links is left to the rename to refuse (too many levels of links).
std::string link_target(const std::string& path) {
    fs::path p = path;
    for (int depth = 0; depth < 40; ++depth) {
        std::error_code ec;
        if (!fs::is_symlink(fs::symlink_status(p, ec))) return p.string();
        const fs::path to = fs::read_symlink(p, ec);
        if (ec) return p.string();
        p = to.is_absolute() ? to : p.parent_path() / to;
    }
    return p.string();
}

// Letters of the temporary names: a new name for every attempt, never a name already there.
std::string random_suffix(std::mt19937_64& random) {
    static constexpr char kLetters[] = "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789";
    std::string s(8, ' ');
    for (char& c : s) c = kLetters[random() % (sizeof kLetters - 1)];
    return s;
}

}  // namespace

std::string too_large_reason(std::size_t bytes, std::size_t limit) {
    constexpr std::size_t kMegabyte = 1024 * 1024;
    return "it holds " + std::to_string(bytes / kMegabyte) + " MB, more than the " +
           std::to_string(limit / kMegabyte) + " MB a file can have here";
}

std::string read_regular_file(const std::string& path, std::size_t limit) {
    // Opened without waiting: a pipe with no writer would otherwise hold the reader for ever. Only
    // once the descriptor shows a regular file is anything read from it.
    Descriptor f(::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY));
    if (f.fd < 0) fail(path, errno);
    struct stat st {};
    if (::fstat(f.fd, &st) != 0) fail(path, errno);
    if (!S_ISREG(st.st_mode)) throw FileError(path, 0, std::string(kNotRegularFile));
    if (static_cast<std::size_t>(st.st_size) > limit)
        throw FileError(path, 0, too_large_reason(static_cast<std::size_t>(st.st_size), limit));
    std::string bytes;
    bytes.resize(static_cast<std::size_t>(st.st_size));
    std::size_t used = 0;
    // A file that grows while it is read is read up to the limit and one byte more, to tell.
    for (;;) {
        if (used == bytes.size()) {
            if (bytes.size() > limit) throw FileError(path, 0, too_large_reason(bytes.size(), limit));
            bytes.resize(std::min(limit + 1, std::max<std::size_t>(4096, bytes.size() * 2)));
        }
        const ssize_t n = ::read(f.fd, bytes.data() + used, bytes.size() - used);
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) fail(path, errno);
        if (n == 0) break;
        used += static_cast<std::size_t>(n);
    }
    bytes.resize(used);
    return bytes;
}

// The stream's buffer over the temporary file's descriptor; it keeps the error number of its
// first failed write for finish() to report.
class FileReplacement::Buffer : public std::streambuf {
  public:
    explicit Buffer(int fd) : fd_(fd) { setp(block_, block_ + sizeof block_); }
    ~Buffer() override { close(); }

    int error() const { return error_; }
    int fd() const { return fd_; }
    bool drain() {
        const char* p = pbase();
        std::size_t left = static_cast<std::size_t>(pptr() - pbase());
        setp(block_, block_ + sizeof block_);
        return write_all(p, left);
    }
    void close() noexcept {
        if (fd_ < 0) return;
        const int saved = errno;
        ::close(fd_);
        errno = saved;
        fd_ = -1;
    }
    // Closes the descriptor, reporting a failure of the close itself (a deferred write error).
    bool close_checked() {
        const int fd = fd_;
        fd_ = -1;
        if (::close(fd) != 0 && error_ == 0) error_ = errno;
        return error_ == 0;
    }
    void note(int error) {
        if (error_ == 0) error_ = error;
    }

  protected:
    int_type overflow(int_type c) override {
        if (!drain()) return traits_type::eof();
        if (traits_type::eq_int_type(c, traits_type::eof())) return traits_type::not_eof(c);
        *pptr() = traits_type::to_char_type(c);
        pbump(1);
        return c;
    }
    std::streamsize xsputn(const char* s, std::streamsize n) override {
        const auto size = static_cast<std::size_t>(n);
        if (size <= static_cast<std::size_t>(epptr() - pptr())) {
            std::memcpy(pptr(), s, size);
            pbump(static_cast<int>(n));
            return n;
        }
        if (!drain() || !write_all(s, size)) return 0;
        return n;
    }
    int sync() override { return drain() ? 0 : -1; }

  private:
    bool write_all(const char* p, std::size_t left) {
        if (error_ != 0) return false;
        while (left > 0) {
            const ssize_t n = ::write(fd_, p, left);
            if (n < 0 && errno == EINTR) continue;
            if (n < 0) {
                error_ = errno;
                return false;
            }
            p += n;
            left -= static_cast<std::size_t>(n);
        }
        return true;
    }

    int fd_;
    int error_ = 0;
    char block_[1 << 16];
};

FileReplacement::FileReplacement(const std::string& path) : path_(path), target_(link_target(path)) {
    struct stat st {};
    const bool exists = ::stat(target_.c_str(), &st) == 0;
    if (exists && S_ISDIR(st.st_mode)) fail(path_, EISDIR);
    if (exists && !S_ISREG(st.st_mode)) throw FileError(path_, 0, std::string(kNotRegularFile));
    const fs::path folder = fs::path(target_).parent_path();
    const std::string stem =
        ((folder.empty() ? fs::path(".") : folder) / fs::path(target_).filename()).string();
    std::random_device seed;
    std::mt19937_64 random((static_cast<std::uint64_t>(seed()) << 32) ^ seed());
    int fd = -1;
    for (int attempt = 0; attempt < 100 && fd < 0; ++attempt) {
        temporary_ = stem + "." + random_suffix(random) + "~";
        // O_EXCL with O_CREAT opens no name that exists, and follows no link there. The mode is the
        // usual one of a new file, narrowed by the user's mask.
        fd = ::open(temporary_.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC | O_NOFOLLOW, 0666);
        if (fd < 0 && errno != EEXIST) fail(path_, errno);
    }
    if (fd < 0) fail(path_, EEXIST);
    if (exists) (void)::fchmod(fd, st.st_mode & 07777);
    buffer_ = std::make_unique<Buffer>(fd);
    stream_ = std::make_unique<std::ostream>(buffer_.get());
}

FileReplacement::~FileReplacement() {
    abandon();
}

int FileReplacement::descriptor() const noexcept {
    return buffer_->fd();
}

std::ostream& FileReplacement::stream() {
    return *stream_;
}

void FileReplacement::finish() {
    if (finished_) return;
    finished_ = true;
    if (buffer_->drain() && *stream_) {
        // On the disk before the rename: a crash just after it leaves the complete file, not an
        // empty one under the old name.
        if (::fdatasync(buffer_->fd()) != 0) buffer_->note(errno);
    } else {
        buffer_->note(EIO);
    }
    const bool closed = buffer_->close_checked();
    if (!closed) {
        const int error = buffer_->error();
        abandon();
        fail(path_, error);
    }
}

void FileReplacement::commit() {
    finish();
    if (done_) return;
    if (::rename(temporary_.c_str(), target_.c_str()) != 0) {
        const int error = errno;
        abandon();
        fail(path_, error);
    }
    done_ = true;
}

void FileReplacement::abandon() noexcept {
    if (done_) return;
    done_ = true;
    buffer_->close();
    const int saved = errno;
    ::unlink(temporary_.c_str());
    errno = saved;
}

void write_file_whole(const std::string& path, std::string_view bytes) {
    FileReplacement f(path);
    f.stream().write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    f.commit();
}

void write_files_together(const std::vector<std::pair<std::string, std::string>>& files) {
    // Replacements that go out of scope uncommitted remove their temporary files.
    std::vector<std::unique_ptr<FileReplacement>> written;
    for (const auto& [path, bytes] : files) {
        written.push_back(std::make_unique<FileReplacement>(path));
        written.back()->stream().write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
        written.back()->finish();
    }
    for (const auto& f : written) f->commit();
}

}  // namespace torve
