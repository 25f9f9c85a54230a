#include "HelpPages.h"

#include "launch/Launcher.h"

void TarvelinHelp(Shell& shell, const std::string& programFolder) {
    shell.execute({"open", programFolder + kHelpPage, "/n", {}});
}

void WelcomeUser(Shell& shell, const std::string& programFolder, int browserChoice) {
    const std::string path = programFolder + kWelcomePage;
    if (browserChoice == LaunchMode::NewBrowserWindow)
        shell.execute({"open", kBrowserProgram, kBrowserNewWindow + path, {}});
    else if (browserChoice == LaunchMode::ShellDefault)
        shell.execute({"open", path, {}, {}});
}
