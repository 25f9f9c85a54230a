#include "LinuxShell.h"

#include "collection/DisplayText.h"

#include <fcntl.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

namespace {

// Only async-signal-safe calls between fork and exec: everything is prepared before.
[[noreturn]] void startGrandchild(char* const* argv, const char* directory, int devNull, int reportPipe) {
    ::setsid(); // its own session: a signal to our terminal does not reach it
    sigset_t none;
    sigemptyset(&none);
    ::sigprocmask(SIG_SETMASK, &none, nullptr);
    ::signal(SIGPIPE, SIG_DFL);
    if (devNull >= 0)
        ::dup2(devNull, STDIN_FILENO);
    if (directory)
        (void)!::chdir(directory); // a folder that cannot be entered is ignored
    ::execv(argv[0], argv);
    const int error = errno;
    (void)!::write(reportPipe, &error, sizeof error);
    ::_exit(127);
}

} // namespace

std::string startDetached(const ProgramCall& call) {
    std::vector<std::string> strings{call.program};
    strings.insert(strings.end(), call.arguments.begin(), call.arguments.end());
    std::vector<char*> argv;
    for (std::string& s : strings)
        argv.push_back(s.data());
    argv.push_back(nullptr);
    const char* directory = call.workingDirectory.empty() ? nullptr : call.workingDirectory.c_str();

    int report[2]; // the exec error comes back through it; closed unread when exec succeeds
    if (::pipe2(report, O_CLOEXEC) != 0)
        return std::strerror(errno);
    const int devNull = ::open("/dev/null", O_RDONLY | O_CLOEXEC);
    const pid_t child = ::fork();
    if (child < 0) {
        const int error = errno;
        ::close(report[0]);
        ::close(report[1]);
        if (devNull >= 0)
            ::close(devNull);
        return std::strerror(error);
    }
    if (child == 0) {
        // The middle process forks the program and ends at once, so the program is not our child.
        ::close(report[0]);
        const pid_t grandchild = ::fork();
        if (grandchild == 0)
            startGrandchild(argv.data(), directory, devNull, report[1]);
        if (grandchild < 0) {
            const int error = errno;
            (void)!::write(report[1], &error, sizeof error);
        }
        ::_exit(0);
    }
    ::close(report[1]);
    if (devNull >= 0)
        ::close(devNull);
    int status = 0;
    while (::waitpid(child, &status, 0) < 0 && errno == EINTR) {
    }
    int error = 0;
    ssize_t got;
    while ((got = ::read(report[0], &error, sizeof error)) < 0 && errno == EINTR) {
    }
    ::close(report[0]);
    if (got == static_cast<ssize_t>(sizeof error))
        return std::strerror(error);
    return {};
}

bool LinuxShell::execute(const ShellRequest& request) {
    ShellPlan plan = planShellRequest(request, environment_);
    if (!plan.call) {
        dialogs_.showError(plan.error);
        return false;
    }
    if (std::string reason = startDetached(*plan.call); !reason.empty()) {
        dialogs_.showError("Cannot start \"" + displayText(plan.call->program) + "\": " + reason + ".");
        return false;
    }
    return true;
}
