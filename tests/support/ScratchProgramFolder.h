// A program folder of its own for one test: made empty with its "Info" subfolder, named after the
// running test so parallel test processes never share one, and removed afterwards.
#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <system_error>

#include <unistd.h>

class ScratchProgramFolder {
public:
    explicit ScratchProgramFolder(const std::string& prefix)
        : path_(std::filesystem::temp_directory_path() /
                ("wendelmoor-" + prefix + "-" + std::to_string(::getpid()) + "-" +
                 ::testing::UnitTest::GetInstance()->current_test_info()->name())) {
        std::filesystem::remove_all(path_);
        std::filesystem::create_directories(path_ / "Info");
    }
    ~ScratchProgramFolder() {
        std::error_code ignored;
        std::filesystem::remove_all(path_, ignored);
    }
    ScratchProgramFolder(const ScratchProgramFolder&) = delete;
    ScratchProgramFolder& operator=(const ScratchProgramFolder&) = delete;

    const std::filesystem::path& path() const { return path_; }
    // As the window takes it: with a trailing "/".
    std::string programFolder() const { return path_.string() + "/"; }

private:
    std::filesystem::path path_;
};
