#include "CommandMap.h"

#include <set>

namespace {

using K = CommandEntry;
constexpr bool Hidden = false;

// clang-format off
constexpr CommandEntry kCommands[] = {
    {"", "File", "", "", true, K::Submenu},
    {"File", "Open", "Open2Click", "Ctrl+O"},
    {"File", "Save", "Save_mp_Click", "Ctrl+S"},
    {"File", "Save As", "SaveAs_mp_Click", ""},
    {"File", "", "", "", true, K::Separator},
    {"File", "Import Bookmarks…", "ImportBookmarks1Click", ""},
    {"File", "Export Bookmarks…", "ExportBookmarks1Click", ""},
    {"File", "Restore Backup…", "RestoreBackup1Click", ""},
    {"File", "", "", "", true, K::Separator},
    {"File", "Quit", "Exit_mpClick", ""},

    {"", "Edit", "", "", true, K::Submenu},
    {"Edit", "Undo", "Undo1Click", "Ctrl+Z"},
    {"Edit", "Redo", "Redo1Click", "Ctrl+Y"},
    {"Edit", "", "", "", true, K::Separator},
    {"Edit", "Cut", "CutLink_mpClick", ""},
    {"Edit", "Copy", "CopyLink_mpClick", ""},
    {"Edit", "Copy URL", "CopyURL1Click", ""},
    {"Edit", "Clone Items", "CloneItems1Click", "Ctrl+Alt+C"},
    {"Edit", "Paste", "PasteLink_mpClick", ""},
    {"Edit", "", "", "", true, K::Separator},
    {"Edit", "Delete Items", "DeleteLink_mpClick", "Ctrl+D"},
    {"Edit", "", "", "", true, K::Separator},
    {"Edit", "Find…", "Find1Click", "Ctrl+F"},
    {"Edit", "Save Page", "SavePage1Click", "", Hidden},

    {"", "View", "", "", true, K::Submenu},
    {"View", "Layouts", "", "", Hidden, K::Submenu},
    {"View/Layouts", "Normal", "Normal1Click", ""},
    {"View/Layouts", "Note Edit", "NoteEdit1Click", ""},
    {"View/Layouts", "Outliner", "Outliner1Click", ""},
    {"View", "Skins", "", "", true, K::Submenu},
    {"View/Skins", "Orange", "Orange1Click", ""},
    {"View/Skins", "Chrome_White", "ChromeWhite1Click", ""},
    {"View/Skins", "VitaminC", "VitaminC1Click", ""},
    {"View/Skins", "White_Pink", "WhitePink1Click", ""},
    {"View/Skins", "Pastel_Blue", "PastelBlue1Click", ""},
    {"View/Skins", "XP_Colors", "XPColors1Click", ""},
    {"View/Skins", "Pastel_Green", "PastelGreen1Click", ""},
    {"View/Skins", "Default_blue", "Defaultblue1Click", ""},
    {"View", "Bookmarks", "", "", true, K::Submenu},
    {"View/Bookmarks", "Group", "GetBookmarks1Click", ""},
    {"View/Bookmarks", "ABC DEF", "", "", true, K::Submenu},
    {"View/Bookmarks/ABC DEF", "A", "A1Click", ""},
    {"View/Bookmarks/ABC DEF", "B", "B1Click", ""},
    {"View/Bookmarks/ABC DEF", "C", "C1Click", ""},
    {"View/Bookmarks/ABC DEF", "D", "D1Click", ""},
    {"View/Bookmarks/ABC DEF", "E", "E1Click", ""},
    {"View/Bookmarks/ABC DEF", "F", "F1Click", ""},
    {"View/Bookmarks", "GHI JKL MNO", "", "", true, K::Submenu},
    {"View/Bookmarks/GHI JKL MNO", "G", "G1Click", ""},
    {"View/Bookmarks/GHI JKL MNO", "H", "H1Click", ""},
    {"View/Bookmarks/GHI JKL MNO", "I", "I1Click", ""},
    {"View/Bookmarks/GHI JKL MNO", "J", "J1Click", ""},
    {"View/Bookmarks/GHI JKL MNO", "K", "K1Click", ""},
    {"View/Bookmarks/GHI JKL MNO", "L", "L1Click", ""},
    {"View/Bookmarks/GHI JKL MNO", "M", "M1Click", ""},
    {"View/Bookmarks/GHI JKL MNO", "N", "N8Click", ""},
    {"View/Bookmarks/GHI JKL MNO", "O", "O1Click", ""},
    {"View/Bookmarks", "PQRS TUV WXYZ", "", "", true, K::Submenu},
    {"View/Bookmarks/PQRS TUV WXYZ", "P", "P1Click", ""},
    {"View/Bookmarks/PQRS TUV WXYZ", "Q", "Q1Click", ""},
    {"View/Bookmarks/PQRS TUV WXYZ", "R", "R1Click", ""},
    {"View/Bookmarks/PQRS TUV WXYZ", "S", "S1Click", ""},
    {"View/Bookmarks/PQRS TUV WXYZ", "T", "T1Click", ""},
    {"View/Bookmarks/PQRS TUV WXYZ", "U", "U1Click", ""},
    {"View/Bookmarks/PQRS TUV WXYZ", "V", "V1Click", ""},
    {"View/Bookmarks/PQRS TUV WXYZ", "W", "W1Click", ""},
    {"View/Bookmarks/PQRS TUV WXYZ", "X", "X1Click", ""},
    {"View/Bookmarks/PQRS TUV WXYZ", "Y", "Y1Click", ""},
    {"View/Bookmarks/PQRS TUV WXYZ", "Z", "Z1Click", ""},
    {"View", "", "", "", true, K::Separator},
    {"View", "Use Embedded Browser", "UseEmbeddedBrowser1Click", "F12", Hidden, K::Action, true},
    {"View", "AutoView In Browser", "AutoView1Click", "", Hidden, K::Action, true},
    {"View", "Use MS IE Browser", "UseMSIEBrowser1Click", "", true, K::Action, true},
    {"View", "Escape Command", "EscapeCommand1Click", ""},

    {"", "Insert", "", "", true, K::Submenu},
    {"Insert", "Add Root Item", "AddRootLink_mpClick", "Ctrl+Alt+R"},
    {"Insert", "Add Item", "AddChildLink_mpClick", "Ctrl+N"},
    {"Insert", "Add Item Right", "AddItemRight1Click", "Ctrl+R"},
    {"Insert", "Add Item Left", "AddItemLeft1Click", "Ctrl+L"},
    {"Insert", "Add Item Before", "InsertLinkBefore_mpClick", ""},
    {"Insert", "", "", "", true, K::Separator},
    {"Insert", "Insert Group Item", "InsertGroup1Click", ""},
    {"Insert", "Insert URL Item", "InsertURL1Click", ""},
    {"Insert", "Insert Folder Item", "InsertFolder1Click", ""},
    {"Insert", "Insert File Item", "InsertFile1Click", ""},
    {"Insert", "Insert Application Item", "InsertApplicationItem1Click", ""},
    {"Insert", "Insert Email  Item", "InsertEmailItem1Click", ""},
    {"Insert", "Insert Print Item", "InsertPrintItem1Click", ""},
    {"Insert", "Insert Info Item", "InsertInfoItem1Click", ""},
    {"Insert", "Insert Warning Item", "InsertWarningItem1Click", ""},
    {"Insert", "Insert Google Search Item", "InsertGoogleSearch1Click", ""},

    {"", "Item", "", "", true, K::Submenu},
    {"Item", "Show Item Info", "Props_mpClick", ""},
    {"Item", "Show Levels", "", "", true, K::Submenu},
    {"Item/Show Levels", "Level 1", "Level11Click", ""},
    {"Item/Show Levels", "Level 2", "Level21Click", ""},
    {"Item/Show Levels", "Level 3", "Level31Click", ""},
    {"Item/Show Levels", "Level 4", "Level41Click", ""},
    {"Item/Show Levels", "Level 5", "Level51Click", ""},
    {"Item/Show Levels", "Level 6", "Level61Click", ""},
    {"Item/Show Levels", "Level 7", "Level71Click", ""},
    {"Item/Show Levels", "Level 8", "Level81Click", ""},
    {"Item/Show Levels", "Level 9", "Level91Click", ""},
    {"Item/Show Levels", "All Levels", "AllLevels1Click", ""},
    {"Item", "Move Items", "", "", true, K::Submenu},
    {"Item/Move Items", "Up", "Up1Click", ""},
    {"Item/Move Items", "Down", "Down1Click", ""},
    {"Item/Move Items", "Left", "Left1Click", ""},
    {"Item/Move Items", "Right", "Right1Click", ""},
    {"Item", "Show Sub-Items", "", "", true, K::Submenu},
    {"Item/Show Sub-Items", "Expand All", "ExpandAll_mpClick", "F5"},
    {"Item/Show Sub-Items", "Collapse All", "CollapseAll_mpClick", "F6"},
    {"Item/Show Sub-Items", "Hide", "Hide1Click", "Ctrl+H"},
    {"Item/Show Sub-Items", "Expand", "Expand1Click", "Ctrl+E"},
    {"Item/Show Sub-Items", "All subs", "Allsubs1Click", "Ctrl+G"},
    {"Item/Show Sub-Items", "Toggle", "oggle1Click", ""},
    {"Item/Show Sub-Items", "1 Level Only", "", "Ctrl+J"},  // inert: the key does nothing
    {"Item", "Group Items", "GroupItems1Click", "Ctrl+Alt+G"},
    {"Item", "Import Items", "", "", true, K::Submenu},
    {"Item/Import Items", "Add Active Links", "AddActiveLinks1Click", "F2"},
    {"Item/Import Items", "Add Link From Clipboard", "AddLinkFromClipboard_mpClick", "Ctrl+Alt+N"},
    {"Item/Import Items", "Get All Links", "GetAllLinks1Click", ""},
    {"Item/Import Items", "Get Local File Link", "", "", true, K::Submenu},
    {"Item/Import Items", "Insert Link After", "InsertLinkAfter_mpClick", "", Hidden},
    {"Item", "Set Item Type", "", "", true, K::Submenu},
    {"Item/Set Item Type", "Group Folder", "GroupFolder1Click", ""},
    {"Item/Set Item Type", "URL", "URL1Click", ""},
    {"Item/Set Item Type", "Folder", "Folder1Click", ""},
    {"Item/Set Item Type", "File", "File1Click", ""},
    {"Item/Set Item Type", "Appllication", "Application1Click", ""},
    {"Item/Set Item Type", "Google Search", "GoogleSearch1Click", ""},
    {"Item/Set Item Type", "Saved Page", "SavedPage1Click", ""},
    {"Item/Set Item Type", "Email", "Email1Click", ""},
    {"Item/Set Item Type", "Note", "Note1Click", ""},
    {"Item/Set Item Type", "Print Job", "PrintJob1Click", ""},
    {"Item/Set Item Type", "Warning", "Warning1Click", ""},
    {"Item/Set Item Type", "AutoFill", "AutoFill1Click", ""},
    {"Item", "Goto", "", "", true, K::Submenu},
    {"Item/Goto", "Goto First", "GotoFirst_mpClick", ""},
    {"Item/Goto", "Goto Previous", "GotoPrevious1Click", ""},
    {"Item/Goto", "Goto Previous Sibling", "GotoPreviousSibling_mpClick", ""},
    {"Item/Goto", "Goto Next", "GotoNext_mpClick", ""},
    {"Item/Goto", "Goto Next Sibling", "GotoNextSibling_mpClick", ""},
    {"Item/Goto", "Goto Last", "GotoLast_mpClick", ""},
    {"Item", "Selection", "", "", true, K::Submenu},
    {"Item/Selection", "All", "SelectAll_mpClick", ""},
    {"Item/Selection", "All Visible", "SelectAllVisible_mpClick", ""},
    {"Item/Selection", "Unselect All", "UnselectAll_mpClick", ""},
    {"Item/Selection", "Invert", "Invert1Click", ""},
    {"Item", "Save Note", "SaveNote1Click", "F3"},

    {"", "Format", "", "", Hidden, K::Submenu},
    {"Format", "Font", "", "", true, K::Submenu},
    {"Format/Font", "Arial", "Arial1Click", ""},
    {"Format/Font", "Courier New", "CourierNew1Click", ""},
    {"Format/Font", "Tahoma", "ahoma1Click", ""},
    {"Format/Font", "Times New Roman", "imesNewRoman1Click", ""},
    {"Format/Font", "Verdana", "Verdana1Click", ""},
    {"Format", "Style", "", "", true, K::Submenu},
    {"Format/Style", "Bold", "Bold1Click", "Ctrl+B"},
    {"Format/Style", "Italic", "Italic1Click", "Ctrl+I"},
    {"Format/Style", "Underline", "Underline1Click", "Ctrl+U"},
    {"Format/Style", "Superscript", "Superscript1Click", "", Hidden},
    {"Format/Style", "Subscript", "Subscript1Click", "", Hidden},
    {"Format", "Size", "", "", true, K::Submenu},
    {"Format/Size", "Size #1", "Size11Click", ""},
    {"Format/Size", "Size #2", "Size21Click", ""},
    {"Format/Size", "Size #3", "Size31Click", ""},
    {"Format/Size", "Size #4", "Size41Click", ""},
    {"Format/Size", "Size #5", "Size51Click", ""},
    {"Format/Size", "Size #6", "Size61Click", ""},
    {"Format", "Color", "", "", true, K::Submenu},
    {"Format/Color", "Black", "Black1Click", ""},
    {"Format/Color", "Dk Blue", "DkBlue1Click", ""},
    {"Format/Color", "Dk Green", "DkGreen1Click", ""},
    {"Format/Color", "Dk Red", "DkRed1Click", ""},
    {"Format/Color", "Dk Magenta", "DkMagenta1Click", ""},
    {"Format/Color", "Dk Yellow", "DkYellow1Click", ""},
    {"Format/Color", "Dk Gray", "DkGray1Click", ""},
    {"Format/Color", "Lt Gray", "LtGray1Click", ""},
    {"Format/Color", "Blue", "Blue1Click", ""},
    {"Format/Color", "Green", "Green1Click", ""},
    {"Format/Color", "Red", "Red1Click", ""},
    {"Format/Color", "Magenta", "Magenta1Click", ""},
    {"Format/Color", "Yellow", "Yellow1Click", ""},
    {"Format/Color", "White", "White1Click", ""},
    {"Format", "Back Color", "", "", true, K::Submenu},
    {"Format/Back Color", "Black", "Black2Click", ""},
    {"Format/Back Color", "Dk Blue", "DkBlue2Click", ""},
    {"Format/Back Color", "Dk Green", "DkGreen2Click", ""},
    {"Format/Back Color", "Dk Red", "DkRed2Click", ""},
    {"Format/Back Color", "Dk Magenta", "DkMagenta2Click", ""},
    {"Format/Back Color", "Dk Yellow", "DkYellow2Click", ""},
    {"Format/Back Color", "Dk Gray", "DkGray2Click", ""},
    {"Format/Back Color", "Lt Gray", "LtGray2Click", ""},
    {"Format/Back Color", "Blue", "Blue2Click", ""},
    {"Format/Back Color", "Green", "Green2Click", ""},
    {"Format/Back Color", "Red", "Red2Click", ""},
    {"Format/Back Color", "Magenta", "Magenta2Click", ""},
    {"Format/Back Color", "Yellow", "Yellow2Click", ""},
    {"Format/Back Color", "White", "White2Click", ""},
    {"Format", "Block", "", "", true, K::Submenu},
    {"Format/Block", "Left", "Left2Click", ""},
    {"Format/Block", "Center", "Center1Click", ""},
    {"Format/Block", "Right", "Right2Click", ""},
    {"Format/Block", "Full", "Full1Click", ""},
    {"Format/Block", "Justify None", "JustifyNone1Click", ""},
    {"Format/Block", "Paragraph", "Paragraph1Click", "", Hidden},
    {"Format/Block", "Blockquote", "Blockquote1Click", "", Hidden},
    {"Format", "Headings", "", "", Hidden, K::Submenu},
    {"Format/Headings", "Heading 1", "Heading11Click", ""},
    {"Format/Headings", "Heading 2", "Heading21Click", ""},
    {"Format/Headings", "Heading 3", "Heading31Click", ""},
    {"Format", "Break", "Break1Click", "", Hidden},
    {"Format", "Hyperlink", "Hyperlink1Click", ""},
    {"Format", "Unlink", "Unlink1Click", ""},
    {"Format", "Comment", "Comment1Click", "", Hidden},
    {"Format", "Horizontal Line", "HorizontalLine1Click", ""},
    {"Format", "Line Break", "LineBreak1Click", ""},

    {"", "Actions", "", "", true, K::Submenu},
    {"Actions", "Launch", "Browse_mp_Click", "F9"},
    {"Actions", "Launch Set", "", "", true, K::Submenu},
    {"Actions/Launch Set", "Set #1", "BrowseSet1_mClick", ""},
    {"Actions/Launch Set", "Set #2", "BrowseSet2_mClick", ""},
    {"Actions/Launch Set", "Set #3", "BrowseSet3_mClick", ""},
    {"Actions/Launch Set", "Set #4", "BrowseSet4_mClick", ""},
    {"Actions", "Browse Note", "BrowseIn1_mp_Click", "F4"},
    {"Actions", "Go", "", "", Hidden, K::Submenu},
    {"Actions/Go", "Browse Next", "BrowseNext_mpClick", "Ctrl+F9"},
    {"Actions/Go", "Browse In Default Browser", "BrowseInDefaultBrowser1Click", "Shift+F9"},
    {"Actions/Go", "Browse Next Internaly", "BrowseNextInternaly_mpClick", ""},
    {"Actions/Go", "Browse Previous Internaly", "BrowsePreviousInternaly_mpClick", ""},
    {"Actions", "Browser", "", "", true, K::Submenu},
    {"Actions/Browser", "Open All Links", "OpenAllLinks1Click", ""},

    {"", "Service", "", "", true, K::Submenu},
    {"Service", "Delete Temporary Internet Files", "mp_DeleteTemporaryInternetFilesClick", ""},
    {"Service", "Bookmarklets", "", "", Hidden, K::Submenu},
    {"Service/Bookmarklets", "All Links", "AllLinks1Click", ""},
    {"Service", "Email Items", "EmailItems1Click", ""},
    {"Service", "Render", "Render1Click", "", Hidden},
    {"Service", "", "", "", true, K::Separator},
    {"Service", "Google Search", "GoogleSearch2Click", ""},
    {"Service", "Internet Explorer", "InternetExplorer1Click", ""},
    {"Service", "Windows Explorer", "WindowsExplorer1Click", ""},
    {"Service", "", "", "", true, K::Separator},
    {"Service", "Start With the Desktop", "StartWithTheDesktop1Click", "", true, K::Action, true},
    {"Service", "Quick Launcher Key…", "QuickLauncherKey1Click", ""},

    {"", "Help", "", "", true, K::Submenu},
    {"Help", "Wendelmoor Help", "TarvelinHelp1Click", "", Hidden},
    {"Help", "Welcome, user!", "WelcomeUser_mClick", "", Hidden},
    {"Help", "Show Next Tip", "ShowNextTip1Click", ""},
    {"Help", "Autoplay Tips", "AutoplayTips1Click", "", true, K::Action, true},
    {"Help", "Show Tips", "ShowTips1Click", "", Hidden},
    {"Help", "", "", "", true, K::Separator},
    {"Help", "About Wendelmoor", "About1Click", ""},
};

constexpr RuntimeShortcut kRuntime[] = {
    {"Props_mpClick", "Ctrl+Enter"},
    {"BrowseSet1_mClick", "Ctrl+Shift+1"}, {"BrowseSet2_mClick", "Ctrl+Shift+2"},
    {"BrowseSet3_mClick", "Ctrl+Shift+3"}, {"BrowseSet4_mClick", "Ctrl+Shift+4"},
    {"GroupFolder1Click", "Ctrl+Alt+1"}, {"URL1Click", "Ctrl+Alt+2"}, {"Folder1Click", "Ctrl+Alt+3"},
    {"File1Click", "Ctrl+Alt+4"}, {"Application1Click", "Ctrl+Alt+5"}, {"GoogleSearch1Click", "Ctrl+Alt+6"},
    {"SavedPage1Click", "Ctrl+Alt+7"}, {"Email1Click", "Ctrl+Alt+8"}, {"Note1Click", "Ctrl+Alt+9"},
    {"PrintJob1Click", "Ctrl+Alt+0"},
    {"Up1Click", "Alt+Up"}, {"Down1Click", "Alt+Down"}, {"Left1Click", "Alt+Left"}, {"Right1Click", "Alt+Right"},
    {"Level11Click", "Ctrl+1"}, {"Level21Click", "Ctrl+2"}, {"Level31Click", "Ctrl+3"}, {"Level41Click", "Ctrl+4"},
    {"Level51Click", "Ctrl+5"}, {"Level61Click", "Ctrl+6"}, {"Level71Click", "Ctrl+7"}, {"Level81Click", "Ctrl+8"},
    {"Level91Click", "Ctrl+9"}, {"AllLevels1Click", "Ctrl+0"},
    {"A1Click", "Ctrl+Shift+A"}, {"B1Click", "Ctrl+Shift+B"}, {"C1Click", "Ctrl+Shift+C"}, {"D1Click", "Ctrl+Shift+D"},
    {"E1Click", "Ctrl+Shift+E"}, {"F1Click", "Ctrl+Shift+F"}, {"G1Click", "Ctrl+Shift+G"}, {"H1Click", "Ctrl+Shift+H"},
    {"I1Click", "Ctrl+Shift+I"}, {"J1Click", "Ctrl+Shift+J"}, {"K1Click", "Ctrl+Shift+K"}, {"L1Click", "Ctrl+Shift+L"},
    {"M1Click", "Ctrl+Shift+M"}, {"N8Click", "Ctrl+Shift+N"}, {"O1Click", "Ctrl+Shift+O"}, {"P1Click", "Ctrl+Shift+P"},
    {"Q1Click", "Ctrl+Shift+Q"}, {"R1Click", "Ctrl+Shift+R"}, {"S1Click", "Ctrl+Shift+S"}, {"T1Click", "Ctrl+Shift+T"},
    {"U1Click", "Ctrl+Shift+U"}, {"V1Click", "Ctrl+Shift+V"}, {"W1Click", "Ctrl+Shift+W"}, {"X1Click", "Ctrl+Shift+X"},
    {"Y1Click", "Ctrl+Shift+Y"}, {"Z1Click", "Ctrl+Shift+Z"},
    {"Paragraph1Click", "Ctrl+Shift+Alt+P"},
    {"Break1Click", "Ctrl+Shift+Alt+B"},
    {"GoogleSearch2Click", "Ctrl+Shift+Alt+G"},
    {"InternetExplorer1Click", "Ctrl+Shift+Alt+I"},
    {"WindowsExplorer1Click", "Ctrl+Shift+Alt+E"},
    {"ShowNextTip1Click", "Alt+F1"},
    {"EscapeCommand1Click", "Esc"},
    {"Exit_mpClick", "Ctrl+Q"},
};

constexpr RuntimeShortcut kLate[] = {
    {"Props_mpClick", "Ctrl+Enter"},
    {"BrowseNextInternaly_mpClick", "F3"},
};
// clang-format on

} // namespace

std::span<const CommandEntry> commandMap() { return kCommands; }
std::span<const RuntimeShortcut> runtimeShortcuts() { return kRuntime; }
std::span<const RuntimeShortcut> lateShortcuts() { return kLate; }

std::vector<std::string> resolvedShortcuts() {
    std::vector<std::string> shortcuts;
    for (const CommandEntry& e : kCommands)
        shortcuts.emplace_back(e.shortcut);
    for (auto table : {runtimeShortcuts(), lateShortcuts()})
        for (const RuntimeShortcut& r : table)
            for (std::size_t i = 0; i < std::size(kCommands); ++i)
                if (kCommands[i].handler == r.handler)
                    shortcuts[i] = r.shortcut;
    std::set<std::string> taken;
    for (std::string& s : shortcuts)
        if (!s.empty() && !taken.insert(s).second)
            s.clear();  // a later entry in menu order: the first one receives the key
    return shortcuts;
}

std::string undoStepName(std::string_view handler) {
    for (const CommandEntry& e : kCommands) {
        if (e.handler != handler || e.kind != CommandEntry::Action)
            continue;
        if (e.menu == "Item/Move Items")
            return "Move Items " + std::string(e.caption);
        if (e.menu == "Item/Set Item Type")
            return "Set Item Type";
        // "Restore Backup…" names the step "Restore Backup": the dots promise a dialog, not a step.
        std::string_view caption = e.caption;
        if (caption.ends_with("…"))
            caption.remove_suffix(std::string_view("…").size());
        return std::string(caption);
    }
    return {};
}

std::string entryPath(const CommandEntry& entry) {
    return entry.menu.empty() ? std::string(entry.caption) : std::string(entry.menu) + "/" + std::string(entry.caption);
}
