// The web caches under a temporary XDG cache folder: their entries, and deletion that touches
// nothing else.
#include "TempHome.h"

#include "launch/LinkCapture.h"
#include "platform/xdg/XdgUrlCache.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

namespace fs = std::filesystem;
using ::testing::ElementsAre;
using ::testing::IsEmpty;
using ::testing::UnorderedElementsAre;

namespace {

struct CacheFolder : TempHome {
    fs::path cache(const std::string& relative) const { return home(".cache/" + relative); }
    void file(const fs::path& path) const { write(path, std::string("cached bytes")); }
    std::string entry(const std::string& relative) const { return cache(relative).string(); }

    // Two browsers' caches, and around them what is not an entry:
    // - a file outside, reached through a link inside a cache folder and through a linked profile;
    // - a subfolder inside a cache folder, a file beside a cache folder, a linked browser folder.
    void fill() const {
        file(cache("mozilla/firefox/abcd.default-release/cache2/entries/0A1B2C"));
        file(cache("mozilla/firefox/abcd.default-release/cache2/entries/3D4E5F"));
        file(cache("chromium/Default/Cache/Cache_Data/f_000001"));
        file(cache("google-chrome/Profile 1/Cache/Cache_Data/data_0"));
        file(cache("opera/Cache/Cache_Data/index"));

        file(root / "outside/precious.txt");
        file(root / "outside/profile/cache2/entries/kept");
        fs::create_symlink(root / "outside/precious.txt", cache("chromium/Default/Cache/Cache_Data/link"));
        fs::create_symlink(root / "outside/profile", cache("mozilla/firefox/linked-profile"));
        fs::create_directories(root / "outside/vivaldi/Default/Cache/Cache_Data");
        file(root / "outside/vivaldi/Default/Cache/Cache_Data/kept");
        fs::create_symlink(root / "outside/vivaldi", cache("vivaldi"));
        file(cache("chromium/Default/Cache/Cache_Data/index-dir/the-real-index"));
        file(cache("chromium/Default/Cache/not-an-entry"));
        file(cache("fontconfig/cache-7"));
    }
};

TEST_F(CacheFolder, EntriesAreTheRegularFilesOfTheBrowsersCacheFoldersOnly) {
    fill();
    const XdgUrlCache caches(folders().cacheHome);
    EXPECT_THAT(caches.entries(),
                UnorderedElementsAre(entry("mozilla/firefox/abcd.default-release/cache2/entries/0A1B2C"),
                                     entry("mozilla/firefox/abcd.default-release/cache2/entries/3D4E5F"),
                                     entry("chromium/Default/Cache/Cache_Data/f_000001"),
                                     entry("google-chrome/Profile 1/Cache/Cache_Data/data_0"),
                                     entry("opera/Cache/Cache_Data/index")));
}

TEST_F(CacheFolder, DeletingEmptiesTheCachesAndLeavesLinksAndEverythingOutsideThem) {
    fill();
    XdgUrlCache caches(folders().cacheHome);
    DeleteIECache(caches);
    EXPECT_THAT(caches.entries(), IsEmpty());
    for (const fs::path& kept : {root / "outside/precious.txt", root / "outside/profile/cache2/entries/kept",
                                 root / "outside/vivaldi/Default/Cache/Cache_Data/kept",
                                 cache("chromium/Default/Cache/Cache_Data/index-dir/the-real-index"),
                                 cache("chromium/Default/Cache/not-an-entry"), cache("fontconfig/cache-7")})
        EXPECT_TRUE(fs::is_regular_file(fs::symlink_status(kept))) << kept;
    for (const fs::path& link :
         {cache("chromium/Default/Cache/Cache_Data/link"), cache("mozilla/firefox/linked-profile"), cache("vivaldi")})
        EXPECT_TRUE(fs::is_symlink(link)) << link << " is left as it is";
    EXPECT_TRUE(fs::is_directory(cache("mozilla/firefox/abcd.default-release/cache2/entries"))) << "folders stay";
}

TEST_F(CacheFolder, DeleteEntryTakesOnlyAFileOfACacheFolder) {
    fill();
    XdgUrlCache caches(folders().cacheHome);
    const std::string refused[] = {
        (root / "outside/precious.txt").string(),
        entry("chromium/Default/Cache/Cache_Data/link"),
        entry("chromium/Default/Cache/Cache_Data/../Cache_Data/link"),
        entry("chromium/Default/Cache/Cache_Data/../not-an-entry"),
        entry("chromium/Default/Cache/not-an-entry"),
        entry("chromium/Default/Cache/Cache_Data/index-dir"),
        entry("mozilla/firefox/linked-profile/cache2/entries/kept"),
        entry("vivaldi/Default/Cache/Cache_Data/kept"),
        entry("fontconfig/cache-7"),
        entry("chromium/Default/Cache/Cache_Data/gone"),
        entry(""),
        folders().cacheHome,
    };
    for (const std::string& e : refused)
        EXPECT_FALSE(caches.deleteEntry(e)) << e;
    EXPECT_TRUE(fs::is_regular_file(root / "outside/precious.txt"));
    EXPECT_TRUE(fs::is_regular_file(root / "outside/profile/cache2/entries/kept"));
    EXPECT_TRUE(fs::is_symlink(cache("chromium/Default/Cache/Cache_Data/link")));
    EXPECT_TRUE(caches.deleteEntry(entry("chromium/Default/Cache/Cache_Data/f_000001")));
    EXPECT_FALSE(fs::exists(cache("chromium/Default/Cache/Cache_Data/f_000001")));
}

TEST_F(CacheFolder, NoCacheFolderHasNoEntries) {
    EXPECT_THAT(XdgUrlCache(folders().cacheHome).entries(), IsEmpty());
    EXPECT_THAT(XdgUrlCache((root / "missing").string()).entries(), IsEmpty());
}

} // namespace

TEST_F(CacheFolder, TheSnapAndFlatpakFirefoxCachesAreCoveredToo) {
    fill();
    file(home("snap/firefox/common/.cache/mozilla/firefox/s.default/cache2/entries/AA"));
    file(home(".var/app/org.mozilla.firefox/cache/mozilla/firefox/f.default/cache2/entries/BB"));
    file(home("snap/firefox/common/.mozilla/firefox/s.default/places.sqlite"));  // the profile, not the cache
    XdgUrlCache caches = XdgUrlCache::ofUser(folders());
    const std::vector<std::string> entries = caches.entries();
    EXPECT_EQ(entries.size(), 7u);
    DeleteIECache(caches);
    EXPECT_THAT(caches.entries(), IsEmpty());
    EXPECT_TRUE(fs::exists(home("snap/firefox/common/.mozilla/firefox/s.default/places.sqlite")));
    EXPECT_FALSE(fs::exists(home(".var/app/org.mozilla.firefox/cache/mozilla/firefox/f.default/cache2/entries/BB")));
    EXPECT_TRUE(fs::exists(root / "outside/precious.txt"));
}
