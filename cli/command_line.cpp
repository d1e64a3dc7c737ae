#include "cli/command_line.h"

namespace quernel::cli {

namespace {

constexpr std::string_view kHelpText =
    "Usage: quernel-unpatch (--tarrow | --plain) [--raw] [FILE]\n"
    "Expands every repeater code of a code list into the codes it stands for.\n"
    "Reads FILE, or standard input when FILE is absent or -, and writes the\n"
    "expanded list to standard output.\n"
    "\n"
    "  --tarrow       the list is in the Tarrow Format (Name|codes|tail)\n"
    "  --plain        the list is Plain Text, one code per line\n"
    "  --raw          pass the bytes to the conversion unchanged: lines are\n"
    "                 separated by CR LF only, and the output keeps CR LF\n"
    "  -h, --help     show this help and exit\n"
    "  -V, --version  show the version and exit\n"
    "\n"
    "Without --raw the input is a text file whose lines end with LF or CR LF;\n"
    "the output's lines end the way the input's first line does.\n"
    "\n"
    "Exit status: 0 on success; 1 when the list cannot be converted (the reason\n"
    "goes to standard error, nothing to standard output); 2 for a bad command\n"
    "line or a file that cannot be read or written.\n";

struct Parser {
    std::optional<UnpatchMode> mode;
    bool raw = false;
    std::optional<std::string> input_path;
    std::optional<UsageError> error;

    void ChooseMode(UnpatchMode chosen) {
        if (mode && *mode != chosen) {
            error = UsageError{"--tarrow and --plain cannot be used together"};
        }
        mode = chosen;
    }

    void TakeOperand(std::string_view operand) {
        if (input_path) {
            error = UsageError{"only one FILE can be given, got '" + *input_path + "' and '" +
                               std::string(operand) + "'"};
        }
        input_path = std::string(operand);
    }
};

}  // namespace

CommandLine ParseCommandLine(std::span<const std::string_view> arguments) {
    Parser parser;
    bool options_ended = false;
    for (std::string_view argument : arguments) {
        if (options_ended || argument == "-" || !argument.starts_with('-')) {
            parser.TakeOperand(argument);
        } else if (argument == "--") {
            options_ended = true;
        } else if (argument == "-h" || argument == "--help") {
            return HelpRequest{};
        } else if (argument == "-V" || argument == "--version") {
            return VersionRequest{};
        } else if (argument == "--tarrow") {
            parser.ChooseMode(UnpatchMode::TarrowFormat);
        } else if (argument == "--plain") {
            parser.ChooseMode(UnpatchMode::PlainText);
        } else if (argument == "--raw") {
            parser.raw = true;
        } else {
            return UsageError{"unknown option '" + std::string(argument) + "'"};
        }
        if (parser.error) {
            return *parser.error;
        }
    }
    if (!parser.mode) {
        return UsageError{"choose the format of the list with --tarrow or --plain"};
    }
    if (parser.input_path == "-") {
        parser.input_path.reset();
    }
    return ConversionRequest{*parser.mode, parser.raw, parser.input_path};
}

std::string_view HelpText() {
    return kHelpText;
}

}  // namespace quernel::cli
