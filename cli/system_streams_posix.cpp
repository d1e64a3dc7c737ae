// Reading and writing through POSIX descriptors.
#include <fcntl.h>
#include <poll.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

#include "cli/system_streams.h"

namespace quernel::cli {

namespace {

std::string Reason(const std::string& what, int error_number) {
    return what + ": " + std::strerror(error_number);
}

bool IsNotReady(int error_number) {
    return error_number == EAGAIN || error_number == EWOULDBLOCK;
}

// Some process managers and language runtimes hand over non-blocking pipes; such a stream is
// waited for until it can take or give bytes, or has been closed, which the next call reports.
// False, with errno set, when it cannot be waited for.
bool WaitUntilReady(int descriptor, short events) {
    pollfd watched{descriptor, events, 0};
    for (;;) {
        if (poll(&watched, 1, -1) >= 0) {
            return true;
        }
        if (errno != EINTR) {
            return false;
        }
    }
}

// Whether a call that failed with errno can be made again.
bool CanRetry(int descriptor, short events) {
    return errno == EINTR || (IsNotReady(errno) && WaitUntilReady(descriptor, events));
}

}  // namespace

InputStream::InputStream(const std::optional<std::string>& path)
    : descriptor_(STDIN_FILENO), owned_(false), name_("standard input") {
    if (!path) {
        return;
    }
    descriptor_ = open(path->c_str(), O_RDONLY | O_CLOEXEC);
    if (descriptor_ < 0) {
        throw StreamError(Reason("cannot open '" + *path + "'", errno));
    }
    owned_ = true;
    name_ = "'" + *path + "'";
}

InputStream::~InputStream() {
    if (owned_) {
        close(descriptor_);
    }
}

std::optional<std::uint64_t> InputStream::RegularFileSize() const {
    struct stat status {};
    if (fstat(descriptor_, &status) != 0 || !S_ISREG(status.st_mode)) {
        return std::nullopt;
    }
    return static_cast<std::uint64_t>(status.st_size);
}

std::size_t InputStream::ReadSome(std::span<char> buffer) {
    for (;;) {
        const ssize_t got = read(descriptor_, buffer.data(), buffer.size());
        if (got >= 0) {
            return static_cast<std::size_t>(got);
        }
        if (!CanRetry(descriptor_, POLLIN)) {
            throw StreamError(Reason("cannot read " + name_, errno));
        }
    }
}

std::size_t WriteSomeToStandardOutput(std::string_view text) {
    for (;;) {
        const ssize_t written = write(STDOUT_FILENO, text.data(), text.size());
        if (written > 0) {
            return static_cast<std::size_t>(written);
        }
        if (written < 0 && !CanRetry(STDOUT_FILENO, POLLOUT)) {
            throw StreamError(Reason("cannot write standard output", errno));
        }
    }
}

}  // namespace quernel::cli
