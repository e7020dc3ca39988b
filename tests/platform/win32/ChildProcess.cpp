#include "ChildProcess.h"

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>

namespace win32test {

namespace {

using Clock = std::chrono::steady_clock;

int MillisecondsLeft(Clock::time_point deadline) {
    const auto left =
        std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now());
    return left.count() > 0 ? static_cast<int>(left.count()) : 0;
}

}  // namespace

ChildProcess::~ChildProcess() {
    if (m_pid > 0 && !m_reaped) {
        kill(m_pid, SIGKILL);
        waitpid(m_pid, nullptr, 0);
    }
    if (m_outFd >= 0) close(m_outFd);
    if (m_errFd >= 0) close(m_errFd);
}

bool ChildProcess::Start(const std::vector<std::string>& argv,
                         const std::vector<EnvironmentChange>& env,
                         const std::string& workingDirectory) {
    if (argv.empty() || m_pid > 0) return false;
    int outPipe[2], errPipe[2];
    if (pipe2(outPipe, O_CLOEXEC) != 0) return false;
    if (pipe2(errPipe, O_CLOEXEC) != 0) {
        close(outPipe[0]);
        close(outPipe[1]);
        return false;
    }
    const pid_t pid = fork();
    if (pid < 0) return false;
    if (pid == 0) {
        // The child: only async-signal-safe work matters little here, the parent is a test.
        dup2(outPipe[1], STDOUT_FILENO);
        dup2(errPipe[1], STDERR_FILENO);
        const int devNull = open("/dev/null", O_RDONLY);
        if (devNull >= 0) dup2(devNull, STDIN_FILENO);
        for (const auto& change : env) {
            if (change.second)
                setenv(change.first.c_str(), change.second->c_str(), 1);
            else
                unsetenv(change.first.c_str());
        }
        if (!workingDirectory.empty() && chdir(workingDirectory.c_str()) != 0) _exit(126);
        std::vector<char*> args;
        for (const auto& arg : argv) args.push_back(const_cast<char*>(arg.c_str()));
        args.push_back(nullptr);
        execv(args[0], args.data());
        _exit(127);
    }
    close(outPipe[1]);
    close(errPipe[1]);
    m_pid = pid;
    m_outFd = outPipe[0];
    m_errFd = errPipe[0];
    return true;
}

bool ChildProcess::Collect(int timeoutMs) {
    pollfd fds[2];
    int count = 0;
    if (m_outFd >= 0) fds[count++] = {m_outFd, POLLIN, 0};
    if (m_errFd >= 0) fds[count++] = {m_errFd, POLLIN, 0};
    if (count == 0) return false;
    if (poll(fds, static_cast<nfds_t>(count), timeoutMs) <= 0) return true;
    for (int i = 0; i < count; ++i) {
        if ((fds[i].revents & (POLLIN | POLLHUP | POLLERR)) == 0) continue;
        char buffer[4096];
        const ssize_t n = read(fds[i].fd, buffer, sizeof buffer);
        std::string& sink = fds[i].fd == m_outFd ? m_out : m_err;
        if (n > 0) {
            sink.append(buffer, static_cast<size_t>(n));
        } else {
            close(fds[i].fd);
            (fds[i].fd == m_outFd ? m_outFd : m_errFd) = -1;
        }
    }
    return m_outFd >= 0 || m_errFd >= 0;
}

bool ChildProcess::WaitForOutput(const std::string& text, int timeoutSeconds) {
    const auto deadline = Clock::now() + std::chrono::seconds(timeoutSeconds);
    while (m_out.find(text) == std::string::npos) {
        const int left = MillisecondsLeft(deadline);
        if (left == 0 || !Collect(left)) return m_out.find(text) != std::string::npos;
    }
    return true;
}

bool ChildProcess::Signal(int signal) {
    return m_pid > 0 && !m_reaped && kill(m_pid, signal) == 0;
}

bool ChildProcess::Running() {
    if (m_pid <= 0 || m_reaped) return false;
    if (waitpid(m_pid, &m_status, WNOHANG) == m_pid) m_reaped = true;
    return !m_reaped;
}

ChildResult ChildProcess::Finish(int timeoutSeconds) {
    ChildResult result;
    const auto deadline = Clock::now() + std::chrono::seconds(timeoutSeconds);
    while (MillisecondsLeft(deadline) > 0 && Collect(MillisecondsLeft(deadline))) {
    }
    while (Running() && MillisecondsLeft(deadline) > 0) usleep(10000);
    if (Running()) {
        result.timedOut = true;
        kill(m_pid, SIGKILL);
        waitpid(m_pid, &m_status, 0);
        m_reaped = true;
    }
    const int status = m_status;
    m_pid = -1;
    while (Collect(0)) {
    }
    if (WIFEXITED(status)) {
        result.exited = true;
        result.exitCode = WEXITSTATUS(status);
    } else if (WIFSIGNALED(status)) {
        result.signal = WTERMSIG(status);
    }
    result.out = m_out;
    result.err = m_err;
    return result;
}

ChildResult RunChild(const std::vector<std::string>& argv,
                     const std::vector<EnvironmentChange>& env, int timeoutSeconds,
                     const std::string& workingDirectory) {
    ChildProcess child;
    if (!child.Start(argv, env, workingDirectory)) return ChildResult{};
    return child.Finish(timeoutSeconds);
}

}  // namespace win32test
