#include "panels/SkinFile.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

namespace {

SkinStyle read(const std::string& text) {
    SkinStyle style;
    ReadSkin(text, style);
    return style;
}

std::string errorOf(const std::string& text) {
    SkinStyle style;
    try {
        ReadSkin(text, style);
    } catch (const SkinFileError& e) {
        EXPECT_EQ(style, SkinStyle()) << "a failed read leaves the style as it was";
        return e.what();
    }
    return "";
}

} // namespace

TEST(SkinFile, BuiltInStyleIsTheStartUpLook) {
    const SkinStyle s;
    EXPECT_EQ(s.Colors.DefaultFrom, 0xFFFFFF);
    EXPECT_EQ(s.Colors.DefaultTo, 13745839);
    EXPECT_EQ(s.Colors.OverTo, 12489846);
    EXPECT_EQ(s.Colors.ClickedFrom, 13029334);
    EXPECT_EQ(s.Colors.ClickedTo, 15463415);
    EXPECT_EQ(s.Color, 14933983);
    EXPECT_EQ(s.Splitter.Color, kButtonFace);
    EXPECT_EQ(s.Font.Name, "Tahoma");
    EXPECT_EQ(s.Font.Height, 11);
    EXPECT_EQ(s.Fade, FadeSpeed::Medium);
    EXPECT_TRUE(s.ShowFocusRect && s.GradientBorder && s.TextShadow);
    EXPECT_FALSE(s.HotTrack);
}

TEST(SkinFile, KeysOfEveryKindSetTheirProperty) {
    const SkinStyle s = read("; a comment\r\n"
                             "[Other]\nTRbStyleManagerNColor=1\n"
                             "[RbControls]\r\n"
                             "TRbStyleManagerNColor=4227327\r\n"
                             "  TRbControlColorsNDefaultTo = 33023 \n"
                             "TRbControlColorsNBorder=-5\n"
                             "TRbSplitterColorsNOverTo=+42\n"
                             "TRbStyleManagerEFadeSpeed=fsFast\n"
                             "TRbStyleManagerEHotTrack=True\n"
                             "trbstylemanagerETextShadow=false\n"
                             "TFontEName=Verdana\n"
                             "TFontSStyle=[fsBold, fsItalic]\n");
    EXPECT_EQ(s.Color, 4227327);
    EXPECT_EQ(s.Colors.DefaultTo, 33023);
    EXPECT_EQ(s.Colors.Border, -5);
    EXPECT_EQ(read("\xEF\xBB\xBF[RbControls]\nTRbStyleManagerNColor=7\n").Color, 7) << "after a byte order mark";
    EXPECT_EQ(s.Splitter.OverTo, 42);
    EXPECT_EQ(s.Fade, FadeSpeed::Fast);
    EXPECT_TRUE(s.HotTrack);
    EXPECT_FALSE(s.TextShadow);
    EXPECT_EQ(s.Font.Name, "Verdana");
    EXPECT_TRUE(s.Font.Bold && s.Font.Italic);
    EXPECT_FALSE(s.Font.Underline);
}

TEST(SkinFile, UnreadableNumbersCountAsZero) {
    for (const char* value : {"", "abc", "12px", "0x10", "99999999999", "1.5", "- 3"}) {
        const SkinStyle s = read(std::string("[RbControls]\nTRbControlColorsNDefaultTo=") + value + "\n");
        EXPECT_EQ(s.Colors.DefaultTo, 0) << '"' << value << '"';
    }
}

TEST(SkinFile, UnknownKeysAndValuesAreSkipped) {
    const SkinStyle s = read("[RbControls]\n"
                             "TRbControlColorsNShine=5\n"         // no such property
                             "TRbButtonNColor=5\n"                // no such object
                             "TRbStyleManagerXColor=5\n"          // no such kind
                             "TRbStyleManagerEFadeSpeed=fsWarp\n" // no such name
                             "TFontSStyle=fsBold\n"               // no set
                             "TRbStyleManagerNColor\n"            // no value
                             "=5\n");
    EXPECT_EQ(s, SkinStyle());
}

TEST(SkinFile, ASectionWithoutKeysIsInvalid) {
    for (const char* text : {"", "\n\n", "[RbControls]\n", "[RbControls]\n; only a comment\n",
                             "[Colors]\nTRbStyleManagerNColor=5\n", "TRbStyleManagerNColor=5\n[RbControls]",
                             "\xEF\xBB\xBF\x00\xFF garbage"})
        EXPECT_EQ(errorOf(text), kSkinFileInvalid) << '"' << text << '"';
}

TEST(SkinFile, AMissingFileIsReported) {
    SkinStyle style;
    try {
        LoadSkinFile((std::filesystem::temp_directory_path() / "no-such-skin.rbs").string(), style);
        FAIL() << "no error";
    } catch (const SkinFileError& e) {
        EXPECT_STREQ(e.what(), kSkinFileMissing);
    }
}

TEST(SkinFile, EachShippedSkinLoadsAndLooksDifferent) {
    std::vector<SkinStyle> seen;
    for (const SkinEntry& skin : kSkins) {
        SCOPED_TRACE(skin.file);
        SkinStyle style;
        ASSERT_NO_THROW(LoadSkinFile(std::string(WENDELMOOR_SKIN_DIR) + "/" + skin.file, style));
        EXPECT_NE(style, SkinStyle());
        for (const SkinStyle& other : seen)
            EXPECT_NE(style.Colors, other.Colors) << "each skin has its own palette";
        seen.push_back(style);
    }
}
