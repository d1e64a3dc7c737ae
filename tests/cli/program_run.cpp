#include "tests/cli/program_run.h"

#include <fcntl.h>
#include <poll.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <array>
#include <cerrno>
#include <csignal>
#include <cstring>
#include <stdexcept>
#include <string_view>

extern char** environ;

namespace quernel::testing {

namespace {

void Check(bool ok, const char* what) {
    if (!ok) {
        throw std::runtime_error(std::string(what) + ": " + std::strerror(errno));
    }
}

struct Pipe {
    int read_end = -1;
    int write_end = -1;
    Pipe() {
        int ends[2];
        Check(pipe2(ends, O_CLOEXEC) == 0, "pipe2");
        read_end = ends[0];
        write_end = ends[1];
    }
};

// Feeds the input and drains both outputs together, so that neither side waits on a full pipe.
void Exchange(int to_child, std::string_view input, int from_stdout, int from_stderr,
              ProgramResult& result) {
    std::array<pollfd, 3> watched{
        {{to_child, POLLOUT, 0}, {from_stdout, POLLIN, 0}, {from_stderr, POLLIN, 0}}};
    std::array<std::string*, 3> sinks{nullptr, &result.standard_output, &result.standard_error};
    if (input.empty()) {
        close(to_child);
        watched[0].fd = -1;
    }
    while (watched[0].fd >= 0 || watched[1].fd >= 0 || watched[2].fd >= 0) {
        if (poll(watched.data(), watched.size(), -1) < 0) {
            Check(errno == EINTR, "poll");
            continue;
        }
        if (watched[0].fd >= 0 && watched[0].revents != 0) {
            const ssize_t written = write(to_child, input.data(), input.size());
            if (written > 0) {
                input.remove_prefix(static_cast<std::size_t>(written));
            }
            if (written < 0 || input.empty()) {
                close(to_child);
                watched[0].fd = -1;
            }
        }
        for (std::size_t i = 1; i < watched.size(); ++i) {
            if (watched[i].fd < 0 || watched[i].revents == 0) {
                continue;
            }
            char buffer[65536];
            const ssize_t got = read(watched[i].fd, buffer, sizeof buffer);
            if (got > 0) {
                sinks[i]->append(buffer, static_cast<std::size_t>(got));
            } else {
                close(watched[i].fd);
                watched[i].fd = -1;
            }
        }
    }
}

}  // namespace

ProgramResult RunProgram(const std::string& program, const std::vector<std::string>& arguments,
                         const std::string& standard_input,
                         const std::optional<std::string>& output_path) {
    // A program that stops reading early must not end the test through SIGPIPE.
    std::signal(SIGPIPE, SIG_IGN);
    Pipe input;
    Pipe output;
    Pipe error;

    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, input.read_end, STDIN_FILENO);
    if (output_path) {
        posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, output_path->c_str(),
                                         O_WRONLY | O_CREAT | O_TRUNC, 0644);
    } else {
        posix_spawn_file_actions_adddup2(&actions, output.write_end, STDOUT_FILENO);
    }
    posix_spawn_file_actions_adddup2(&actions, error.write_end, STDERR_FILENO);

    // The program gets the default SIGPIPE back, as it would from a shell.
    posix_spawnattr_t attributes;
    posix_spawnattr_init(&attributes);
    sigset_t default_signals;
    sigemptyset(&default_signals);
    sigaddset(&default_signals, SIGPIPE);
    posix_spawnattr_setsigdefault(&attributes, &default_signals);
    posix_spawnattr_setflags(&attributes, POSIX_SPAWN_SETSIGDEF);

    std::vector<char*> argv{const_cast<char*>(program.c_str())};
    for (const std::string& argument : arguments) {
        argv.push_back(const_cast<char*>(argument.c_str()));
    }
    argv.push_back(nullptr);

    pid_t child = 0;
    const int spawned =
        posix_spawn(&child, program.c_str(), &actions, &attributes, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    posix_spawnattr_destroy(&attributes);
    errno = spawned;
    Check(spawned == 0, "posix_spawn");

    close(input.read_end);
    close(output.write_end);
    close(error.write_end);
    ProgramResult result;
    Exchange(input.write_end, standard_input, output.read_end, error.read_end, result);

    int status = 0;
    Check(waitpid(child, &status, 0) == child, "waitpid");
    result.exit_status = WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
    return result;
}

}  // namespace quernel::testing
