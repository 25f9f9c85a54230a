// A throw-away folder tree for the panels' file system tests.
#pragma once

#include <gtest/gtest.h>

#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <string>

struct TempFolder : ::testing::Test {
    std::filesystem::path root;

    void SetUp() override {
        root = std::filesystem::temp_directory_path() /
               ("wendelmoor-panels-" + std::to_string(::getpid()) + "-" +
                ::testing::UnitTest::GetInstance()->current_test_info()->name());
        std::filesystem::remove_all(root);
        std::filesystem::create_directories(root);
    }
    void TearDown() override { std::filesystem::remove_all(root); }

    // The folder as the program writes folder paths: with a trailing slash.
    std::string folder(const std::string& relative = {}) const {
        return (relative.empty() ? root : root / relative).string() + "/";
    }
    void file(const std::string& relative, const std::string& text = "x") const {
        std::filesystem::create_directories((root / relative).parent_path());
        std::ofstream(root / relative) << text;
    }
    void dir(const std::string& relative) const { std::filesystem::create_directories(root / relative); }
};
