// Chromium's "SNSS" session file: replaying its records gives the open windows and their tabs.
#include "platform/xdg/ChromiumSession.h"
#include "platform/xdg/SessionFileError.h"
#include "support/SessionFiles.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

using ::testing::ElementsAre;
using ::testing::HasSubstr;
using ::testing::IsEmpty;

namespace {

TEST(ChromiumSession, TwoWindowsGiveTheirTabsInPlaceOrderEachWithTheNavigationItShows) {
    SnssWriter file;
    // Window 1 holds tabs 11 and 12, placed 12 first; window 2 holds tab 21.
    file.setTabWindow(1, 11)
        .setTabIndexInWindow(11, 1)
        .setTabWindow(1, 12)
        .setTabIndexInWindow(12, 0)
        .setTabWindow(2, 21)
        .setTabIndexInWindow(21, 0)
        .setSelectedTabInIndex(1, 0)
        // Tab 11 went back to its first page.
        .updateTabNavigation(11, 0, "https://a.example/", u"A")
        .updateTabNavigation(11, 1, "https://a.example/next", u"A next")
        .setSelectedNavigationIndex(11, 0)
        // Tab 12's title changed after loading; no title shows the address.
        .updateTabNavigation(12, 0, "https://b.example/", u"loading")
        .updateTabNavigation(12, 0, "https://b.example/", u"")
        .setSelectedNavigationIndex(12, 0)
        .updateTabNavigation(21, 0, "https://c.example/", u"C")
        .setSelectedNavigationIndex(21, 0);
    EXPECT_THAT(readChromiumSession(file.bytes()),
                ElementsAre(BrowserTab{"https://b.example/", "https://b.example/"},
                            BrowserTab{"https://a.example/", "A"}, BrowserTab{"https://c.example/", "C"}));
}

TEST(ChromiumSession, ClosedTabsAndWindowsArePrunedNavigationsAndFilesStillBeingWrittenAreTakenAsTheyAre) {
    SnssWriter file;
    file.setTabWindow(1, 11)
        .updateTabNavigation(11, 0, "https://closed.example/", u"closed")
        .tabClosed(11)
        .setTabWindow(2, 21)
        .updateTabNavigation(21, 0, "https://gone.example/", u"gone")
        .windowClosed(2)
        // Tab 31: three pages, the first two pruned from the front: the third is now number 0.
        .setTabWindow(3, 31)
        .updateTabNavigation(31, 0, "https://p.example/0", u"0")
        .updateTabNavigation(31, 1, "https://p.example/1", u"1")
        .updateTabNavigation(31, 2, "https://p.example/2", u"2")
        .setSelectedNavigationIndex(31, 2)
        .prunedFromFront(31, 2)
        // Tab 32: went back, then the forward page was pruned from the back.
        .setTabWindow(3, 32)
        .updateTabNavigation(32, 0, "https://q.example/0", u"q0")
        .updateTabNavigation(32, 1, "https://q.example/1", u"q1")
        .setSelectedNavigationIndex(32, 1)
        .prunedFromBack(32, 1)
        // Tab 33: the middle page removed; the one after it moves down into its number.
        .setTabWindow(3, 33)
        .updateTabNavigation(33, 0, "https://r.example/0", u"r0")
        .updateTabNavigation(33, 1, "https://r.example/1", u"r1")
        .updateTabNavigation(33, 2, "https://r.example/2", u"r2")
        .pruned(33, 1, 1)
        .setSelectedNavigationIndex(33, 1)
        // Tab 34 has no page yet; tab 40 belongs to no window.
        .setTabWindow(3, 34)
        .updateTabNavigation(40, 0, "https://nowhere.example/", u"nowhere")
        // A record with a command this reader passes over.
        .record(21, SnssWriter::ints({31, 0, 0}));
    const std::vector<BrowserTab> expected = {
        {"https://p.example/2", "2"}, {"https://q.example/0", "q0"}, {"https://r.example/2", "r2"}};
    EXPECT_EQ(readChromiumSession(file.bytes()), expected);

    // The browser appends while it runs: a last record cut short is not yet there.
    SessionBytes writing = file.bytes();
    const SessionBytes next =
        SnssWriter(3).setTabWindow(3, 35).updateTabNavigation(35, 0, "https://s.example/", u"s").bytes();
    writing.insert(writing.end(), next.begin() + 8, next.end() - 5);
    EXPECT_EQ(readChromiumSession(writing), expected);
    writing.push_back(0x01);
    EXPECT_EQ(readChromiumSession(writing), expected) << "a lone byte of the next record's size";
}

TEST(ChromiumSession, TitlesAreUtf16AndBecomeUtf8WithLoneSurrogatesReplaced) {
    SnssWriter file;
    file.setTabWindow(1, 1).updateTabNavigation(1, 0, "https://u.example/", u"Gr\u00FC\u00DFe \U0001F600 \xD800!");
    EXPECT_THAT(readChromiumSession(file.bytes()),
                ElementsAre(BrowserTab{"https://u.example/", "Grüße \xF0\x9F\x98\x80 \xEF\xBF\xBD!"}));
    EXPECT_THAT(readChromiumSession(SnssWriter(1).bytes()), IsEmpty()) << "the older version 1 reads the same way";
}

SessionBytes withVersion(std::uint32_t version) {
    return SnssWriter(version).setTabWindow(1, 1).bytes();
}

// A navigation pickle whose fields are given as they are, without checks.
SessionBytes navigationPickle(std::int32_t statedPayload, const SessionBytes& fields) {
    SessionBytes pickle = SnssWriter::ints({statedPayload});
    pickle.insert(pickle.end(), fields.begin(), fields.end());
    return SnssWriter().record(6, pickle).bytes();
}

TEST(ChromiumSession, ADamagedFileIsAnErrorThatSaysWhereAndWhat) {
    const SessionBytes tabAndIndex = SnssWriter::ints({1, 0});
    SessionBytes longUrl = tabAndIndex;
    longUrl.insert(longUrl.end(), {100, 0, 0, 0, 'h', 't'});
    SessionBytes negativeUrl = tabAndIndex;
    negativeUrl.insert(negativeUrl.end(), {0xFF, 0xFF, 0xFF, 0xFF});
    SessionBytes longTitle = tabAndIndex;
    longTitle.insert(longTitle.end(), {1, 0, 0, 0, 'h', 0, 0, 0, 3, 0, 0, 0, 'T', 0, 'i', 0});
    SessionBytes hugeTitle = tabAndIndex;
    hugeTitle.insert(hugeTitle.end(), {0, 0, 0, 0, 0xFF, 0xFF, 0xFF, 0x7F});
    struct Case {
        const char* what;
        SessionBytes file;
        const char* message;
    } cases[] = {
        {"empty", {}, "does not begin with the \"SNSS\" signature"},
        {"other signature", {'S', 'N', 'S', 'X', 3, 0, 0, 0}, "does not begin with the \"SNSS\" signature"},
        {"no version", {'S', 'N', 'S', 'S', 3}, "does not begin with the \"SNSS\" signature"},
        {"encrypted", withVersion(2), "encrypted"},
        {"encrypted with marker", withVersion(4), "encrypted"},
        {"unknown version", withVersion(9), "version 9 is not known"},
        {"empty record", {'S', 'N', 'S', 'S', 3, 0, 0, 0, 0, 0, 6}, "the record at byte 8 is empty"},
        {"fixed fields cut short", SnssWriter().record(0, SnssWriter::ints({1})).bytes(), "ends before its fields do"},
        {"pickle without its size", SnssWriter().record(6, {1, 2}).bytes(), "ends before its fields do"},
        {"pickle larger than its record", navigationPickle(400, tabAndIndex), "states 400 bytes where 8 remain"},
        {"pickle without the address", navigationPickle(8, tabAndIndex), "ends before its fields do"},
        {"address beyond the pickle", navigationPickle(static_cast<std::int32_t>(longUrl.size()), longUrl),
         "states a text of 100 units"},
        {"negative address length", navigationPickle(static_cast<std::int32_t>(negativeUrl.size()), negativeUrl),
         "states a text of -1 units"},
        {"title beyond the pickle", navigationPickle(static_cast<std::int32_t>(longTitle.size()), longTitle),
         "states a text of 3 units where 4 bytes remain"},
        {"title too long for any record", navigationPickle(static_cast<std::int32_t>(hugeTitle.size()), hugeTitle),
         "states a text of 2147483647 units"},
    };
    for (const Case& c : cases) {
        try {
            readChromiumSession(c.file);
            ADD_FAILURE() << c.what << ": read without an error";
        } catch (const SessionFileError& e) {
            EXPECT_THAT(e.what(), HasSubstr(c.message)) << c.what;
        }
    }
}

} // namespace
