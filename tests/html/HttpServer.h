#pragma once

// Starts data/serve.py on 127.0.0.1 for the browser tests and stops it
// again. The server also ends by itself when its standard input closes,
// so it cannot outlive a test process that crashes.

#include <gtest/gtest.h>

#include <poll.h>
#include <signal.h>
#include <sys/prctl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <sstream>
#include <string>

class THttpServer {
public:
    THttpServer() = default;
    THttpServer(const THttpServer&) = delete;
    THttpServer& operator=(const THttpServer&) = delete;
    ~THttpServer() { Stop(); }

    /// True when python3 can be found on PATH.
    static bool PythonAvailable() { return !FindPython().empty(); }

    /// Starts the server; false (with the reason in Error) when it did not come up.
    bool Start()
    {
        const std::string python = FindPython();
        const char* data = std::getenv("QUORVANE_TEST_DATA");
        if (python.empty() || data == nullptr) {
            FError = "python3 or QUORVANE_TEST_DATA missing";
            return false;
        }
        const std::string script = std::string(data) + "/serve.py";
        int out[2], in[2];
        if (pipe(out) != 0 || pipe(in) != 0) {
            FError = "pipe failed";
            return false;
        }
        FPid = fork();
        if (FPid == 0) {
            prctl(PR_SET_PDEATHSIG, SIGTERM);
            dup2(in[0], STDIN_FILENO);
            dup2(out[1], STDOUT_FILENO);
            close(in[0]);
            close(in[1]);
            close(out[0]);
            close(out[1]);
            execl(python.c_str(), python.c_str(), script.c_str(), static_cast<char*>(nullptr));
            _exit(127);
        }
        close(in[0]);
        close(out[1]);
        FStdin = in[1];
        // The first line is the port; give the interpreter ample time to start.
        std::string line;
        pollfd fd{out[0], POLLIN, 0};
        while (line.find('\n') == std::string::npos && poll(&fd, 1, 20000) > 0) {
            char buffer[64];
            const ssize_t n = read(out[0], buffer, sizeof buffer);
            if (n <= 0)
                break;
            line.append(buffer, static_cast<std::size_t>(n));
        }
        close(out[0]);
        FPort = std::atoi(line.c_str());
        if (FPort <= 0) {
            FError = "the server did not report its port";
            Stop();
            return false;
        }
        return true;
    }

    void Stop()
    {
        if (FStdin >= 0) {
            close(FStdin);
            FStdin = -1;
        }
        if (FPid > 0) {
            kill(FPid, SIGTERM);
            int status = 0;
            waitpid(FPid, &status, 0);
            FPid = -1;
        }
    }

    std::string Url(const std::string& path) const
    {
        return "http://127.0.0.1:" + std::to_string(FPort) + path;
    }

    const std::string& Error() const { return FError; }

private:
    static std::string FindPython()
    {
        const char* path = std::getenv("PATH");
        std::stringstream dirs(path != nullptr ? path : "/usr/bin:/bin");
        std::string dir;
        while (std::getline(dirs, dir, ':')) {
            const std::string candidate = (dir.empty() ? "." : dir) + "/python3";
            if (access(candidate.c_str(), X_OK) == 0)
                return candidate;
        }
        return {};
    }

    pid_t FPid = -1;
    int FStdin = -1;
    int FPort = 0;
    std::string FError;
};
