// A throw-away folder for shell tests: bin/ holds recording stand-ins for the desktop's programs
// (xdg-open, xdg-email, lp, firefox with x-www-browser linked to it, on-path), docs/ a document, a
// program and a subfolder, home/ and cwd/ stand for the home folder and the program's own folder.
// A stand-in writes its working folder and then its arguments, one a line, to <its path>.record.
#pragma once

#include "platform/linux/ShellCommands.h"
#include "support/ScratchFolder.h"

#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <optional>
#include <sstream>
#include <thread>

struct ShellSandbox : ::testing::Test {
    ScratchFolder scratch{"shell"};
    const std::filesystem::path& root = scratch.path();

    void SetUp() override {
        namespace fs = std::filesystem;
        for (const char* dir : {"bin", "docs/sub", "home", "cwd"})
            fs::create_directories(root / dir);
        for (const char* name : {"xdg-open", "xdg-email", "lp", "firefox", "on-path"})
            writeStandIn("bin/" + std::string(name));
        fs::create_symlink(root / "bin/firefox", root / "bin/x-www-browser");
        writeStandIn("docs/tool");
        std::ofstream(root / "docs/doc.txt") << "a document\n";
    }

    std::string path(const std::string& relative) const { return (root / relative).string(); }
    std::string bin(const std::string& name) const { return path("bin/" + name); }
    void remove(const std::string& relative) const { std::filesystem::remove(root / relative); }

    ShellEnvironment environment() const { return {path("bin"), "", path("home"), path("cwd")}; }

    void writeStandIn(const std::string& relative) const {
        const auto file = root / relative;
        std::ofstream(file) << "#!/bin/sh\n"
                               "{ pwd -P; for a in \"$@\"; do printf '%s\\n' \"$a\"; done; } > \"$0.part\"\n"
                               "mv \"$0.part\" \"$0.record\"\n";
        std::filesystem::permissions(file, std::filesystem::perms::owner_all);
    }

    // The lines a stand-in recorded (working folder first), once it has run; nullopt when it does
    // not run within ten seconds.
    std::optional<std::vector<std::string>> record(const std::string& relative) const {
        const auto file = root / (relative + ".record");
        for (int i = 0; i < 1000 && !std::filesystem::exists(file); ++i)
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
        if (!std::filesystem::exists(file))
            return std::nullopt;
        std::ifstream in(file);
        std::vector<std::string> lines;
        for (std::string line; std::getline(in, line);)
            lines.push_back(line);
        return lines;
    }
};
