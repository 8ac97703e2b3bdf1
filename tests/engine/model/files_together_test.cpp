// The files of one save replaced together or not at all, with the system's renames and links made
// to fail on purpose: whichever rename fails, every file is left as the save found it.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <set>

#include "engine/model/whole_file.h"
#include "tests/support/scratch_dir.h"

namespace {

// The faults to inject; the calls go through unchanged while nothing is armed.
struct Faults {
    bool armed = false;
    int renames = 0;          // renames seen since armed
    std::set<int> fail_at;    // 1-based renames that fail
    int error = ENOSPC;       // with this error
    bool links_fail = false;  // every link fails with EPERM (a file system without hard links)
};
Faults faults;

}  // namespace

// The test program's own rename and link take the place of the C library's for every caller in it,
// the file writers included; the system calls themselves do the work.
extern "C" int rename(const char* from, const char* to) noexcept {
    if (faults.armed && faults.fail_at.count(++faults.renames) > 0) {
        errno = faults.error;
        return -1;
    }
    return ::renameat(AT_FDCWD, from, AT_FDCWD, to);
}

extern "C" int link(const char* from, const char* to) noexcept {
    if (faults.armed && faults.links_fail) {
        errno = EPERM;
        return -1;
    }
    return ::linkat(AT_FDCWD, from, AT_FDCWD, to, 0);
}

namespace {

namespace fs = std::filesystem;
using torve::FileError;
using torve::test::read_file;
using torve::test::ScratchDir;

std::vector<std::string> names_in(const fs::path& dir) {
    std::vector<std::string> names;
    for (const auto& e : fs::directory_iterator(dir)) names.push_back(e.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

struct Armed {
    explicit Armed(std::set<int> fail_at, bool links_fail = false) {
        faults = {};
        faults.fail_at = std::move(fail_at);
        faults.links_fail = links_fail;
        faults.armed = true;
    }
    ~Armed() { faults = {}; }
};

// A save of three files (the project, its CPT points, its driveability export) over old ones, the
// export new; the n-th rename fails. Renames 1 to 3 put the new files in place in order, so a
// failure at 2 comes after the project is replaced and at 3 after the CPT points are.
TEST(FilesTogetherFaults, AFailedRenameLeavesEveryFileAsItWas) {
    struct Case {
        const char* name;
        int failing_rename;
        bool links_fail;
    };
    const Case cases[] = {
        {"first rename", 1, false},
        {"second rename, project replaced", 2, false},
        {"third rename, project and CPT points replaced", 3, false},
        {"second rename, old files copied aside", 2, true},
        {"third rename, old files copied aside", 3, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ScratchDir dir;
        const std::string project = dir.write("p.tv6d", "old project");
        const std::string cpt = dir.write("p.cpt", " 1 0\n");
        fs::permissions(cpt, fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
        const std::string gwi = dir.file("p.gwi");  // not there before
        try {
            Armed armed({c.failing_rename}, c.links_fail);
            torve::write_files_together({{project, "new project"}, {cpt, " 2 0\n"}, {gwi, "export"}});
            ADD_FAILURE() << "saved";
        } catch (const FileError& e) {
            EXPECT_EQ(e.error(), ENOSPC);
            EXPECT_EQ(e.reason(), std::string(std::strerror(ENOSPC)));
        }
        EXPECT_EQ(read_file(project), "old project");
        EXPECT_EQ(read_file(cpt), " 1 0\n");
        EXPECT_EQ(fs::status(cpt).permissions() & fs::perms::all,
                  fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
        // Neither the new export, nor a temporary file, nor a second name of an old file is left.
        EXPECT_EQ(names_in(dir.path()), (std::vector<std::string>{"p.cpt", "p.tv6d"}));
    }
}

// Without faults the save replaces all three and leaves no second name behind, links or copies.
TEST(FilesTogetherFaults, ASaveThatSucceedsLeavesNoSecondNames) {
    for (bool links_fail : {false, true}) {
        ScratchDir dir;
        const std::string project = dir.write("p.tv6d", "old project");
        const std::string cpt = dir.write("p.cpt", " 1 0\n");
        {
            Armed armed({}, links_fail);
            torve::write_files_together({{project, "new project"}, {cpt, " 2 0\n"}});
        }
        EXPECT_EQ(read_file(project), "new project");
        EXPECT_EQ(read_file(cpt), " 2 0\n");
        EXPECT_EQ(names_in(dir.path()), (std::vector<std::string>{"p.cpt", "p.tv6d"}));
    }
}

// The second rename fails and so does the putting back of the project (rename 3): the message says
// where the old project is kept, and the file there holds it.
TEST(FilesTogetherFaults, AnOldFileThatCannotBePutBackIsNamed) {
    ScratchDir dir;
    const std::string project = dir.write("p.tv6d", "old project");
    const std::string cpt = dir.write("p.cpt", " 1 0\n");
    std::string reason;
    try {
        Armed armed({2, 3});
        torve::write_files_together({{project, "new project"}, {cpt, " 2 0\n"}});
        ADD_FAILURE() << "saved";
    } catch (const FileError& e) {
        reason = e.reason();
    }
    const std::string said = "; the previous " + project + " is kept as ";
    const std::size_t at = reason.find(said);
    ASSERT_NE(at, std::string::npos) << reason;
    const std::string kept = reason.substr(at + said.size());
    EXPECT_EQ(read_file(kept), "old project");
    EXPECT_EQ(read_file(cpt), " 1 0\n");
    EXPECT_EQ(names_in(dir.path()),
              (std::vector<std::string>{"p.cpt", "p.tv6d", fs::path(kept).filename().string()}));
}

}  // namespace
