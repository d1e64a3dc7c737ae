#include "tests/engine/case_export.h"

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>

namespace quernel::testing {
namespace {

std::string Base64(std::string_view bytes) {
    static constexpr char kDigits[] =
        "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";
    std::string text;
    std::size_t at = 0;
    for (; at + 3 <= bytes.size(); at += 3) {
        const unsigned group = static_cast<unsigned char>(bytes[at]) << 16 |
                               static_cast<unsigned char>(bytes[at + 1]) << 8 |
                               static_cast<unsigned char>(bytes[at + 2]);
        for (int shift = 18; shift >= 0; shift -= 6) {
            text += kDigits[(group >> shift) & 63];
        }
    }
    const std::size_t rest = bytes.size() - at;
    if (rest > 0) {
        unsigned group = static_cast<unsigned char>(bytes[at]) << 16;
        if (rest == 2) {
            group |= static_cast<unsigned char>(bytes[at + 1]) << 8;
        }
        text += kDigits[(group >> 18) & 63];
        text += kDigits[(group >> 12) & 63];
        text += rest == 2 ? kDigits[(group >> 6) & 63] : '=';
        text += '=';
    }
    return text;
}

// A JSON string; the names of rows are plain text, so escaping quotes, backslashes and control
// characters is enough.
std::string JsonString(std::string_view text) {
    std::string json = "\"";
    for (const char c : text) {
        if (c == '"' || c == '\\') {
            json += '\\';
            json += c;
        } else if (static_cast<unsigned char>(c) < 0x20) {
            char escape[8];
            std::snprintf(escape, sizeof escape, "\\u%04x", static_cast<unsigned>(c));
            json += escape;
        } else {
            json += c;
        }
    }
    return json + "\"";
}

std::string RowStart(UnpatchMode mode, std::string_view name, std::string_view input) {
    return std::string("{\"mode\":\"") +
           (mode == UnpatchMode::TarrowFormat ? "TarrowFormat" : "PlainText") +
           "\",\"name\":" + JsonString(name) + ",\"input\":\"" + Base64(input) + "\"";
}

void AppendRow(const std::string& row) {
    const char* path = std::getenv("QUERNEL_EXPORT_CASES");
    if (path == nullptr || *path == '\0') {
        return;
    }
    std::ofstream file(path, std::ios::binary | std::ios::app);
    file << row << "}\n";
    if (!file) {
        std::fprintf(stderr, "cannot append to %s\n", path);
        std::exit(2);
    }
}

}  // namespace

void ExportConversion(UnpatchMode mode, std::string_view name, std::string_view input,
                      std::string_view output) {
    AppendRow(RowStart(mode, name, input) + ",\"output\":\"" + Base64(output) + "\"");
}

void ExportFailure(UnpatchMode mode, std::string_view name, std::string_view input,
                   FailureKind kind, int line, std::string_view message) {
    AppendRow(RowStart(mode, name, input) + ",\"kind\":\"" + std::string(FailureKindName(kind)) +
              "\",\"line\":" + std::to_string(line) + ",\"message\":\"" + Base64(message) + "\"");
}

}  // namespace quernel::testing
