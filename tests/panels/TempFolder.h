// A throw-away folder tree for the panels' file system tests.
#pragma once

#include "support/ScratchFolder.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>

struct TempFolder : ::testing::Test {
    ScratchFolder scratch{"panels"};
    const std::filesystem::path& root = scratch.path();

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
