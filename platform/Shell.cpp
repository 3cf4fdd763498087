#include "platform/Shell.h"

#include <sys/wait.h>
#include <unistd.h>

namespace {

std::function<void(const std::string&)>& Hook()
{
    static std::function<void(const std::string&)> hook;
    return hook;
}

} // namespace

void SetShellOpenHook(std::function<void(const std::string&)> hook) { Hook() = std::move(hook); }

void ShellOpen(const std::string& address)
{
    if (Hook()) {
        Hook()(address);
        return;
    }
    // Everything exec needs is prepared before fork. The intermediate child
    // exits at once, so the opener is adopted by init and never left a zombie.
    std::string program = "xdg-open";
    std::string argument = address;
    char* argv[] = {program.data(), argument.data(), nullptr};
    const pid_t child = fork();
    if (child < 0)
        return;
    if (child == 0) {
        const pid_t grandchild = fork();
        if (grandchild == 0) {
            execvp(argv[0], argv);
            _exit(127);
        }
        _exit(0);
    }
    int status = 0;
    waitpid(child, &status, 0);
}
