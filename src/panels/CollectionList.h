// The collection list (DirTree): the collection files in the folder "Info/" beside the program, one
// top-level entry each, rebuilt at start-up; opening an entry loads that collection.
#pragma once

#include "collection/Documents.h"
#include "collection/Outline.h"
#include "platform/Dialogs.h"

#include <cstdint>
#include <string>
#include <vector>

inline constexpr const char* kFindFileFailed = "could not execure FindFile";

// Odd rows of the collection list: red 0xEE, green 0xFF, blue 0xCC, as a colour value 0x00BBGGRR.
inline constexpr std::uint32_t kCollectionListOddRowColor = 0xCCFFEE;

// The files (not folders) of one folder whose names match one of the ";"-separated patterns ("*" and
// "?" wildcards, letters compared without regard to case), hidden ones included, as full paths
// sorted without regard to case. A missing folder gives no files.
struct FoundFiles {
    std::vector<std::string> paths;
    bool complete = true;  // false when listing the folder failed (a file in its place, no permission), at once or part-way
};
FoundFiles FindFiles(const std::string& folder, const std::string& filter);

// Fills `dir` with one entry per "*.goto" file of programFolder + "Info/": Name the file name, URL the
// full path. A listing that fails shows kFindFileFailed and goes on with the files found before.
void FillDir(Outline& dir, const std::string& programFolder, Dialogs& dialogs);

// Opens the focused entry's collection (the one being left is saved first); errors go to the
// general error display. With no entry focused nothing happens.
void OpenCollectionEntry(const Outline& dir, Documents& documents, Dialogs& dialogs);
