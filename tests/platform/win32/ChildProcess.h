// A program run as a child process with its own environment, its standard output and error
// collected, a deadline on every wait, and signals sent to it.
#pragma once

#include <sys/types.h>

#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace win32test {

// An environment change: the variable set to a value, or removed when there is none.
using EnvironmentChange = std::pair<std::string, std::optional<std::string>>;

struct ChildResult {
    bool exited = false;    // ended through exit (else killed by a signal or still hung)
    int exitCode = -1;      // when exited
    int signal = 0;         // the signal that ended it, when not exited
    bool timedOut = false;  // the deadline passed and the child was killed
    std::string out;
    std::string err;
};

class ChildProcess {
public:
    ChildProcess() = default;
    ChildProcess(const ChildProcess&) = delete;
    ChildProcess& operator=(const ChildProcess&) = delete;
    // Kills a child still running.
    ~ChildProcess();

    // Starts argv[0] (a path) with the parent's environment changed as given, in directory
    // workingDirectory (empty: the parent's). False when it cannot be started.
    bool Start(const std::vector<std::string>& argv, const std::vector<EnvironmentChange>& env,
               const std::string& workingDirectory = "");

    // Collects output until standard output contains text; false when the child ends or the
    // deadline passes first.
    bool WaitForOutput(const std::string& text, int timeoutSeconds);

    bool Signal(int signal);

    // True while the child has not ended.
    bool Running();
    pid_t pid() const { return m_pid; }

    // Collects output until the child ends; past the deadline it is killed (timedOut).
    ChildResult Finish(int timeoutSeconds);

    const std::string& out() const { return m_out; }
    const std::string& err() const { return m_err; }

private:
    // Reads what the pipes hold, waiting at most timeoutMs; false once both are closed.
    bool Collect(int timeoutMs);

    pid_t m_pid = -1;
    bool m_reaped = false;  // ended and waited for; its status is m_status
    int m_status = 0;
    int m_outFd = -1;
    int m_errFd = -1;
    std::string m_out;
    std::string m_err;
};

// Start and Finish in one.
ChildResult RunChild(const std::vector<std::string>& argv,
                     const std::vector<EnvironmentChange>& env, int timeoutSeconds,
                     const std::string& workingDirectory = "");

}  // namespace win32test
