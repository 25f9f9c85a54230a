// The link item record: the fixed set of fields every node of the three trees carries.
// Texts hold the stored bytes unchanged (see DisplayText.h for how they are shown).
#pragma once

#include <cstdint>
#include <string>

struct LinkItem {
    std::string Name;        // title; the search phrase of a Google Search item
    std::string Text;        // clipboard text of a Note, message of a Warning
    std::string URL;         // address, path, document, program or e-mail address
    std::string HotKey;      // display text of the global hot key, empty when none
    std::string Params;      // command-line parameters
    std::int32_t ItemType = 0;
    std::int32_t User = 0;      // 0 all users, 1..4 user #n, -1 none chosen
    std::int32_t Priority = 0;  // 0..5, -1 none chosen
    std::uint32_t Sets = 0;     // bits 0..3: browse sets #1..#4; other bits carried
    std::string Remind;      // "+" or empty
    std::string Execute;     // "+" or empty
    std::string Time;        // "hh:mm" or empty
    std::string Reserved;    // carried unchanged
    std::uint16_t Year = 0;
    std::uint16_t Month = 0;
    std::uint16_t Day = 0;
    std::int32_t Periodicity = 0;
    std::uint8_t WeekDays = 0;  // bit 0 Monday .. bit 6 Sunday; bit 7 carried
    std::uint8_t Fired = 0;     // 0 until the timed action fired in this run, then 255
    std::string Dir;         // working folder for launches
    std::string AccessInfo;  // "Last visited: [date] [hh:mm]"
    std::string Note;
    std::string Login;
    std::string Password;
    std::int32_t Color = 0;    // 0x00BBGGRR, 0 = default
    std::int32_t BkColor = 0;  // 0x00BBGGRR, 0 = default
    std::string Contact;
    std::string Email;
    std::string Keyword1;
    std::string Keyword2;
    std::string Keyword3;
    std::string Keyword4;
    std::string Keyword5;

    bool operator==(const LinkItem&) const = default;
};

// The value a flag stored as text takes for "yes".
inline constexpr const char* kFlagSet = "+";
