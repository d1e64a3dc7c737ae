// Reading and writing through the C runtime's descriptors on Windows. Every stream is binary: in
// text mode LF would become CR LF on output and a 0x1A byte would end the input. Arguments and
// file names go through the wide-character API, since the narrow one uses the ANSI code page,
// not UTF-8.
#include <fcntl.h>
#include <io.h>
#include <sys/stat.h>
#include <windows.h>
// After windows.h, which it builds on.
#include <shellapi.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>

#include "cli/system_streams.h"

namespace quernel::cli {

namespace {

// The count of a read or write is an unsigned int here: a larger one would wrap.
constexpr std::size_t kLargestTransfer = std::size_t{1} << 30;

std::string Reason(const std::string& what, int error_number) {
    return what + ": " + std::strerror(error_number);
}

std::string Utf8Of(const wchar_t* wide) {
    const int size = WideCharToMultiByte(CP_UTF8, 0, wide, -1, nullptr, 0, nullptr, nullptr);
    if (size <= 1) {
        return {};
    }
    std::string utf8(static_cast<std::size_t>(size), '\0');
    WideCharToMultiByte(CP_UTF8, 0, wide, -1, utf8.data(), size, nullptr, nullptr);
    utf8.pop_back();  // the terminating NUL
    return utf8;
}

// Empty when utf8 is empty or not valid UTF-8.
std::wstring WideOf(const std::string& utf8) {
    const int size =
        MultiByteToWideChar(CP_UTF8, MB_ERR_INVALID_CHARS, utf8.c_str(), -1, nullptr, 0);
    if (size <= 1) {
        return {};
    }
    std::wstring wide(static_cast<std::size_t>(size), L'\0');
    MultiByteToWideChar(CP_UTF8, MB_ERR_INVALID_CHARS, utf8.c_str(), -1, wide.data(), size);
    wide.pop_back();
    return wide;
}

int OpenForReading(const std::string& path) {
    const std::wstring wide_path = WideOf(path);
    if (wide_path.empty()) {
        errno = path.empty() ? ENOENT : EILSEQ;
        return -1;
    }
    return _wopen(wide_path.c_str(), _O_RDONLY | _O_BINARY | _O_NOINHERIT);
}

}  // namespace

InputStream::InputStream(const std::optional<std::string>& path)
    : descriptor_(_fileno(stdin)), owned_(false), name_("standard input") {
    if (!path) {
        return;
    }
    descriptor_ = OpenForReading(*path);
    if (descriptor_ < 0) {
        throw StreamError(Reason("cannot open '" + *path + "'", errno));
    }
    owned_ = true;
    name_ = "'" + *path + "'";
}

InputStream::~InputStream() {
    if (owned_) {
        _close(descriptor_);
    }
}

std::optional<std::uint64_t> InputStream::RegularFileSize() const {
    struct _stat64 status {};
    if (_fstat64(descriptor_, &status) != 0 || (status.st_mode & _S_IFMT) != _S_IFREG) {
        return std::nullopt;
    }
    return static_cast<std::uint64_t>(status.st_size);
}

std::size_t InputStream::ReadSome(std::span<char> buffer) {
    const int got = _read(descriptor_, buffer.data(),
                          static_cast<unsigned>(std::min(buffer.size(), kLargestTransfer)));
    if (got < 0) {
        throw StreamError(Reason("cannot read " + name_, errno));
    }
    return static_cast<std::size_t>(got);
}

std::size_t WriteSomeToStandardOutput(std::string_view text) {
    const int written = _write(_fileno(stdout), text.data(),
                               static_cast<unsigned>(std::min(text.size(), kLargestTransfer)));
    if (written <= 0) {
        throw StreamError(Reason("cannot write standard output", written < 0 ? errno : EIO));
    }
    return static_cast<std::size_t>(written);
}

std::vector<std::string> ProgramArguments(int, char**) {
    std::vector<std::string> arguments;
    int count = 0;
    wchar_t** wide = CommandLineToArgvW(GetCommandLineW(), &count);
    if (wide == nullptr) {
        return arguments;
    }
    for (int index = 1; index < count; ++index) {
        arguments.push_back(Utf8Of(wide[index]));
    }
    LocalFree(wide);
    return arguments;
}

void UseBinaryStandardStreams() {
    for (std::FILE* stream : {stdin, stdout, stderr}) {
        _setmode(_fileno(stream), _O_BINARY);
    }
}

}  // namespace quernel::cli
