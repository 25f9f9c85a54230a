// Firefox's session file: the "mozLz40" wrapping and the open windows' tabs inside it.
#include "platform/xdg/FirefoxSession.h"
#include "platform/xdg/SessionFileError.h"
#include "support/SessionFiles.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

using nlohmann::json;
using ::testing::ElementsAre;
using ::testing::HasSubstr;

namespace {

json entry(const std::string& url, const std::string& title) {
    return {{"url", url}, {"title", title}};
}

TEST(FirefoxSession, GivesEachOpenTabsCurrentEntryWindowByWindow) {
    const json session = {
        {"version", {"sessionrestore", 1}},
        {"windows",
         {{{"tabs",
            {{{"entries", {entry("https://a.example/1", "A one"), entry("https://a.example/2", "A two")}},
              {"index", 1}},
             {{"entries", {entry("https://b.example/", "B")}}, {"index", 1}}}},
           {"selected", 2}},
          {{"tabs",
            {// no index: the last entry; an index beyond the entries: the last entry too
             {{"entries", {entry("https://c.example/old", "old"), entry("https://c.example/", "")}}},
             {{"entries", {entry("about:blank", "x"), entry("https://d.example/", "D")}}, {"index", 7}},
             // a tab that has loaded nothing has no entries and no address
             {{"entries", json::array()}, {"index", 0}}}},
           {"_closedTabs", {{{"state", {{"entries", {entry("https://closed.example/", "closed tab")}}}}}}}}}},
        {"_closedWindows", {{{"tabs", {{{"entries", {entry("https://gone.example/", "gone")}}, {"index", 1}}}}}}},
    };
    EXPECT_THAT(readFirefoxSession(mozLz4(session.dump())),
                ElementsAre(BrowserTab{"https://a.example/1", "A one"}, BrowserTab{"https://b.example/", "B"},
                            BrowserTab{"https://c.example/", "https://c.example/"},
                            BrowserTab{"https://d.example/", "D"}));
}

TEST(FirefoxSession, TitlesKeepTheirUtf8AndAnEmptySessionHasNoTabs) {
    const json session = {{"windows", {{{"tabs", {{{"entries", {entry("https://x.example/", "Grüße – ☕")}}}}}}}}};
    EXPECT_THAT(readFirefoxSession(mozLz4(session.dump())), ElementsAre(BrowserTab{"https://x.example/", "Grüße – ☕"}));
    EXPECT_TRUE(readFirefoxSession(mozLz4(R"({"windows": []})")).empty());
}

SessionBytes withStatedSize(SessionBytes file, std::uint32_t size) {
    std::memcpy(file.data() + 8, &size, 4);
    return file;
}

TEST(FirefoxSession, ADamagedFileIsAnErrorThatSaysWhatIsWrong) {
    const SessionBytes good = mozLz4(R"({"windows": [{"tabs": []}]})");
    SessionBytes badMagic = good;
    badMagic[3] = 'X';
    SessionBytes cutBlock(good.begin(), good.end() - 3);
    // A block that copies from before its beginning.
    SessionBytes garbledBlock(good.begin(), good.begin() + 12);
    garbledBlock.insert(garbledBlock.end(), {0x04, 0x00, 0x00, 0x10, 'x'});
    struct Case {
        const char* what;
        SessionBytes file;
        const char* message;
    } cases[] = {
        {"empty file", {}, "does not begin with the \"mozLz40\" header"},
        {"header cut short", SessionBytes(good.begin(), good.begin() + 10),
         "does not begin with the \"mozLz40\" header"},
        {"other magic", badMagic, "does not begin with the \"mozLz40\" header"},
        {"size no block can give", withStatedSize(good, 0xFFFFFF), "cannot come from"},
        {"size beyond any session", withStatedSize(good, 0xFFFFFFFF), "too large"},
        {"stated size too small", withStatedSize(good, 5), "LZ4 block is damaged"},
        {"stated size too large", withStatedSize(good, static_cast<std::uint32_t>(good.size() + 40)), "holds"},
        {"block cut short", cutBlock, "LZ4 block is damaged"},
        {"garbled block", garbledBlock, "LZ4 block is damaged"},
        {"not JSON", mozLz4("{\"windows\": [}"), "not valid JSON"},
        {"JSON with bytes that are not UTF-8", mozLz4("{\"windows\": \"\xFF\"}"), "not valid JSON"},
        {"not an object", mozLz4("[1, 2]"), "not a session object"},
        {"no windows", mozLz4("{\"_closedWindows\": []}"), "no window list"},
        {"windows not a list", mozLz4("{\"windows\": {}}"), "\"windows\" that is not a list"},
        {"window not an object", mozLz4("{\"windows\": [3]}"), "window 1 is not an object"},
        {"tabs not a list", mozLz4("{\"windows\": [{\"tabs\": 1}]}"), "window 1 has a \"tabs\" that is not a list"},
        {"tab not an object", mozLz4("{\"windows\": [{\"tabs\": [{\"entries\": []}, 2]}]}"),
         "window 1, tab 2 is not an object"},
        {"entry not an object", mozLz4("{\"windows\": [{\"tabs\": [{\"entries\": [\"x\"]}]}]}"),
         "has an entry that is not an object"},
    };
    for (const Case& c : cases) {
        try {
            readFirefoxSession(c.file);
            ADD_FAILURE() << c.what << ": read without an error";
        } catch (const SessionFileError& e) {
            EXPECT_THAT(e.what(), HasSubstr(c.message)) << c.what;
        }
    }
}

} // namespace
