#include "Autostart.h"

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <system_error>

namespace fs = std::filesystem;

namespace {

class NoAutostart : public Autostart {
public:
    bool enabled() const override { return false; }
    std::string setEnabled(bool) override { return "The desktop's autostart folder is not known."; }
};

// An Exec argument: quoted when it holds anything but plain characters, with the characters a
// quoted argument escapes; "%" is doubled as the field codes need.
std::string execArgument(const std::string& word) {
    bool plain = !word.empty();
    std::string quoted = "\"";
    for (char c : word) {
        if (c == '"' || c == '`' || c == '$' || c == '\\')
            quoted += '\\';
        if (c == '%')
            quoted += '%';
        quoted += c;
        const bool safe = (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '/' ||
                          c == '.' || c == '_' || c == '-' || c == '+';
        plain = plain && safe;
    }
    quoted += '"';
    return plain ? word : quoted;
}

} // namespace

Autostart& Autostart::none() {
    static NoAutostart none;
    return none;
}

XdgAutostart::XdgAutostart(const std::string& configHome, std::string program)
    : folder_(configHome + "/autostart"), entry_(folder_ + "/" + kApplicationId + ".desktop"),
      program_(std::move(program)) {}

bool XdgAutostart::enabled() const {
    std::error_code error;
    return fs::is_regular_file(entry_, error);
}

std::string XdgAutostart::entryText(const std::string& program) {
    // Desktop entry values escape backslashes once more on top of the Exec quoting.
    std::string exec;
    for (char c : execArgument(program)) {
        exec += c;
        if (c == '\\')
            exec += '\\';
    }
    return "[Desktop Entry]\n"
           "Type=Application\n"
           "Name=Wendelmoor\n"
           "Comment=Starts Wendelmoor in the notification area, so that its hot keys and reminders work\n"
           "Exec=" +
           exec +
           " --hidden\n"
           "Icon=" +
           std::string(kApplicationId) +
           "\n"
           "Terminal=false\n"
           "X-GNOME-Autostart-enabled=true\n";
}

std::string XdgAutostart::setEnabled(bool on) {
    std::error_code error;
    if (!on) {
        fs::remove(entry_, error);
        return error ? "The autostart entry \"" + entry_ + "\" could not be removed: " + error.message() + "." : "";
    }
    fs::create_directories(folder_, error);
    const std::string temporary = entry_ + ".tmp";
    {
        std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
        out << entryText(program_);
        out.close();
        if (!error && !out)
            error = std::make_error_code(std::errc::io_error);
    }
    if (!error)
        fs::rename(temporary, entry_, error);
    if (error) {
        std::error_code ignored;
        fs::remove(temporary, ignored);
        return "The autostart entry \"" + entry_ + "\" could not be written: " + error.message() + ".";
    }
    return {};
}
