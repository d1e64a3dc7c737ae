#include "tests/cli/program_run.h"

#include <fcntl.h>
#include <poll.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <array>
#include <cerrno>
#include <chrono>
#include <csignal>
#include <cstring>
#include <stdexcept>
#include <string_view>
#include <thread>

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

void MakeNonBlocking(int descriptor) {
    const int flags = fcntl(descriptor, F_GETFL);
    Check(flags >= 0 && fcntl(descriptor, F_SETFL, flags | O_NONBLOCK) == 0, "fcntl");
}

// Long enough for a program that has been started to read its empty input or fill its output.
void PauseWhen(bool pausing) {
    if (pausing) {
        std::this_thread::sleep_for(std::chrono::milliseconds(200));
    }
}

// Feeds the input and drains both outputs together, so that neither side waits on a full pipe.
// With pausing, the input is held back at the start and the outputs are left alone once the input
// has ended, each for a moment.
void Exchange(int to_child, std::string_view input, int from_stdout, int from_stderr, bool pausing,
              ProgramResult& result) {
    std::array<pollfd, 3> watched{
        {{to_child, POLLOUT, 0}, {from_stdout, POLLIN, 0}, {from_stderr, POLLIN, 0}}};
    std::array<std::string*, 3> sinks{nullptr, &result.standard_output, &result.standard_error};
    PauseWhen(pausing);
    if (input.empty()) {
        close(to_child);
        watched[0].fd = -1;
        PauseWhen(pausing);
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
                PauseWhen(pausing);
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
                         const std::string& standard_input, const RunOptions& options) {
    // A program that stops reading early must not end the test through SIGPIPE.
    std::signal(SIGPIPE, SIG_IGN);
    Pipe input;
    Pipe output;
    Pipe error;
    if (options.non_blocking_pipes) {
        // O_NONBLOCK belongs to one end of a pipe, so only the program's ends become non-blocking.
        for (const int program_end : {input.read_end, output.write_end, error.write_end}) {
            MakeNonBlocking(program_end);
        }
    }

    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, input.read_end, STDIN_FILENO);
    if (options.output_path) {
        posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, options.output_path->c_str(),
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
    Exchange(input.write_end, standard_input, output.read_end, error.read_end,
             options.non_blocking_pipes, result);

    int status = 0;
    rusage usage{};
    Check(wait4(child, &status, 0, &usage) == child, "wait4");
    result.exit_status = WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
    // Linux counts ru_maxrss in KiB.
    result.peak_resident_bytes = static_cast<std::uint64_t>(usage.ru_maxrss) * 1024;
    return result;
}

}  // namespace quernel::testing
