#include "collection/FileIO.h"
#include "support/ScratchFolder.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>

namespace {

TEST(ReadWholeFile, BringsBackEveryByteOfFilesOfEverySize) {
    ScratchFolder folder("fileio");
    // Sizes at and around the page the buffer is rounded to, and beyond a huge page.
    for (std::size_t size : {0u, 1u, 4095u, 4096u, 4097u, 8192u, (3u << 20) + 5}) {
        std::string bytes(size, '\0');
        for (std::size_t i = 0; i < size; ++i)
            bytes[i] = static_cast<char>(i * 7 + size);
        const std::string path = (folder.path() / ("f" + std::to_string(size))).string();
        writeFileSafely(path, {reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size()});
        const FileBytes read = readWholeFile(path);
        ASSERT_EQ(read.size(), size);
        EXPECT_EQ(std::string(reinterpret_cast<const char*>(read.data()), read.size()), bytes) << size;
    }
}

TEST(ReadWholeFile, AFolderOrAMissingFileIsAFileError) {
    ScratchFolder folder("fileio");
    EXPECT_THROW(readWholeFile(folder.path().string()), FileError);
    EXPECT_THROW(readWholeFile((folder.path() / "missing.goto").string()), FileError);
}

TEST(WriteFileSafely, ANewFileIsItsOwnersAloneAndAnExistingOneKeepsItsMode) {
    ScratchFolder folder("fileio");
    const std::uint8_t bytes[] = {1, 2, 3};
    const std::string created = (folder.path() / "new.goto").string();
    writeFileSafely(created, bytes);
    EXPECT_EQ(std::filesystem::status(created).permissions(), std::filesystem::perms::owner_read | std::filesystem::perms::owner_write);

    const std::string shared = (folder.path() / "shared.goto").string();
    writeFileSafely(shared, bytes);
    const auto groupReadable = std::filesystem::perms::owner_read | std::filesystem::perms::owner_write |
                               std::filesystem::perms::group_read | std::filesystem::perms::others_read;
    std::filesystem::permissions(shared, groupReadable);
    writeFileSafely(shared, bytes);
    EXPECT_EQ(std::filesystem::status(shared).permissions(), groupReadable);
}

} // namespace
