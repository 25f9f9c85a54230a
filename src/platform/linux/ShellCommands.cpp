#include "ShellCommands.h"

#include "ShellWords.h"
#include "collection/DisplayText.h"

#include <unistd.h>

#include <algorithm>
#include <cctype>
#include <cstdlib>
#include <filesystem>
#include <string_view>
#include <system_error>

namespace fs = std::filesystem;

namespace {

std::string lower(std::string_view s) {
    std::string r(s);
    std::transform(r.begin(), r.end(), r.begin(), [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return r;
}

bool isBlank(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\r';
}

std::string_view trimmed(std::string_view s) {
    while (!s.empty() && isBlank(s.front()))
        s.remove_prefix(1);
    while (!s.empty() && isBlank(s.back()))
        s.remove_suffix(1);
    return s;
}

std::string inQuotes(std::string_view s) {
    return "\"" + displayText(s) + "\"";
}

std::vector<std::string> splitList(const std::string& list, char separator) {
    std::vector<std::string> parts;
    std::size_t start = 0;
    for (;;) {
        std::size_t end = list.find(separator, start);
        parts.push_back(list.substr(start, end == std::string::npos ? std::string::npos : end - start));
        if (end == std::string::npos)
            return parts;
        start = end + 1;
    }
}

bool isExecutableFile(const fs::path& p) {
    std::error_code ec;
    return fs::is_regular_file(p, ec) && ::access(p.c_str(), X_OK) == 0;
}

// A URL scheme: a letter, then letters, digits, '+', '-' or '.', then ':'. One letter before the
// colon is a Windows drive ("C:\..."), not a scheme.
std::string schemeOf(std::string_view text) {
    if (text.empty() || !std::isalpha(static_cast<unsigned char>(text[0])))
        return {};
    std::size_t i = 1;
    while (i < text.size() &&
           (std::isalnum(static_cast<unsigned char>(text[i])) || text[i] == '+' || text[i] == '-' || text[i] == '.'))
        ++i;
    if (i < 2 || i >= text.size() || text[i] != ':')
        return {};
    return lower(text.substr(0, i));
}

// A web address written without a scheme: a host name, an optional port, then anything after '/',
// '?' or '#'. So that a missing document such as "report.doc" is not taken for a host, the host must
// begin with "www.", be four numbers, or be followed by a port or a path: "www.example.org",
// "example.org/page", "192.168.1.4".
bool looksLikeWebAddress(std::string_view text) {
    const std::size_t hostEnd = std::min(text.find_first_of("/?#"), text.size());
    std::string_view host = text.substr(0, hostEnd);
    bool followed = hostEnd < text.size();
    if (auto colon = host.rfind(':'); colon != std::string_view::npos) {
        std::string_view port = host.substr(colon + 1);
        if (port.empty() || !std::all_of(port.begin(), port.end(), [](unsigned char c) { return std::isdigit(c); }))
            return false;
        host = host.substr(0, colon);
        followed = true;
    }
    if (host.empty() || host.front() == '.' || host.back() == '.' || host.find('.') == std::string_view::npos)
        return false;
    if (!std::all_of(host.begin(), host.end(), [](unsigned char c) { return std::isalnum(c) || c == '.' || c == '-'; }))
        return false;
    std::string_view last = host.substr(host.rfind('.') + 1);
    const bool named =
        last.size() >= 2 && std::all_of(last.begin(), last.end(), [](unsigned char c) { return std::isalpha(c); });
    const bool numeric =
        std::count(host.begin(), host.end(), '.') == 3 &&
        std::all_of(host.begin(), host.end(), [](unsigned char c) { return std::isdigit(c) || c == '.'; });
    return numeric || (named && (followed || lower(host.substr(0, 4)) == "www."));
}

// The last part of a Unix or Windows path: "IEXPLORE.EXE" of "C:\Program Files\...\IEXPLORE.EXE".
std::string_view lastComponent(std::string_view file) {
    auto slash = file.find_last_of("/\\");
    return slash == std::string_view::npos ? file : file.substr(slash + 1);
}

// Browsers that open an address in a new window when asked with --new-window, by program name.
bool offersNewWindow(const std::string& program) {
    std::error_code ec;
    fs::path real = fs::canonical(program, ec); // x-www-browser is a link to the real browser
    const std::string name = lower((ec ? fs::path(program) : real).filename().string());
    constexpr std::string_view families[] = {"firefox",        "chromium", "google-chrome", "chrome",    "brave",
                                             "microsoft-edge", "vivaldi",  "opera",         "librewolf", "epiphany"};
    return std::any_of(std::begin(families), std::end(families),
                       [&](std::string_view family) { return name.rfind(family, 0) == 0; });
}

class Planner {
public:
    Planner(const ShellRequest& request, const ShellEnvironment& environment) : request_(request), env_(environment) {
        base_ = env_.currentDirectory.empty() ? fs::current_path(ec_) : fs::path(env_.currentDirectory);
        // A working folder that does not exist is ignored: the program then starts in ours.
        if (!request_.directory.empty()) {
            fs::path dir = resolve(request_.directory);
            if (fs::is_directory(dir, ec_)) {
                workingDirectory_ = dir.string();
                base_ = dir;
            }
        }
    }

    ShellPlan plan() {
        const std::string verb = lower(request_.verb);
        if (request_.file.empty())
            return fail("There is nothing to open: the name of the file or address is empty.");
        if (verb == "print")
            return planPrint();
        if (verb != "open" && !verb.empty())
            return fail("Cannot " + inQuotes(request_.verb) + " " + inQuotes(request_.file) +
                        ": only opening and printing are known.");
        const std::string name = lower(lastComponent(request_.file));
        if (name == "iexplore.exe")
            return planBrowser();
        if (name == "explorer.exe")
            return planFileManager();
        if (const std::string scheme = schemeOf(request_.file); !scheme.empty())
            return planAddress(scheme);
        return planLocal();
    }

private:
    fs::path resolve(const std::string& name) const {
        fs::path p(name);
        return (p.is_absolute() ? p : base_ / p).lexically_normal();
    }

    ShellPlan fail(std::string message) const { return {std::nullopt, std::move(message)}; }

    ShellPlan call(std::string program, std::vector<std::string> arguments) const {
        return {ProgramCall{std::move(program), std::move(arguments), workingDirectory_}, {}};
    }

    // A helper program of the desktop, or the message that it is missing.
    std::string helper(const std::string& name) const { return findProgram(name, env_.path); }
    ShellPlan missingHelper(const std::string& what, const std::string& name, const std::string& package) const {
        return fail("Cannot " + what + ": the program " + name + " was not found on PATH (it comes with the package " +
                    package + ").");
    }

    // Splits the request's parameters; false (with the message in error) when they cannot be split.
    bool parameters(std::vector<std::string>& words, std::string& error) const {
        try {
            words = splitShellWords(request_.parameters);
            return true;
        } catch (const ShellWordsError& e) {
            error =
                "Cannot start " + inQuotes(request_.file) + ": " + e.what() + ": " + displayText(request_.parameters);
            return false;
        }
    }

    ShellPlan planPrint() const {
        const std::string what = "print " + inQuotes(request_.file);
        if (!schemeOf(request_.file).empty())
            return fail("Cannot " + what + ": only files can be printed.");
        const fs::path document = resolve(request_.file);
        std::error_code ec;
        if (!fs::exists(document, ec))
            return fail("Cannot " + what + ": there is no such file.");
        if (fs::is_directory(document, ec))
            return fail("Cannot " + what + ": it is a folder, not a file.");
        const std::string lp = helper("lp");
        if (lp.empty())
            return missingHelper(what, "lp", "cups-client");
        std::vector<std::string> arguments;
        std::string error;
        if (!parameters(arguments, error))
            return fail(error);
        arguments.push_back(document.string());
        return call(lp, std::move(arguments));
    }

    // The address a browser is given: a web address as it is, a local file by its full path, and a
    // web address written without a scheme ("www.example.org") as an https address.
    std::string browserAddress(std::string_view text) const {
        const std::string t(text);
        if (!schemeOf(t).empty())
            return encodeAddress(t, false);
        std::error_code ec;
        if (fs::exists(resolve(t), ec))
            return resolve(t).string();
        return encodeAddress("https://" + t, false);
    }

    // "IEXPLORE.EXE" with " -new " + address: the user's web browser, in a new window where it
    // offers one. Without an address the browser just starts.
    ShellPlan planBrowser() const {
        std::string_view text = trimmed(request_.parameters);
        bool newWindow = false;
        if (lower(text.substr(0, 4)) == "-new" && (text.size() == 4 || isBlank(text[4]))) {
            newWindow = true;
            text = trimmed(text.substr(4));
        }
        const std::string address = text.empty() ? std::string() : browserAddress(text);
        // A browser command may say where the address goes with %s; otherwise it goes last.
        auto withAddress = [&](const std::string& program, const std::vector<std::string>& words) {
            std::vector<std::string> arguments;
            bool placed = false;
            for (const std::string& word : words) {
                if (word == "%s" && address.empty()) {
                    placed = true;
                    continue;
                }
                std::string a;
                for (std::size_t from = 0;;) {
                    std::size_t at = word.find("%s", from);
                    a += word.substr(from, at == std::string::npos ? std::string::npos : at - from);
                    if (at == std::string::npos)
                        break;
                    a += address;
                    placed = true;
                    from = at + 2;
                }
                arguments.push_back(std::move(a));
            }
            if (!placed) {
                if (newWindow && !address.empty() && offersNewWindow(program))
                    arguments.push_back("--new-window");
                if (!address.empty())
                    arguments.push_back(address);
            }
            return call(program, std::move(arguments));
        };
        // The user's own choice first, then the system's default browser, then the desktop's handler
        // for web addresses.
        for (const std::string& entry : splitList(env_.browser, ':')) {
            std::vector<std::string> words;
            try {
                words = splitShellWords(entry);
            } catch (const ShellWordsError&) {
                continue;
            }
            if (words.empty())
                continue;
            const std::string program = words.front()[0] == '/' ? (isExecutableFile(words.front()) ? words.front() : "")
                                                                : helper(words.front());
            if (!program.empty())
                return withAddress(program, std::vector<std::string>(words.begin() + 1, words.end()));
        }
        if (const std::string browser = helper("x-www-browser"); !browser.empty())
            return withAddress(browser, {});
        if (!address.empty())
            if (const std::string xdgOpen = helper("xdg-open"); !xdgOpen.empty())
                return call(xdgOpen, {address});
        // xdg-open needs an address: a browser without one is started only through BROWSER or
        // x-www-browser.
        if (address.empty())
            return fail("Cannot open a web browser: no web browser was found. Looked on PATH for the programs "
                        "named in BROWSER and for x-www-browser (Debian's alternative for the default browser).");
        return fail("Cannot open " + inQuotes(address) +
                    ": no web browser was found. Looked on PATH for the programs named in BROWSER, for "
                    "x-www-browser and for xdg-open (it comes with the package xdg-utils).");
    }

    // "explorer.exe" with "/n, /e," + path: the file manager on that folder (through xdg-open, which
    // opens a folder with the desktop's file manager); without a path, on the home folder.
    ShellPlan planFileManager() const {
        std::string_view text = trimmed(request_.parameters);
        for (bool removed = true; removed;) {
            removed = false;
            for (std::string_view option : {"/n", "/e", "/root", "/select", "/separate"}) {
                if (lower(text.substr(0, option.size())) != option)
                    continue;
                std::string_view rest = trimmed(text.substr(option.size()));
                if (rest.empty() || rest.front() != ',')
                    continue;
                text = trimmed(rest.substr(1));
                removed = true;
                break;
            }
        }
        fs::path folder;
        std::error_code ec;
        if (text.empty()) {
            if (env_.home.empty())
                return fail("Cannot open the home folder: its name is not known (HOME is not set).");
            folder = env_.home;
        } else {
            folder = resolve(std::string(text));
            if (!fs::exists(folder, ec))
                return fail("Cannot open the folder " + inQuotes(text) + ": there is no such folder.");
            if (!fs::is_directory(folder, ec))
                folder = folder.parent_path(); // a file: the folder that holds it
        }
        const std::string xdgOpen = helper("xdg-open");
        if (xdgOpen.empty())
            return missingHelper("open the folder " + inQuotes(folder.string()), "xdg-open", "xdg-utils");
        return call(xdgOpen, {folder.string()});
    }

    // An address with a scheme: mail to the mail program (the parameters passed on), anything else
    // to the desktop's handler for its scheme.
    ShellPlan planAddress(const std::string& scheme) const {
        const std::string what = "open " + inQuotes(request_.file);
        if (scheme == "mailto") {
            const std::string xdgEmail = helper("xdg-email");
            if (xdgEmail.empty())
                return missingHelper(what, "xdg-email", "xdg-utils");
            std::vector<std::string> arguments;
            std::string error;
            if (!parameters(arguments, error))
                return fail(error);
            arguments.push_back(encodeAddress(request_.file, true));
            return call(xdgEmail, std::move(arguments));
        }
        const std::string xdgOpen = helper("xdg-open");
        if (xdgOpen.empty())
            return missingHelper(what, "xdg-open", "xdg-utils");
        return call(xdgOpen, {encodeAddress(request_.file, false)});
    }

    // A file, folder or program name.
    ShellPlan planLocal() const {
        const std::string what = "open " + inQuotes(request_.file);
        const fs::path target = resolve(request_.file);
        std::error_code ec;
        std::string program;
        if (fs::exists(target, ec)) {
            if (isExecutableFile(target))
                program = target.string();
        } else if (request_.file.find_first_of("/\\") == std::string::npos) {
            program = helper(request_.file); // a program known by name, as "gimp"
        }
        if (!program.empty()) {
            std::vector<std::string> arguments;
            std::string error;
            if (!parameters(arguments, error))
                return fail(error);
            return call(program, std::move(arguments));
        }
        std::string opened;
        if (fs::exists(target, ec))
            opened = target.string();
        else if (looksLikeWebAddress(request_.file))
            opened = encodeAddress("https://" + request_.file, false);
        else
            return fail("Cannot " + what + ": there is no such file, folder or program.");
        const std::string xdgOpen = helper("xdg-open");
        if (xdgOpen.empty())
            return missingHelper(what, "xdg-open", "xdg-utils");
        return call(xdgOpen, {opened});
    }

    const ShellRequest& request_;
    const ShellEnvironment& env_;
    std::error_code ec_;
    fs::path base_;
    std::string workingDirectory_;
};

} // namespace

ShellEnvironment ShellEnvironment::ofThisProcess() {
    auto variable = [](const char* name) {
        const char* value = std::getenv(name);
        return value ? std::string(value) : std::string();
    };
    std::error_code ec;
    return {variable("PATH"), variable("BROWSER"), variable("HOME"), fs::current_path(ec).string()};
}

ShellPlan planShellRequest(const ShellRequest& request, const ShellEnvironment& environment) {
    return Planner(request, environment).plan();
}

std::string findProgram(const std::string& name, const std::string& pathList) {
    if (name.empty())
        return {};
    if (name.find('/') != std::string::npos)
        return isExecutableFile(name) ? name : std::string();
    for (const std::string& dir : splitList(pathList, ':')) {
        if (dir.empty()) // an empty entry would mean the current folder: never look there
            continue;
        fs::path candidate = fs::path(dir) / name;
        if (isExecutableFile(candidate))
            return candidate.string();
    }
    return {};
}

std::string encodeAddress(const std::string& text, bool mailAddress) {
    static constexpr char hex[] = "0123456789ABCDEF";
    static constexpr std::string_view forbidden = "\"<>\\^`{|}";
    std::string result;
    for (unsigned char c : displayText(text)) {
        if (c <= 0x20 || c >= 0x7F || forbidden.find(static_cast<char>(c)) != std::string_view::npos ||
            (mailAddress && c == '#')) {
            result += '%';
            result += hex[c >> 4];
            result += hex[c & 0xF];
        } else {
            result += static_cast<char>(c);
        }
    }
    return result;
}
