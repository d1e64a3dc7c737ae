#include "cli/whole_stream.h"

#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>

#include "cli/system_files.h"

namespace quernel::cli {

namespace {

constexpr std::size_t kMinimumReadSize = 64 * 1024;
// Windows takes the count of a read or write as an unsigned int: a larger one would wrap.
constexpr std::size_t kLargestTransfer = std::size_t{1} << 30;

std::string Reason(std::string_view what, int error_number) {
    return std::string(what) + ": " + std::strerror(error_number);
}

// Reads until the end, in as few calls as the size of a regular file allows.
std::string ReadAll(int fd, std::string_view name) {
    std::string content;
    struct stat status {};
    if (fstat(fd, &status) == 0 && S_ISREG(status.st_mode)) {
        // Room for the final read that finds the end, so the content is never moved.
        content.reserve(static_cast<std::size_t>(status.st_size) + kMinimumReadSize);
    }
    std::size_t filled = 0;
    for (;;) {
        if (content.capacity() - filled < kMinimumReadSize) {
            content.reserve(content.capacity() * 2 + kMinimumReadSize);
        }
        content.resize(content.capacity());
        const ssize_t got =
            read(fd, content.data() + filled, std::min(content.size() - filled, kLargestTransfer));
        if (got == 0) {
            break;
        }
        if (got < 0) {
            if (errno == EINTR) {
                continue;
            }
            throw StreamError(Reason("cannot read " + std::string(name), errno));
        }
        filled += static_cast<std::size_t>(got);
    }
    content.resize(filled);
    return content;
}

class FileDescriptor {
public:
    explicit FileDescriptor(int fd) : fd_(fd) {}
    FileDescriptor(const FileDescriptor&) = delete;
    FileDescriptor& operator=(const FileDescriptor&) = delete;
    ~FileDescriptor() { close(fd_); }
    int get() const { return fd_; }

private:
    int fd_;
};

}  // namespace

std::string ReadWholeInput(const std::optional<std::string>& path) {
    if (!path) {
        return ReadAll(STDIN_FILENO, "standard input");
    }
    const int fd = OpenForReading(*path);
    if (fd < 0) {
        throw StreamError(Reason("cannot open '" + *path + "'", errno));
    }
    const FileDescriptor file(fd);
    return ReadAll(file.get(), "'" + *path + "'");
}

void WriteWholeOutput(std::string_view text) {
    while (!text.empty()) {
        const ssize_t written =
            write(STDOUT_FILENO, text.data(), std::min(text.size(), kLargestTransfer));
        if (written < 0) {
            if (errno == EINTR) {
                continue;
            }
            throw StreamError(Reason("cannot write standard output", errno));
        }
        text.remove_prefix(static_cast<std::size_t>(written));
    }
}

}  // namespace quernel::cli
