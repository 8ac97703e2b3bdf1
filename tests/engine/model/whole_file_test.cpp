// Files read and written whole: what the reader refuses without waiting, and replacements that
// leave the old file on every failure, follow links one way and never open a name already there.
#include "engine/model/whole_file.h"

#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <csignal>
#include <filesystem>
#include <fstream>

#include "tests/support/scratch_dir.h"

namespace {

namespace fs = std::filesystem;
using torve::FileError;
using torve::test::read_file;
using torve::test::ScratchDir;

// The names in the folder: a failed or finished write leaves no temporary file behind.
std::vector<std::string> names_in(const fs::path& dir) {
    std::vector<std::string> names;
    for (const auto& e : fs::directory_iterator(dir)) names.push_back(e.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

// The error a read raises: its number, or 0 with the reason for a file that is not what is taken.
FileError read_error(const std::string& path, std::size_t limit = torve::kMostFileBytes) {
    try {
        torve::read_regular_file(path, limit);
    } catch (const FileError& e) {
        return e;
    }
    return FileError(path, -1, "read");
}

TEST(ReadRegularFile, RefusesWhatIsNoRegularFileWithoutWaiting) {
    ScratchDir dir;
    const std::string pipe = dir.file("pipe");
    ASSERT_EQ(mkfifo(pipe.c_str(), 0600), 0);
    fs::create_directory(dir.file("folder"));
    // A pipe with no writer: a blocking open would wait for ever (the test's time limit ends it).
    const struct {
        std::string path;
        int error;
    } cases[] = {
        {pipe, 0},
        {"/dev/zero", 0},  // endless: read whole it would fill the memory
        {dir.file("folder"), 0},
        {dir.file("missing"), ENOENT},
        {dir.write("file", "x") + "/below", ENOTDIR},
    };
    for (const auto& c : cases) {
        const FileError e = read_error(c.path);
        EXPECT_EQ(e.error(), c.error) << c.path;
        EXPECT_EQ(e.path(), c.path);
        if (c.error == 0) {
            EXPECT_EQ(e.reason(), torve::kNotRegularFile) << c.path;
        }
    }
}

TEST(ReadRegularFile, ReadsUpToTheLimit) {
    ScratchDir dir;
    const std::string ten = dir.write("ten", "0123456789");
    EXPECT_EQ(torve::read_regular_file(ten, 10), "0123456789");
    EXPECT_EQ(torve::read_regular_file(dir.write("empty", "")), "");
    const FileError e = read_error(ten, 9);
    EXPECT_EQ(e.error(), 0);
    EXPECT_NE(e.reason().find("more than the 0 MB"), std::string::npos) << e.reason();
    // 64 MB + 1 byte against the default limit: "holds 64 MB", whole megabytes rounded down.
    const std::string big = dir.file("big");
    fs::resize_file(dir.write("big", ""), torve::kMostFileBytes + 1);
    EXPECT_EQ(read_error(big).reason(), "it holds 64 MB, more than the 64 MB a file can have here");
    fs::resize_file(big, torve::kMostFileBytes);
    EXPECT_EQ(torve::read_regular_file(big).size(), torve::kMostFileBytes);
}

TEST(FileReplacement, ReplacesWholeAndKeepsPermissions) {
    ScratchDir dir;
    const std::string path = dir.write("p.tv6d", "old");
    fs::permissions(path, fs::perms(0640));
    torve::write_file_whole(path, "new contents");
    EXPECT_EQ(read_file(path), "new contents");
    EXPECT_EQ(fs::status(path).permissions(), fs::perms(0640));
    EXPECT_EQ(names_in(dir.path()), std::vector<std::string>{"p.tv6d"});
    // A new file takes the usual mode under the user's mask (0666 & ~022 in the test's umask).
    const mode_t mask = umask(022);
    torve::write_file_whole(dir.file("new.tv6o"), "");
    umask(mask);
    EXPECT_EQ(fs::status(dir.file("new.tv6o")).permissions(), fs::perms(0644));
}

TEST(FileReplacement, UncommittedLeavesTheOldFile) {
    ScratchDir dir;
    const std::string path = dir.write("p.tv6o", "the earlier report");
    {
        torve::FileReplacement f(path);
        f.stream() << "half a report";
        f.finish();  // complete on the disk, but never renamed: a run killed here
    }
    {
        torve::FileReplacement f(path);
        f.stream() << "given up";
        f.abandon();
    }
    EXPECT_EQ(read_file(path), "the earlier report");
    EXPECT_EQ(names_in(dir.path()), std::vector<std::string>{"p.tv6o"});
}

// A link at the path is followed, relative or absolute, dangling or not: the file it names is
// replaced and the link stays a link.
TEST(FileReplacement, FollowsALinkAtThePath) {
    ScratchDir dir;
    fs::create_directory(dir.file("real"));
    const std::string precious = dir.write("real/precious", "old");
    fs::create_symlink("real/precious", dir.file("relative"));
    fs::create_symlink(dir.file("relative"), dir.file("chain"));
    fs::create_symlink("real/not-yet", dir.file("dangling"));
    const struct {
        std::string link;
        std::string target;
    } cases[] = {
        {dir.file("relative"), precious},
        {dir.file("chain"), precious},
        {dir.file("dangling"), dir.file("real/not-yet")},
    };
    for (const auto& c : cases) {
        torve::write_file_whole(c.link, "through " + c.link);
        EXPECT_TRUE(fs::is_symlink(c.link)) << c.link;
        EXPECT_EQ(read_file(c.target), "through " + c.link);
    }
    EXPECT_EQ(names_in(dir.file("real")), (std::vector<std::string>{"not-yet", "precious"}));
}

// The temporary file is a new name: a link planted where a fixed temporary name would be (the
// old "q.tv6d.writing~") is never written through.
TEST(FileReplacement, NeverWritesThroughAPlantedName) {
    ScratchDir dir;
    const std::string precious = dir.write("precious", "keep me");
    fs::create_symlink(precious, dir.file("q.tv6d.writing~"));
    torve::write_file_whole(dir.file("q.tv6d"), "project");
    EXPECT_EQ(read_file(precious), "keep me");
    EXPECT_EQ(read_file(dir.file("q.tv6d")), "project");
}

TEST(FileReplacement, RefusalsNameTheFileAndTheSystemsError) {
    ScratchDir dir;
    fs::create_directory(dir.file("folder.tv6d"));
    const std::string blocker = dir.write("file", "x");
    const struct {
        std::string path;
        int error;  // 0: no regular file
    } cases[] = {
        {dir.file("folder.tv6d"), EISDIR},
        {"/dev/null", 0},  // replacing a device would take it from every other program
        {dir.file("missing/p.tv6d"), ENOENT},
        {blocker + "/p.tv6d", ENOTDIR},
    };
    for (const auto& c : cases) {
        try {
            torve::write_file_whole(c.path, "x");
            ADD_FAILURE() << c.path << " was written";
        } catch (const FileError& e) {
            EXPECT_EQ(e.path(), c.path);
            EXPECT_EQ(e.error(), c.error) << c.path << ": " << e.reason();
        }
    }
    EXPECT_TRUE(fs::is_character_file("/dev/null"));
    EXPECT_EQ(names_in(dir.path()), (std::vector<std::string>{"file", "folder.tv6d"}));
}

// The second file of a save cannot be written: the first stays the old one, and no temporary
// file is left.
TEST(WriteFilesTogether, AllOrNone) {
    ScratchDir dir;
    const std::string project = dir.write("p.tv6d", "old project");
    fs::create_directory(dir.file("p.cpt"));  // a folder where the CPT points go
    try {
        torve::write_files_together({{project, "new project"}, {dir.file("p.cpt"), " 2 0\n"}});
        ADD_FAILURE() << "written";
    } catch (const FileError& e) {
        EXPECT_EQ(e.path(), dir.file("p.cpt"));
    }
    EXPECT_EQ(read_file(project), "old project");
    EXPECT_EQ(names_in(dir.path()), (std::vector<std::string>{"p.cpt", "p.tv6d"}));
    torve::write_files_together({{project, "new project"}, {dir.file("q.cpt"), " 2 0\n"}});
    EXPECT_EQ(read_file(project), "new project");
    EXPECT_EQ(read_file(dir.file("q.cpt")), " 2 0\n");
}

// A full disk at every fill level from 0 to past the end (here a file-size limit in a child
// process): the old file stands, the error is the system's "File too large", no temporary is left.
TEST(WriteFilesTogether, FullDiskAtEveryLevelKeepsTheOldFiles) {
    ScratchDir dir;
    const std::string project = dir.write("p.tv6d", "old project");
    const std::string cpt = dir.write("p.cpt", "old points");
    const std::string text(3000, 'x');
    for (long limit : {1L, 100L, 2999L, 3001L, 5999L}) {
        const pid_t pid = fork();
        ASSERT_GE(pid, 0);
        if (pid == 0) {
            std::signal(SIGXFSZ, SIG_IGN);
            const rlimit r{static_cast<rlim_t>(limit), static_cast<rlim_t>(limit)};
            setrlimit(RLIMIT_FSIZE, &r);
            try {
                torve::write_files_together({{project, text}, {cpt, text + text}});
            } catch (const FileError& e) {
                _exit(e.error() == EFBIG ? 0 : 2);
            }
            _exit(1);
        }
        int status = 0;
        waitpid(pid, &status, 0);
        EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << "limit " << limit;
        EXPECT_EQ(read_file(project), "old project") << "limit " << limit;
        EXPECT_EQ(read_file(cpt), "old points") << "limit " << limit;
        EXPECT_EQ(names_in(dir.path()), (std::vector<std::string>{"p.cpt", "p.tv6d"}));
    }
}

}  // namespace
