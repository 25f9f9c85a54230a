// The shell on a Linux desktop: carries requests out as ShellCommands plans them and starts the
// program detached, so that it outlives this one. Whatever cannot be carried out (nothing to open,
// a program missing from PATH, a start that fails) is shown to the user: no desktop shell will.
#pragma once

#include "platform/Dialogs.h"
#include "platform/Shell.h"
#include "platform/linux/ShellCommands.h"

class LinuxShell : public Shell {
public:
    explicit LinuxShell(Dialogs& dialogs, ShellEnvironment environment = ShellEnvironment::ofThisProcess())
        : dialogs_(dialogs), environment_(std::move(environment)) {}

    bool execute(const ShellRequest& request) override;

private:
    Dialogs& dialogs_;
    ShellEnvironment environment_;
};

// Starts a program detached from this one (it is not our child and keeps running when we end),
// with the arguments as they are, no shell between. A working folder that cannot be entered is
// ignored. Answers why the program could not be started, or an empty text when it started.
std::string startDetached(const ProgramCall& call);
