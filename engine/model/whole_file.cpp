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

namespace {

// An existing file kept under a second name while the files of a save are renamed into place, so
// that a rename that fails can put it back. A hard link costs nothing and keeps the file itself; on a
// file system without them the file is copied.
struct KeptAside {
    std::string target;
    std::string kept;  // empty when there was no file to keep
};

// A new exclusive name beside `target`, made by `make` (which returns 0 or an error number);
// EEXIST makes another name.
template <class Make>
int beside(const std::string& target, std::string& name, Make&& make) {
    const fs::path folder = fs::path(target).parent_path();
    const std::string stem =
        ((folder.empty() ? fs::path(".") : folder) / fs::path(target).filename()).string();
    std::random_device seed;
    std::mt19937_64 random((static_cast<std::uint64_t>(seed()) << 32) ^ seed());
    for (int attempt = 0; attempt < 100; ++attempt) {
        name = stem + "." + random_suffix(random) + "~";
        const int error = make(name);
        if (error != EEXIST) return error;
    }
    return EEXIST;
}

int copy_to_new(const std::string& from, const std::string& to, mode_t mode) {
    std::string bytes;
    try {
        bytes = read_regular_file(from);
    } catch (const FileError& e) {
        return e.error() != 0 ? e.error() : EIO;
    }
    Descriptor f(::open(to.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC | O_NOFOLLOW, 0600));
    if (f.fd < 0) return errno;
    // A copy put back is the old file with its permissions.
    (void)::fchmod(f.fd, mode);
    for (std::size_t done = 0; done < bytes.size();) {
        const ssize_t n = ::write(f.fd, bytes.data() + done, bytes.size() - done);
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) {
            const int error = errno;
            ::unlink(to.c_str());
            return error;
        }
        done += static_cast<std::size_t>(n);
    }
    int error = ::fdatasync(f.fd) == 0 ? 0 : errno;
    const int fd = f.fd;
    f.fd = -1;
    if (::close(fd) != 0 && error == 0) error = errno;
    if (error != 0) ::unlink(to.c_str());
    return error;
}

KeptAside keep_aside(const std::string& path, const std::string& target) {
    KeptAside k{target, {}};
    struct stat st {};
    if (::stat(target.c_str(), &st) != 0) return k;  // nothing there to keep
    int error = beside(target, k.kept, [&](const std::string& name) {
        return ::link(target.c_str(), name.c_str()) == 0 ? 0 : errno;
    });
    if (error != 0 && error != EEXIST)
        error = beside(target, k.kept, [&](const std::string& name) {
            return copy_to_new(target, name, st.st_mode & 07777);
        });
    if (error != 0) fail(path, error);
    return k;
}

}  // namespace

void write_files_together(const std::vector<std::pair<std::string, std::string>>& files) {
    // Replacements that go out of scope uncommitted remove their temporary files.
    std::vector<std::unique_ptr<FileReplacement>> written;
    for (const auto& [path, bytes] : files) {
        written.push_back(std::make_unique<FileReplacement>(path));
        written.back()->stream().write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
        written.back()->finish();
    }
    // Every new file is complete: only the renames are left, each of which can still fail (a full
    // folder, a file made read-only meanwhile). Until all are done each old file keeps a second name;
    // a failed rename puts back the old files already replaced, and a file that was not there before
    // goes again, so that the save leaves every file as it found it.
    std::vector<KeptAside> kept;
    const auto forget = [&kept] {
        for (const KeptAside& k : kept)
            if (!k.kept.empty()) ::unlink(k.kept.c_str());
    };
    try {
        for (const auto& f : written) kept.push_back(keep_aside(f->path(), f->target()));
    } catch (const FileError&) {
        forget();
        throw;
    }
    for (std::size_t i = 0; i < written.size(); ++i) {
        try {
            written[i]->commit();
        } catch (const FileError& e) {
            std::string unrestored;
            for (std::size_t j = 0; j < i; ++j) {
                KeptAside& k = kept[j];
                if (k.kept.empty()) {
                    ::unlink(k.target.c_str());
                    continue;
                }
                // Put back, the second name goes with the rename; else the old file stays under it,
                // which the message gives.
                if (::rename(k.kept.c_str(), k.target.c_str()) != 0)
                    unrestored += "; the previous " + k.target + " is kept as " + k.kept;
                k.kept.clear();
            }
            forget();
            if (unrestored.empty()) throw;
            throw FileError(e.path(), e.error(), e.reason() + unrestored);
        }
    }
    forget();
}

}  // namespace torve
