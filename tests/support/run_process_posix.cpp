#include "tests/support/run_process.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <poll.h>
#include <sys/wait.h>
#include <unistd.h>

namespace varnel::test {

namespace {

std::vector<char*> Argv(const std::vector<std::string>& args) {
    std::vector<char*> argv;
    for (const auto& a : args) {
        argv.push_back(const_cast<char*>(a.c_str()));
    }
    argv.push_back(nullptr);
    return argv;
}

int WaitExitCode(pid_t pid) {
    int status = 0;
    while (waitpid(pid, &status, 0) < 0 && errno == EINTR) {
    }
    if (WIFEXITED(status)) {
        return WEXITSTATUS(status);
    }
    return 128 + WTERMSIG(status);
}

} // namespace

ProcessResult RunProcess(const std::vector<std::string>& args, std::string_view stdinData) {
    ProcessResult result;
    int in[2], out[2], err[2];
    if (pipe(in) != 0 || pipe(out) != 0 || pipe(err) != 0) {
        ADD_FAILURE() << "pipe failed";
        return result;
    }
    auto argv = Argv(args);
    const pid_t pid = fork();
    if (pid == 0) {
        dup2(in[0], 0);
        dup2(out[1], 1);
        dup2(err[1], 2);
        for (int fd : {in[0], in[1], out[0], out[1], err[0], err[1]}) {
            close(fd);
        }
        execv(argv[0], argv.data());
        _exit(127);
    }
    close(in[0]);
    close(out[1]);
    close(err[1]);
    std::signal(SIGPIPE, SIG_IGN);
    fcntl(in[1], F_SETFL, O_NONBLOCK);

    std::size_t written = 0;
    int inFd = in[1];
    if (stdinData.empty()) {
        close(inFd);
        inFd = -1;
    }
    bool outOpen = true, errOpen = true;
    char buffer[65536];
    while (outOpen || errOpen) {
        pollfd fds[3] = {{out[0], POLLIN, 0}, {err[0], POLLIN, 0}, {inFd, POLLOUT, 0}};
        if (!outOpen) {
            fds[0].fd = -1;
        }
        if (!errOpen) {
            fds[1].fd = -1;
        }
        if (poll(fds, 3, -1) < 0) {
            if (errno == EINTR) {
                continue;
            }
            break;
        }
        if (inFd >= 0 && (fds[2].revents & (POLLOUT | POLLERR | POLLHUP))) {
            const ssize_t n = write(inFd, stdinData.data() + written, stdinData.size() - written);
            if (n > 0) {
                written += static_cast<std::size_t>(n);
            }
            if ((n < 0 && errno != EAGAIN && errno != EINTR) || written == stdinData.size()) {
                close(inFd);
                inFd = -1;
            }
        }
        for (int i = 0; i < 2; ++i) {
            if (fds[i].fd >= 0 && (fds[i].revents & (POLLIN | POLLHUP | POLLERR))) {
                const ssize_t n = read(fds[i].fd, buffer, sizeof buffer);
                if (n > 0) {
                    (i == 0 ? result.out : result.err).append(buffer, static_cast<size_t>(n));
                } else {
                    (i == 0 ? outOpen : errOpen) = false;
                }
            }
        }
    }
    if (inFd >= 0) {
        close(inFd);
    }
    close(out[0]);
    close(err[0]);
    result.exitCode = WaitExitCode(pid);
    return result;
}

RunningProcess StartProcess(const std::vector<std::string>& args) {
    auto argv = Argv(args);
    const pid_t pid = fork();
    if (pid == 0) {
        const int devNull = open("/dev/null", O_RDWR);
        dup2(devNull, 0);
        dup2(devNull, 1);
        execv(argv[0], argv.data());
        _exit(127);
    }
    return RunningProcess{pid};
}

void KillProcess(RunningProcess& process) {
    if (process.id > 0) {
        kill(static_cast<pid_t>(process.id), SIGKILL);
        WaitExitCode(static_cast<pid_t>(process.id));
        process.id = 0;
    }
}

} // namespace varnel::test
