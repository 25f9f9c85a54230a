// How the Linux desktop carries out a shell request: the program to start, its arguments and its
// working folder. Web addresses go to the user's web browser or to xdg-open, mail to xdg-email,
// print jobs to lp, executables start directly, everything else opens through xdg-open. Every
// outside program is looked up on PATH. No shell runs: parameters are split into arguments here.
#pragma once

#include "platform/Shell.h"

#include <optional>
#include <string>
#include <vector>

// What the desktop tells a request: where programs are, which browser the user wants, the home
// folder, and the folder relative names are taken from when the request has no working folder.
struct ShellEnvironment {
    std::string path;             // as $PATH
    std::string browser;          // as $BROWSER: commands separated by ':', each may hold %s
    std::string home;             // as $HOME
    std::string currentDirectory; // the program's own working folder

    static ShellEnvironment ofThisProcess();
};

// One program to start.
struct ProgramCall {
    std::string program;                // an absolute path
    std::vector<std::string> arguments; // without the program itself
    std::string workingDirectory;       // empty: the starting program's own

    bool operator==(const ProgramCall&) const = default;
};

// A request becomes a program call, or a message that tells the user why it cannot be carried out.
struct ShellPlan {
    std::optional<ProgramCall> call;
    std::string error;
};

ShellPlan planShellRequest(const ShellRequest& request, const ShellEnvironment& environment);

// The executable file a program name stands for on a PATH list; empty when there is none.
std::string findProgram(const std::string& name, const std::string& pathList);

// A web address as a browser or xdg-open takes it: UTF-8, with blanks, control characters, bytes
// beyond ASCII and characters a URL may not hold percent-encoded ('%' itself is left alone, so an
// address that is already encoded stays as it is). In a mail address '#' is encoded too.
std::string encodeAddress(const std::string& text, bool mailAddress);
