#include "platform/linux/ShellCommands.h"

#include "launch/ShellSandbox.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <variant>

using ::testing::HasSubstr;

void PrintTo(const ProgramCall& c, std::ostream* os) {
    *os << c.program << " [";
    for (const std::string& a : c.arguments)
        *os << "\"" << a << "\" ";
    *os << "] in \"" << c.workingDirectory << "\"";
}

namespace {

ShellRequest open(std::string file, std::string parameters = {}, std::string directory = {}) {
    return {"open", std::move(file), std::move(parameters), std::move(directory)};
}
ShellRequest print(std::string file, std::string parameters = {}) {
    return {"print", std::move(file), std::move(parameters), {}};
}

// A request, and what it becomes: a program call, or an error that says these words.
struct Case {
    ShellRequest request;
    std::variant<ProgramCall, std::vector<std::string>> expected;
};

void check(const std::vector<Case>& cases, const ShellEnvironment& environment) {
    for (const Case& c : cases) {
        ShellPlan plan = planShellRequest(c.request, environment);
        std::ostringstream where;
        where << c.request.verb << " \"" << c.request.file << "\" \"" << c.request.parameters << "\" in \""
              << c.request.directory << "\"";
        if (const auto* call = std::get_if<ProgramCall>(&c.expected)) {
            EXPECT_EQ(plan.call, *call) << where.str() << ": " << plan.error;
            EXPECT_EQ(plan.error, "") << where.str();
        } else {
            EXPECT_EQ(plan.call, std::nullopt) << where.str();
            for (const std::string& words : std::get<std::vector<std::string>>(c.expected))
                EXPECT_THAT(plan.error, HasSubstr(words)) << where.str();
        }
    }
}

using Words = std::vector<std::string>;

TEST_F(ShellSandbox, RequestsBecomeTheRightProgramWithTheRightArguments) {
    const std::string browser = bin("x-www-browser"), xdgOpen = bin("xdg-open"), xdgEmail = bin("xdg-email"),
                      lp = bin("lp"), tool = path("docs/tool"), doc = path("docs/doc.txt"), docs = path("docs");
    check(
        {
            // the web browser, in a new window where it offers one
            {open("IEXPLORE.EXE", " -new https://example.org/a"),
             ProgramCall{browser, {"--new-window", "https://example.org/a"}, ""}},
            {open("IExplore.exe", " -new www.google.com/search?q=two words"),
             ProgramCall{browser, {"--new-window", "https://www.google.com/search?q=two%20words"}, ""}},
            {open("C:\\Program Files\\Internet Explorer\\iexplore.exe", " -new example.org/\xE9t\xE9"),
             ProgramCall{browser, {"--new-window", "https://example.org/%C3%A9t%C3%A9"}, ""}},
            {open("iexplore.exe", doc), ProgramCall{browser, {doc}, ""}},
            {open("iexplore.exe"), ProgramCall{browser, {}, ""}},
            // the file manager
            {open("explorer.exe", "/n, /e," + docs, "/srv/none"), ProgramCall{xdgOpen, {docs}, ""}},
            {open("explorer.exe", "/n, /e," + doc, docs), ProgramCall{xdgOpen, {docs}, docs}},
            {open("explorer.exe", "/n, /e,sub", docs), ProgramCall{xdgOpen, {path("docs/sub")}, docs}},
            {open("explorer.exe"), ProgramCall{xdgOpen, {path("home")}, ""}},
            {open("explorer.exe", "/n, /e,/srv/none"), Words{"/srv/none", "no such folder"}},
            // addresses
            {open("https://example.org/a b?q=1#top"), ProgramCall{xdgOpen, {"https://example.org/a%20b?q=1#top"}, ""}},
            {open("www.example.org"), ProgramCall{xdgOpen, {"https://www.example.org"}, ""}},
            {open("example.org/page"), ProgramCall{xdgOpen, {"https://example.org/page"}, ""}},
            {open("www.google.com/search?q=two words"),
             ProgramCall{xdgOpen, {"https://www.google.com/search?q=two%20words"}, ""}},
            {open("mailto:someone@example.org?subject=Hi there", "--cc 'other@example.org'"),
             ProgramCall{xdgEmail, {"--cc", "other@example.org", "mailto:someone@example.org?subject=Hi%20there"}, ""}},
            {open("mailto: ?subject= &body=A a ### \n\r"),
             ProgramCall{xdgEmail, {"mailto:%20?subject=%20&body=A%20a%20%23%23%23%20%0A%0D"}, ""}},
            // programs: started directly, parameters split, in the working folder when it exists
            {open(tool, "one 'two words' \"three\"", docs), ProgramCall{tool, {"one", "two words", "three"}, docs}},
            {open(tool, "", "/srv/none"), ProgramCall{tool, {}, ""}},
            {open("tool", "-v", docs), ProgramCall{tool, {"-v"}, docs}},
            {open("on-path", "a b"), ProgramCall{bin("on-path"), {"a", "b"}, ""}},
            {open(tool, "'never closed"), Words{"tool", "never closed"}},
            // documents and folders
            {open("doc.txt", "ignored", docs), ProgramCall{xdgOpen, {doc}, docs}},
            {open(docs), ProgramCall{xdgOpen, {docs}, ""}},
            {open("notepad.exe"), Words{"\"notepad.exe\"", "no such file, folder or program"}},
            {open("C:\\Docs\\a.txt"), Words{"C:\\Docs\\a.txt", "no such file"}},
            {open("report.doc"), Words{"report.doc", "no such file"}},
            {open(""), Words{"nothing to open"}},
            // printing
            {print(doc, "-n 2"), ProgramCall{lp, {"-n", "2", doc}, ""}},
            {print("https://example.org/a"), Words{"only files can be printed"}},
            {print(path("docs/none.pdf")), Words{"none.pdf", "no such file"}},
            {print(docs), Words{"folder"}},
            {{"edit", doc, "", ""}, Words{"only opening and printing"}},
        },
        environment());
}

TEST_F(ShellSandbox, TheBrowserIsTheUsersChoiceThenTheSystemDefaultThenTheDesktopHandler) {
    ShellEnvironment env = environment();
    const ShellRequest request = open("IEXPLORE.EXE", " -new https://example.org/a");
    // BROWSER: the first command found; %s says where the address goes.
    env.browser = "no-such-browser:firefox --private-window %s";
    check({{request, ProgramCall{bin("firefox"), {"--private-window", "https://example.org/a"}, ""}},
           {open("IEXPLORE.EXE"), ProgramCall{bin("firefox"), {"--private-window"}, ""}}},
          env);
    env.browser = "on-path";
    check({{request, ProgramCall{bin("on-path"), {"https://example.org/a"}, ""}}}, env);
    // Without x-www-browser: the desktop's handler for addresses, which cannot just start a browser.
    env.browser = "";
    remove("bin/x-www-browser");
    check({{request, ProgramCall{bin("xdg-open"), {"https://example.org/a"}, ""}},
           {open("IEXPLORE.EXE"), Words{"no web browser was found", "BROWSER", "x-www-browser"}}},
          env);
}

TEST_F(ShellSandbox, AMissingHelperProgramIsNamedWithItsPackage) {
    for (const char* helper : {"xdg-open", "xdg-email", "lp", "x-www-browser"})
        remove(std::string("bin/") + helper);
    check(
        {
            {open("https://example.org/a"), Words{"xdg-open", "not found on PATH", "xdg-utils"}},
            {open(path("docs")), Words{"xdg-open", "xdg-utils"}},
            {open("explorer.exe"), Words{"xdg-open", "xdg-utils"}},
            {open("mailto:someone@example.org"), Words{"xdg-email", "xdg-utils"}},
            {print(path("docs/doc.txt")), Words{"lp", "cups-client"}},
            {open("IEXPLORE.EXE", " -new https://example.org/a"),
             Words{"\"https://example.org/a\"", "no web browser was found"}},
        },
        environment());
}

TEST_F(ShellSandbox, ProgramsAreFoundOnlyThroughTheEntriesOfPath) {
    EXPECT_EQ(findProgram("on-path", "/srv/none::" + path("bin")), bin("on-path"));
    EXPECT_EQ(findProgram("on-path", ""), "");
    EXPECT_EQ(findProgram("doc.txt", path("docs")), "") << "a file that may not be run is no program";
}

} // namespace
