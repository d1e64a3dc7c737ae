#include "fuzz/scale_list.h"

#include <cstdio>

#include "engine/output_text.h"

namespace quernel::fuzz {
namespace {

constexpr std::size_t kMaxInputBytes = std::size_t{72} << 20;

class Description {
public:
    Description(const std::uint8_t* data, std::size_t size) : data_(data), size_(size) {}
    bool Done() const { return at_ >= size_; }
    unsigned Byte() { return at_ < size_ ? data_[at_++] : 0; }
    unsigned Word() { return Byte() << 8 | Byte(); }

private:
    const std::uint8_t* data_;
    std::size_t size_;
    std::size_t at_ = 0;
};

// Builds the input and keeps the output's expected size, line by line, as the engine appends it.
class ListBuilder {
public:
    explicit ListBuilder(ScaleList& list) : list_(list) {}

    bool Full() const { return list_.input.size() >= kMaxInputBytes; }

    // Adds an input line; its output is added with Output.
    void Line(const std::string& line) {
        if (lines_ != 0) {
            list_.input += "\r\n";
        }
        list_.input += line;
        ++lines_;
    }

    // Output of the last line added: bytes in lines_count lines, CR LF included.
    void Output(std::uint64_t bytes, std::uint64_t line_count) {
        if (list_.failing_line != 0) {
            return;
        }
        if (list_.output_bytes + bytes > kMaxOutputBytes) {
            list_.failing_line = static_cast<LineNumber>(lines_);
            return;
        }
        list_.output_bytes += bytes;
        list_.output_lines += line_count;
    }

private:
    ScaleList& list_;
    std::uint64_t lines_ = 0;
};

std::string Hex(const char* format, std::uint32_t number) {
    char text[16];
    std::snprintf(text, sizeof text, format, number);
    return text;
}

// Digits of a value as written on a line after the first: eight for a negative number, at least
// four otherwise.
std::uint64_t WrittenValueDigits(std::int64_t value) {
    if (value < 0) {
        return 8;
    }
    std::uint64_t digits = 1;
    for (auto rest = static_cast<std::uint64_t>(value) >> 4; rest != 0; rest >>= 4) {
        ++digits;
    }
    return digits < 4 ? 4 : digits;
}

std::uint64_t DecimalDigits(std::uint64_t number) {
    std::uint64_t digits = 1;
    for (; number >= 10; number /= 10) {
        ++digits;
    }
    return digits;
}

struct Repeater {
    unsigned count;
    unsigned address_step;
    unsigned value_step;  // four hex digits; 8000 to FFFF step down
    unsigned value;
    unsigned extra;  // Tarrow: name length; Plain Text: target copied when odd
};

// Bytes of a repeater code's expansion: every line's fixed part plus its value digits.
std::uint64_t ExpansionBytes(const Repeater& r, std::uint64_t fixed_bytes, bool numbered) {
    const auto step = static_cast<std::int16_t>(static_cast<std::uint16_t>(r.value_step));
    const unsigned lines = r.count == 0 ? 1 : r.count;
    std::uint64_t bytes = 0;
    for (unsigned k = 0; k < lines; ++k) {
        const std::uint64_t value_digits =
            k == 0 ? 4 : WrittenValueDigits(std::int64_t{r.value} + std::int64_t{k} * step);
        bytes += fixed_bytes + value_digits + (numbered ? DecimalDigits(k + 1) : 0);
    }
    return bytes;
}

// Bytes of a repeater code's expansion in mode.
std::uint64_t RepeaterOutputBytes(UnpatchMode mode, const Repeater& r) {
    if (mode == UnpatchMode::PlainText) {
        // Type prefix, six address digits, a blank, the value, CR LF.
        return ExpansionBytes(r, 2 + 6 + 1 + 2, false);
    }
    // Name, a blank, the index, a bar, eight address digits, a blank, the value, a bar, CR LF.
    return ExpansionBytes(r, r.extra + 1 + 1 + 8 + 1 + 1 + 2, true);
}

void AddRepeater(UnpatchMode mode, const Repeater& r, std::uint64_t output_bytes,
                 ListBuilder& builder) {
    const std::string repeater_code =
        "500" + Hex("%05X", r.count << 8 | r.address_step) + " " + Hex("%04X", r.value_step);
    const unsigned lines = r.count == 0 ? 1 : r.count;
    if (mode == UnpatchMode::PlainText) {
        const std::string prefix = r.extra % 2 == 1 ? "10" : "80";
        const std::string target = prefix + "100000 " + Hex("%04X", r.value);
        builder.Line(repeater_code);
        builder.Output(output_bytes, lines);
        builder.Line(target);
        if (prefix == "10") {
            builder.Output(target.size() + 2, 1);
        }
        return;
    }
    const std::string name(r.extra, 'N');
    builder.Line(name + "|" + repeater_code + "    20100000 " + Hex("%04X", r.value) + "|");
    builder.Output(output_bytes, lines);
}

void AddSilentLines(UnpatchMode mode, std::uint64_t count, std::size_t length,
                    ListBuilder& builder) {
    const std::string line =
        (mode == UnpatchMode::PlainText ? "8" : "H") + std::string(length - 1, '0');
    for (std::uint64_t i = 0; i < count && !builder.Full(); ++i) {
        builder.Line(line);
    }
}

}  // namespace

ScaleList MakeScaleList(const std::uint8_t* data, std::size_t size) {
    Description description(data, size);
    ScaleList list;
    list.mode = description.Byte() % 2 == 0 ? UnpatchMode::PlainText : UnpatchMode::TarrowFormat;
    ListBuilder builder(list);
    while (!description.Done() && !builder.Full()) {
        const unsigned op = description.Byte();
        switch (op % 4) {
            case 0: {
                const std::uint64_t count = std::uint64_t{16} * description.Word();
                AddSilentLines(list.mode, count, 13 + op / 4, builder);
                break;
            }
            case 1: {
                const unsigned count = description.Byte() + 1;
                const unsigned length = description.Word();
                for (unsigned i = 0; i < count && !builder.Full(); ++i) {
                    if (list.mode == UnpatchMode::PlainText) {
                        builder.Line(std::string(length, 'x'));
                        builder.Output(length + 2, 1);
                    } else {
                        const Repeater entry{0, 0, 0, 0, length};
                        AddRepeater(list.mode, entry, RepeaterOutputBytes(list.mode, entry),
                                    builder);
                    }
                }
                break;
            }
            case 2: {
                const unsigned times = 4 * description.Byte() + 4;
                Repeater r{};
                r.count = description.Word() & 0xFFF;
                r.address_step = description.Byte();
                r.value_step = description.Word();
                r.value = description.Word();
                r.extra = op / 4;
                const std::uint64_t output_bytes = RepeaterOutputBytes(list.mode, r);
                for (unsigned i = 0; i < times && !builder.Full(); ++i) {
                    AddRepeater(list.mode, r, output_bytes, builder);
                }
                break;
            }
            default: {
                const std::uint64_t mib = description.Byte();
                AddSilentLines(list.mode, (mib << 20) / 15, 13, builder);
                break;
            }
        }
    }
    return list;
}

}  // namespace quernel::fuzz
