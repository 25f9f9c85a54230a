// The document logic: which collection file the outline belongs to, and loading and saving it.
//
// A load that fails never lets the damaged file be overwritten: the outline shows what could be read
// and belongs from then on to a recovery file beside the damaged one ("name.recovered.goto", or
// "name.recovered-2.goto" and so on when that exists), which the next save or closing writes. The
// damaged file keeps its bytes, and nothing the user does afterwards is lost.
#pragma once

#include "FileIO.h"
#include "Outline.h"

#include <functional>
#include <stdexcept>
#include <string>

// A collection file that could not be read. what() is the full text for the user; streamMessage()
// is the reader's own message.
class CollectionLoadError : public std::runtime_error {
public:
    CollectionLoadError(const std::string& text, std::string streamMessage, int number)
        : std::runtime_error(text), streamMessage_(std::move(streamMessage)), number_(number) {}
    const std::string& streamMessage() const { return streamMessage_; }
    int number() const { return number_; }  // the stream error number, 0 for a file system error

private:
    std::string streamMessage_;
    int number_;
};

inline constexpr const char* kNoFileToSave = "There is no file to save.";

class Documents {
public:
    // programFolder ends with a slash: fixed paths are built by appending to it.
    Documents(Outline& linksTree, std::string programFolder);

    const std::string& programFolder() const { return programFolder_; }
    std::string defaultCollectionPath() const { return programFolder_ + "links.goto"; }
    std::string infoFolder() const { return programFolder_ + "Info/"; }

    const std::string& currentPath() const { return currentPath_; }
    // The text of the status panel that names the open collection.
    std::string statusText() const { return " " + currentPath_; }

    // Saves the collection being left (when there is one), then makes `path` the current collection
    // and reads it when the file exists; a missing file leaves the outline as it is, to be written
    // there by the next save. Throws FileError when the collection being left cannot be saved (nothing
    // else happens then) and CollectionLoadError when the file is damaged (what could be read is
    // shown, and belongs to a recovery file) or cannot be opened at all (nothing changes).
    void LoadTree(const std::string& path);

    // Writes the whole outline to `path` and makes it the current collection. A failed save throws
    // FileError and leaves the file, the current path and the status as they were.
    void SaveTree(const std::string& path);

    // "Save": writes the current collection; false when there is none.
    bool Save();

    // Closing the window: the collection is always written when there is a current path.
    void SaveOnClose();

    // Told true when a collection starts being read or written and false when that ends, however
    // it ends (before an error reaches the caller): the window shows a busy cursor meanwhile.
    void setBusyIndicator(std::function<void(bool)> indicator) { busy_ = std::move(indicator); }

private:
    // Shows the program busy for its lifetime; nested uses show it once.
    class BusyScope {
    public:
        explicit BusyScope(Documents& documents);
        ~BusyScope();
        BusyScope(const BusyScope&) = delete;
        BusyScope& operator=(const BusyScope&) = delete;

    private:
        Documents& documents_;
    };

    std::string recoveryPathFor(const std::string& path) const;

    Outline& linksTree_;
    std::string programFolder_;
    std::string currentPath_;
    std::function<void(bool)> busy_;
    int busyDepth_ = 0;
};
