// Item type values and the captions that belong to them.
#pragma once

#include <cstdint>
#include <string_view>

namespace ItemType {
inline constexpr std::int32_t None = -1;
inline constexpr std::int32_t Group = 0;
inline constexpr std::int32_t Url = 1;
inline constexpr std::int32_t Folder = 2;
inline constexpr std::int32_t File = 3;
inline constexpr std::int32_t Application = 4;
inline constexpr std::int32_t GoogleSearch = 5;
inline constexpr std::int32_t SavedPage = 6;
inline constexpr std::int32_t Email = 7;
inline constexpr std::int32_t Note = 8;
inline constexpr std::int32_t Warning = 9;
inline constexpr std::int32_t PrintJob = 10;
inline constexpr std::int32_t AutoFill = 11;
inline constexpr std::int32_t CopyText = 12;
inline constexpr std::int32_t Last = CopyText;
} // namespace ItemType

// One row per item type 0..12: the properties dialog's name, the "Set Item Type" caption and the
// "Insert" caption (empty where the type has no such menu entry).
struct ItemTypeInfo {
    std::int32_t value;
    std::string_view dialogName;
    std::string_view setTypeCaption;
    std::string_view insertCaption;
};

inline constexpr ItemTypeInfo kItemTypes[] = {
    {ItemType::Group, "Group", "Group Folder", "Insert Group Item"},
    {ItemType::Url, "URL", "URL", "Insert URL Item"},
    {ItemType::Folder, "Folder", "Folder", "Insert Folder Item"},
    {ItemType::File, "File", "File", "Insert File Item"},
    {ItemType::Application, "Application", "Appllication", "Insert Application Item"},
    {ItemType::GoogleSearch, "Google Search", "Google Search", "Insert Google Search Item"},
    {ItemType::SavedPage, "WebContent", "Saved Page", ""},
    {ItemType::Email, "Email", "Email", "Insert Email  Item"},
    {ItemType::Note, "Note", "Note", "Insert Info Item"},
    {ItemType::Warning, "Warning", "Warning", "Insert Warning Item"},
    {ItemType::PrintJob, "Print Job", "Print Job", "Insert Print Item"},
    {ItemType::AutoFill, "Autofill", "AutoFill", ""},
    {ItemType::CopyText, "CopyText", "", ""},
};
