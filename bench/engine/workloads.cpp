#include "bench/engine/workloads.h"

#include <cstdio>

namespace quernel::bench {
namespace {

constexpr int kBulkEntries = 500;

std::string Hex(unsigned number, int digits) {
    char text[16];
    std::snprintf(text, sizeof text, "%0*X", digits, number);
    return text;
}

}  // namespace

Workload BulkTarrow() {
    Workload workload{"bulk_tarrow", UnpatchMode::TarrowFormat, {}};
    for (int entry = 0; entry < kBulkEntries; ++entry) {
        workload.input +=
            "Item|500FFF04 0001    " + Hex(0x20100000u + entry * 0x10000u, 8) + " 0010|\r\n";
    }
    return workload;
}

Workload BulkPlainText() {
    Workload workload{"bulk_plain_text", UnpatchMode::PlainText, {}};
    for (int entry = 0; entry < kBulkEntries; ++entry) {
        workload.input += "500FFF04 0001\r\n80" + Hex(0x100000u + entry * 0x4000u, 6) + " 0010\r\n";
    }
    return workload;
}

Workload CopyHeavyPlainText() {
    constexpr int kLines = 3'000'000;
    Workload workload{"copy_heavy_plain_text", UnpatchMode::PlainText, {}};
    workload.input.reserve(kLines * 15);
    for (int line = 0; line < kLines; ++line) {
        workload.input += "D0" + Hex(static_cast<unsigned>(line) & 0xFFFFFF, 6) + " " +
                          Hex(static_cast<unsigned>(line) & 0xFFFF, 4) + "\r\n";
    }
    return workload;
}

namespace {

constexpr int kMixedPairs = 1'000'000;
constexpr char kRepeaterAndTarget[] = "50000000 0000\r\n80010000 0005\r\n";
constexpr char kCopiedLine[] = "10010000 0005\r\n";

}  // namespace

Workload AlternatingPlainText() {
    Workload workload{"alternating_plain_text", UnpatchMode::PlainText, {}};
    for (int pair = 0; pair < kMixedPairs; ++pair) {
        workload.input += kRepeaterAndTarget;
        workload.input += kCopiedLine;
    }
    return workload;
}

Workload GroupedPlainText() {
    Workload workload{"grouped_plain_text", UnpatchMode::PlainText, {}};
    for (int pair = 0; pair < kMixedPairs; ++pair) {
        workload.input += kRepeaterAndTarget;
    }
    for (int pair = 0; pair < kMixedPairs; ++pair) {
        workload.input += kCopiedLine;
    }
    return workload;
}

Workload TypicalPlainText() {
    Workload workload{"typical_plain_text", UnpatchMode::PlainText, {}};
    for (int block = 0; block < 30; ++block) {
        workload.input += "Level " + std::to_string(block) + " codes\r\n\r\n";
        for (int code = 0; code < 5; ++code) {
            workload.input += "D0" + Hex(0x1F0000u + block * 0x100u + code * 2u, 6) + " 0001\r\n";
        }
        workload.input += "50000802 0001\r\n30" + Hex(0x0A0000u + block * 0x40u, 6) + " 0063\r\n";
        workload.input += "Max money\r\n";
    }
    return workload;
}

}  // namespace quernel::bench
