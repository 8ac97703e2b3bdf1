// The C entry point, loaded from the built shared library the way the desktop program loads it.
#include <dlfcn.h>
#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdint>
#include <filesystem>

#include "tests/support/project_text.h"
#include "tests/support/scratch_dir.h"

namespace {

using EntryFn = std::int32_t (*)(std::int32_t);

class EntryPoint : public ::testing::Test {
  protected:
    void SetUp() override {
        handle_ = dlopen(TORVE_ENGINE_LIBRARY, RTLD_NOW | RTLD_LOCAL);
        ASSERT_NE(handle_, nullptr) << dlerror();
        decorated_ = reinterpret_cast<EntryFn>(dlsym(handle_, "_ITORVE"));
        plain_ = reinterpret_cast<EntryFn>(dlsym(handle_, "ITORVE"));
        ASSERT_NE(decorated_, nullptr);
        ASSERT_NE(plain_, nullptr);
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

}  // namespace
