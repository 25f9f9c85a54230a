// A throw-away home folder for the browser-side services: home/ with its .config and .cache, and
// outside/ beside it for what must stay untouched.
#pragma once

#include "platform/xdg/XdgFolders.h"
#include "support/ScratchFolder.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

struct TempHome : ::testing::Test {
    ScratchFolder scratch{"home"};
    const std::filesystem::path& root = scratch.path();

    void SetUp() override {
        namespace fs = std::filesystem;
        fs::create_directories(root / "home/.config");
        fs::create_directories(root / "home/.cache");
        fs::create_directories(root / "outside");
    }

    XdgFolders folders() const {
        return {(root / "home").string(), (root / "home/.config").string(), (root / "home/.cache").string(),
                (root / "home/.local/share").string()};
    }
    std::filesystem::path home(const std::string& relative) const { return root / "home" / relative; }

    // Writes a file, making its folders.
    template <class Bytes> void write(const std::filesystem::path& path, const Bytes& bytes) const {
        std::filesystem::create_directories(path.parent_path());
        std::ofstream(path, std::ios::binary)
            .write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    }
};
