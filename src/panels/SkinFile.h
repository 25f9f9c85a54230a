// Skin files: INI text with one section "RbControls" whose keys name an object, a kind letter and a
// property ("TRbControlColorsNDefaultTo=13745839"), read into the style the skinned controls share.
#pragma once

#include <cstdint>
#include <stdexcept>
#include <string>
#include <string_view>

inline constexpr const char* kSkinFileMissing = "File not exists!";
inline constexpr const char* kSkinFileInvalid = "Empty or invalid file";

struct SkinFileError : std::runtime_error {
    using std::runtime_error::runtime_error;
};

// Colours are 0x00BBGGRR values; kButtonFace stands for the desktop's own button face colour.
inline constexpr std::int32_t kButtonFace = -16777201;

enum class FadeSpeed { None, Slow, Medium, Fast };

struct ControlColors {
    std::int32_t DefaultFrom = 0xFFFFFF, DefaultTo = 13745839;  // the resting gradient
    std::int32_t OverFrom = 0xFFFFFF, OverTo = 12489846;        // under the mouse
    std::int32_t ClickedFrom = 13029334, ClickedTo = 15463415;  // pressed
    std::int32_t HotTrack = 0xFF0000;                           // blue
    std::int32_t Border = 0x808080;
    std::int32_t TextShadow = 0xFFFFFF;
    std::int32_t CheckMark = 0x008000;
    bool operator==(const ControlColors&) const = default;
};

struct SplitterColors {
    std::int32_t Color = kButtonFace;
    std::int32_t OverFrom = 0xFFFFFF, OverTo = 12489846;
    bool operator==(const SplitterColors&) const = default;
};

struct SkinFont {
    std::string Name = "Tahoma";
    std::int32_t Height = 11;
    std::int32_t Color = 0;
    bool Bold = false, Italic = false, Underline = false, StrikeOut = false;
    bool operator==(const SkinFont&) const = default;
};

// The style manager's published properties; the defaults are the built-in start-up look.
struct SkinStyle {
    std::int32_t Color = 14933983;       // panel colour
    std::int32_t PanelBorder = 0x808080; // grey
    FadeSpeed Fade = FadeSpeed::Medium;
    bool ShowFocusRect = true;
    bool GradientBorder = true;
    bool TextShadow = true;
    bool HotTrack = false;
    ControlColors Colors;
    SplitterColors Splitter;
    SkinFont Font;
    bool operator==(const SkinStyle&) const = default;
};

// Reads the text of a skin file over the style's current values: keys of published properties set
// them, any other key is skipped, a number that does not read counts as 0. Throws SkinFileError
// with kSkinFileInvalid when the "RbControls" section is missing or holds no key.
void ReadSkin(std::string_view text, SkinStyle& style);

// Reads the skin file at path; kSkinFileMissing when there is none, and the style is unchanged
// when the file fails to read.
void LoadSkinFile(const std::string& path, SkinStyle& style);

// "View" > "Skins": caption, handler and file name of each skin, by skin index.
struct SkinEntry {
    const char* caption;
    const char* handler;
    const char* file;
};
inline constexpr SkinEntry kSkins[] = {
    {"Orange", "Orange1Click", "orange.rbs"},
    {"Chrome_White", "ChromeWhite1Click", "chrome_white.rbs"},
    {"VitaminC", "VitaminC1Click", "VitaminC.rbs"},
    {"White_Pink", "WhitePink1Click", "White_pink.rbs"},
    {"Pastel_Blue", "PastelBlue1Click", "Pastel_blue.rbs"},
    {"XP_Colors", "XPColors1Click", "XP_Colors.rbs"},
    {"Pastel_Green", "PastelGreen1Click", "Pastel_green.rbs"},
    {"Default_blue", "Defaultblue1Click", "default_blue.rbs"},
};
