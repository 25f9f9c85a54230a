// The desktop's files without a desktop: where the program keeps its files, the autostart entry,
// and the bytes a second start hands over.
#include "TempHome.h"

#include "platform/xdg/AppFolders.h"
#include "platform/xdg/Autostart.h"
#include "platform/xdg/HandoverMessage.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <fstream>
#include <iterator>

namespace fs = std::filesystem;
using ::testing::HasSubstr;

namespace {

std::string read(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

struct AppFoldersTest : TempHome {
    std::string dataHome() const { return home(".local/share").string() + "/"; }
    std::string folder(const std::string& relative) const {
        fs::create_directories(root / relative);
        return (root / relative).string() + "/";
    }
};

TEST_F(AppFoldersTest, AProgramInAFolderOfItsOwnKeepsEverythingBesideItself) {
    const std::string program = folder("usb-stick/wendelmoor");
    const AppFolders folders = AppFolders::decide(program, dataHome());
    EXPECT_EQ(folders.data, program);
    EXPECT_EQ(folders.resources, program);
    EXPECT_FALSE(folders.installed());
}

TEST_F(AppFoldersTest, AnInstalledProgramReadsTheShareFolderAndKeepsCollectionsInTheDataHome) {
    // A writable prefix (in the user's home, or a program run as root) is an install all the same.
    const std::string program = folder("prefix/bin");
    folder("prefix/share/wendelmoor");
    const AppFolders folders = AppFolders::decide(program, dataHome());
    EXPECT_EQ(folders.resources, (root / "prefix/share/wendelmoor").string() + "/");
    EXPECT_EQ(folders.data, dataHome() + "wendelmoor/");
    EXPECT_TRUE(folders.installed());

    EXPECT_EQ(folders.makeDataFolder(), ""); // the first start makes the folders
    EXPECT_TRUE(fs::is_directory(dataHome() + "wendelmoor/Info"));
    EXPECT_EQ(folders.makeDataFolder(), ""); // and later starts find them
}

TEST_F(AppFoldersTest, AFolderThatCannotBeMadeIsNamedInTheError) {
    write(home("blocked"), std::string("a file where the folder should be"));
    const AppFolders folders{"/usr/share/wendelmoor/", home("blocked").string() + "/wendelmoor/"};
    EXPECT_THAT(folders.makeDataFolder(),
                HasSubstr("blocked/wendelmoor/Info/\" for your collections could not be made"));
}

struct AutostartTest : TempHome {};

TEST_F(AutostartTest, TheEntryIsWrittenStartingHiddenAndRemoved) {
    XdgAutostart autostart(folders().configHome, "/opt/wendel moor/bin/wendelmoor");
    EXPECT_FALSE(autostart.enabled());
    EXPECT_EQ(autostart.setEnabled(true), "");
    EXPECT_TRUE(autostart.enabled());
    EXPECT_EQ(autostart.entryPath(), folders().configHome + "/autostart/org.wendelmoor.Wendelmoor.desktop");
    EXPECT_THAT(read(autostart.entryPath()), HasSubstr("\nExec=\"/opt/wendel moor/bin/wendelmoor\" --hidden\n"));
    EXPECT_EQ(autostart.setEnabled(false), "");
    EXPECT_FALSE(autostart.enabled());
    EXPECT_EQ(autostart.setEnabled(false), ""); // removing a missing entry is no error
}

TEST_F(AutostartTest, ProgramPathsAreQuotedAsDesktopEntriesNeed) {
    struct Case {
        const char* program;
        const char* exec;
    };
    for (const Case& c : {Case{"/usr/bin/wendelmoor", "Exec=/usr/bin/wendelmoor --hidden"},
                          Case{"/home/a b/wendelmoor", "Exec=\"/home/a b/wendelmoor\" --hidden"},
                          Case{"/x/100%/w", "Exec=\"/x/100%%/w\" --hidden"},
                          Case{"/x/$HOME\"/w", "Exec=\"/x/\\\\$HOME\\\\\"/w\" --hidden"}})
        EXPECT_THAT(XdgAutostart::entryText(c.program), HasSubstr(std::string("\n") + c.exec + "\n")) << c.program;
}

TEST_F(AutostartTest, AnUnwritableAutostartFolderIsAnError) {
    write(home(".config/autostart"), std::string("a file, not a folder"));
    XdgAutostart autostart(folders().configHome, "/usr/bin/wendelmoor");
    EXPECT_THAT(autostart.setEnabled(true), HasSubstr("could not be written"));
    EXPECT_FALSE(autostart.enabled());
}

TEST(HandoverMessageTest, RequestsTravelWithTheirArgumentsUnchanged) {
    const std::vector<HandoverRequest> requests = {
        {"show", ""}, {"open", "/home/u/My Links/ä 100%.goto"}, {"import", "/tmp/line\nbreak.html"}};
    const std::string bytes = writeHandover(requests);
    EXPECT_TRUE(handoverComplete(bytes));
    EXPECT_FALSE(handoverComplete(bytes.substr(0, bytes.size() - 1)));
    EXPECT_EQ(readHandover(bytes), requests);
    EXPECT_EQ(readHandover(writeHandover({})), std::vector<HandoverRequest>{});
}

TEST(HandoverMessageTest, MalformedMessagesAreRefusedWithAReason) {
    struct Case {
        std::string bytes;
        const char* reason;
    };
    const Case cases[] = {
        {"", "does not come from this program"},
        {"GET / HTTP/1.0\r\n\r\n", "does not come from this program"},
        {"wendelmoor-handover 1\nshow\n", "ended early"},
        {"wendelmoor-handover 1\n\n\n", "no valid verb"},
        {"wendelmoor-handover 1\nSHOW\n\n", "no valid verb"},
        {"wendelmoor-handover 1\nopen /a b\n\n", "should be encoded"},
        {"wendelmoor-handover 1\nopen %4\n\n", "broken \"%\" escape"},
        {"wendelmoor-handover 1\nopen %zz\n\n", "broken \"%\" escape"},
        {"wendelmoor-handover 1\n" + std::string(kMaxHandoverBytes, 'a') + "\n\n", "too long"},
    };
    for (const Case& c : cases) {
        try {
            readHandover(c.bytes);
            ADD_FAILURE() << "accepted: " << c.bytes.substr(0, 40);
        } catch (const HandoverError& e) {
            EXPECT_THAT(e.what(), HasSubstr(c.reason)) << c.bytes.substr(0, 40);
        }
    }
}

} // namespace
