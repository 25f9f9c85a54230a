// The link item record: the fixed set of fields every node of the three trees carries.
// Texts hold the stored bytes unchanged (see DisplayText.h for how they are shown); an empty text
// costs four bytes, so a record's size follows its content.
#pragma once

#include "ItemText.h"

#include <cstdint>

struct LinkItem {
    ItemText Name;           // title; the search phrase of a Google Search item
    ItemText Text;           // clipboard text of a Note, message of a Warning
    ItemText URL;            // address, path, document, program or e-mail address
    ItemText HotKey;         // display text of the global hot key, empty when none
    ItemText Params;         // command-line parameters
    std::int32_t ItemType = 0;
    std::int32_t User = 0;      // 0 all users, 1..4 user #n, -1 none chosen
    std::int32_t Priority = 0;  // 0..5, -1 none chosen
    std::uint32_t Sets = 0;     // bits 0..3: browse sets #1..#4; other bits carried
    ItemText Remind;         // "+" or empty
    ItemText Execute;        // "+" or empty
    ItemText Time;           // "hh:mm" or empty
    ItemText Reserved;       // carried unchanged
    std::uint16_t Year = 0;
    std::uint16_t Month = 0;
    std::uint16_t Day = 0;
    std::int32_t Periodicity = 0;
    std::uint8_t WeekDays = 0;  // bit 0 Monday .. bit 6 Sunday; bit 7 carried
    std::uint8_t Fired = 0;     // 0 until the timed action fired in this run, then 255
    ItemText Dir;            // working folder for launches
    ItemText AccessInfo;     // "Last visited: [date] [hh:mm]"
    ItemText Note;   
    ItemText Login;   
    ItemText Password;   
    std::int32_t Color = 0;    // 0x00BBGGRR, 0 = default
    std::int32_t BkColor = 0;  // 0x00BBGGRR, 0 = default
    ItemText Contact;   
    ItemText Email;   
    ItemText Keyword1;   
    ItemText Keyword2;   
    ItemText Keyword3;   
    ItemText Keyword4;   
    ItemText Keyword5;   

    bool operator==(const LinkItem&) const = default;
};

// The value a flag stored as text takes for "yes".
inline constexpr const char* kFlagSet = "+";
