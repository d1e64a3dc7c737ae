// Windows: streams in text mode would turn LF into CR LF on output and end the input at a 0x1A
// byte, and the narrow argument and file name functions use the ANSI code page, not UTF-8. So
// every stream is binary, and arguments and file names go through the wide-character API.
#include <fcntl.h>
#include <io.h>
#include <windows.h>
// After windows.h, which it builds on.
#include <shellapi.h>

#include <cerrno>
#include <cstdio>

#include "cli/system_files.h"

namespace quernel::cli {
namespace {

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

// Empty when utf8 is not valid UTF-8.
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

}  // namespace

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

int OpenForReading(const std::string& path) {
    const std::wstring wide_path = WideOf(path);
    if (wide_path.empty()) {
        errno = path.empty() ? ENOENT : EILSEQ;
        return -1;
    }
    return _wopen(wide_path.c_str(), _O_RDONLY | _O_BINARY | _O_NOINHERIT);
}

}  // namespace quernel::cli
