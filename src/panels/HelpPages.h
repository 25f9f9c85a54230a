// The help page and the welcome page in the program folder, opened through the shell.
#pragma once

#include "platform/Shell.h"

#include <string>

inline constexpr const char* kHelpPage = "index.html";
inline constexpr const char* kWelcomePage = "Help/welcome.html";

// Opens program folder + "index.html" with the parameter "/n".
void TarvelinHelp(Shell& shell, const std::string& programFolder);
// Opens the welcome page by the browser choice: 0 in a new browser window, 1 nothing, 2 by the
// desktop's default handler.
void WelcomeUser(Shell& shell, const std::string& programFolder, int browserChoice);
