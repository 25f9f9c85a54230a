// A program folder of its own for one test: a scratch folder with its "Info" subfolder.
#pragma once

#include "support/ScratchFolder.h"

#include <filesystem>
#include <string>

class ScratchProgramFolder : public ScratchFolder {
public:
    explicit ScratchProgramFolder(const std::string& prefix) : ScratchFolder(prefix) {
        std::filesystem::create_directories(path() / "Info");
    }

    // As the window takes it: with a trailing "/".
    std::string programFolder() const { return path().string() + "/"; }
};
