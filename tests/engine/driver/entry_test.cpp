// The C entry point, loaded from the built shared library the way the desktop program loads it.
#include <dlfcn.h>
#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdint>
#include <filesystem>
#include <thread>
#include <utility>
#include <vector>

#include "tests/support/project_text.h"
#include "tests/support/scratch_dir.h"

namespace {

using EntryFn = std::int32_t (*)(std::int32_t);
using Progress = std::int32_t (*)(std::int32_t, std::int32_t, void*);
using DriveFn = std::int32_t (*)(const char*, Progress, void*);

class EntryPoint : public ::testing::Test {
  protected:
    void SetUp() override {
        handle_ = dlopen(TORVE_ENGINE_LIBRARY, RTLD_NOW | RTLD_LOCAL);
        ASSERT_NE(handle_, nullptr) << dlerror();
        decorated_ = reinterpret_cast<EntryFn>(dlsym(handle_, "_ITORVE"));
        plain_ = reinterpret_cast<EntryFn>(dlsym(handle_, "ITORVE"));
        drive_ = reinterpret_cast<DriveFn>(dlsym(handle_, "ITORVE_DRIVE"));
        ASSERT_NE(decorated_, nullptr);
        ASSERT_NE(plain_, nullptr);
        ASSERT_NE(drive_, nullptr);
        old_dir_ = std::filesystem::current_path();
        std::filesystem::current_path(dir_.path());
    }
    void TearDown() override {
        std::filesystem::current_path(old_dir_);
        if (handle_) dlclose(handle_);
    }

    torve::test::ScratchDir dir_;
    std::filesystem::path old_dir_;
    void* handle_ = nullptr;
    EntryFn decorated_ = nullptr;
    EntryFn plain_ = nullptr;
    DriveFn drive_ = nullptr;
};

TEST_F(EntryPoint, ArgumentsOtherThanThreeReturnOneAndTouchNothing) {
    dir_.write("names.dat", "v\na\nb\n0\nin.tv6d\nout.tv6o\nout.tv6p\nin.cpt\n");
    for (std::int32_t arg : {0, 1, 2, 4, -3}) {
        EXPECT_EQ(decorated_(arg), 1) << arg;
        EXPECT_EQ(plain_(arg), 1) << arg;
    }
    std::size_t files = 0;
    for ([[maybe_unused]] const auto& e : std::filesystem::directory_iterator(dir_.path())) ++files;
    EXPECT_EQ(files, 1u);  // only names.dat
}

TEST_F(EntryPoint, ThreeRunsTheProjectNamedInNamesDat) {
    torve::ProjectRecords p = torve::test::project();
    torve::test::add_layer(p, torve::test::sand_layer(0, 30, 60, 30, 0.8, 20));
    torve::test::add_layer(p, torve::test::clay_layer(30, 100, 50, 1500, 700));
    dir_.write("in.tv6d", torve::test::text_of(p));
    dir_.write("in.cpt", " 1 0\n");
    dir_.write("names.dat", "2014.6.3\nid\nid\n0\nin.tv6d\nout.tv6o\nout.tv6p\nin.cpt\n");
    EXPECT_EQ(decorated_(3), 0);
    const std::string report = torve::test::read_file(dir_.path() / "out.tv6o");
    EXPECT_NE(report.find("TORVE for Windows, Version 2014.6.3"), std::string::npos);
    EXPECT_NE(report.find("* COMPUTATION RESULT *"), std::string::npos);
    EXPECT_TRUE(std::filesystem::exists(dir_.path() / "out.tv6p"));
    // A second call in the same process starts from nothing and writes the same report body.
    EXPECT_EQ(plain_(3), 0);
}

TEST_F(EntryPoint, FailuresReturnStatusesAboveOne) {
    EXPECT_EQ(decorated_(3), 2);  // no names.dat
    dir_.write("names.dat", "v\na\nb\n0\nmissing.tv6d\nout.tv6o\nout.tv6p\nmissing.cpt\n");
    EXPECT_EQ(decorated_(3), 2);
    EXPECT_FALSE(std::filesystem::exists(dir_.path() / "out.tv6o"));  // no report without input
}

// What a progress callback was told, and when it stops the run.
struct Told {
    std::thread::id caller = std::this_thread::get_id();
    std::vector<std::pair<int, int>> calls;
    bool other_thread = false;
    int stop_at = 0;  // 0: never
};

std::int32_t tell(std::int32_t done, std::int32_t total, void* context) {
    Told& t = *static_cast<Told*>(context);
    t.calls.emplace_back(done, total);
    if (std::this_thread::get_id() != t.caller) t.other_thread = true;
    return t.stop_at != 0 && done >= t.stop_at ? 1 : 0;
}

// The offshore example, its clay's sleeve friction kept beside it (40 kPa from the ground to 60 m),
// driven by the 35 t ram to 10, 20, 30 and 40 m on two threads, with two assumed resistances.
std::string drive_request(torve::test::ScratchDir& dir, const std::string& results) {
    const std::string project = torve::test::copy_example(dir, "open-pipe-offshore-si");
    dir.write("open-pipe-offshore-si.cone.csv", "depth_m,fs_kPa,u2_kPa,qt_kPa\n0,40,,\n60,40,,\n");
    const std::string hammer = torve::test::source_path("examples/hammers/ram-35t-350kj.json");
    return dir.write("drive.csv", "project," + project + "\nhammer," + hammer + "\nresults," + results +
                                      "\nfrom,10\nto,40\nstep,10\nbearing_graph,2000 4000\njobs,2\n");
}

TEST_F(EntryPoint, DrivesARequestAndTellsEachBlowOnTheCallersThread) {
    const std::string request = drive_request(dir_, dir_.file("p.drive.txt"));
    Told told;
    ASSERT_EQ(drive_(request.c_str(), tell, &told), 0);
    // Four depths, then the bearing graph's two blows at the pile's length.
    EXPECT_EQ(told.calls, (std::vector<std::pair<int, int>>{{1, 6}, {2, 6}, {3, 6}, {4, 6}, {5, 6}, {6, 6}}));
    EXPECT_FALSE(told.other_thread);
    const std::string results = torve::test::read_file(dir_.file("p.drive.txt"));
    EXPECT_EQ(results.rfind("solved,1\nmessage,\nunits,S.I.\nmethod,Alm & Hamre\n", 0), 0u) << results;
    for (const char* line :
         {"\npile_length,40\n", "\n10,", "\n40,", "\nblow at,40\ntime,head force,head velocity\n",
          "\nbearing graph at,40\n", "\n2000,", "\n4000,"})
        EXPECT_NE(results.find(line), std::string::npos) << line;
    // Without a callback the same request gives the same file.
    ASSERT_EQ(drive_(request.c_str(), nullptr, nullptr), 0);
    EXPECT_EQ(torve::test::read_file(dir_.file("p.drive.txt")), results);
}

TEST_F(EntryPoint, ARunItsCallerStopsLeavesNoResults) {
    const std::string request = drive_request(dir_, dir_.file("p.drive.txt"));
    Told told;
    told.stop_at = 2;
    EXPECT_EQ(drive_(request.c_str(), tell, &told), 5);
    EXPECT_EQ(told.calls, (std::vector<std::pair<int, int>>{{1, 6}, {2, 6}}));  // never told again
    EXPECT_FALSE(std::filesystem::exists(dir_.file("p.drive.txt")));
    // Stopped in the bearing graph, after the four depths.
    told = {};
    told.stop_at = 5;
    EXPECT_EQ(drive_(request.c_str(), tell, &told), 5);
    EXPECT_EQ(told.calls.size(), 5u);
    EXPECT_FALSE(std::filesystem::exists(dir_.file("p.drive.txt")));
}

TEST_F(EntryPoint, ADriveThatFailsSaysSo) {
    // A results file in a folder that is not there: nothing to read back, the status says so.
    const std::string unwritable = drive_request(dir_, dir_.file("no such folder/p.drive.txt"));
    EXPECT_EQ(drive_(unwritable.c_str(), nullptr, nullptr), 3);
    EXPECT_FALSE(std::filesystem::exists(dir_.file("no such folder")));

    // A project that cannot be read gives a results file without a solution that names it.
    const std::string hammer = torve::test::source_path("examples/hammers/ram-35t-350kj.json");
    const std::string missing = dir_.write(
        "missing.csv", "project," + dir_.file("none.tv6d") + "\nhammer," + hammer + "\nresults,r.txt\n");
    EXPECT_EQ(drive_(missing.c_str(), nullptr, nullptr), 2);
    const std::string results = torve::test::read_file(dir_.path() / "r.txt");
    EXPECT_EQ(results.rfind("solved,0\nmessage,", 0), 0u) << results;
    EXPECT_NE(results.find("none.tv6d"), std::string::npos) << results;

    // A request that cannot be used writes nothing.
    EXPECT_EQ(drive_(nullptr, nullptr, nullptr), 1);
    EXPECT_EQ(drive_("", nullptr, nullptr), 1);
    EXPECT_EQ(drive_(dir_.file("absent.csv").c_str(), nullptr, nullptr), 2);
    const std::string bad = dir_.write("bad.csv", "project,p\nhammer,h\nresults,bad.txt\nstep,0\n");
    EXPECT_EQ(drive_(bad.c_str(), nullptr, nullptr), 2);
    EXPECT_FALSE(std::filesystem::exists(dir_.path() / "bad.txt"));
}

}  // namespace
