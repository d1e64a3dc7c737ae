#include "web/unpatch_interface.h"

#include <new>
#include <string>
#include <string_view>

#include "cli/line_breaks.h"
#include "engine/unpatch.h"
#include "web/box_text.h"

namespace {

// The outcome of the last call; the page reads it before it calls again.
struct LastRun {
    std::string output;
    quernel::LineNumber failure_line = 0;
    std::string failure_kind;
    std::string failure_message;
};

LastRun last_run;

}  // namespace

extern "C" {

int QuernelUnpatch(int mode, const char* text, std::size_t length, int box_lines) {
    last_run = LastRun{};
    if (mode != 0 && mode != 1) {
        return kQuernelNoSuchMode;
    }
    const quernel::UnpatchMode unpatch_mode =
        mode == 0 ? quernel::UnpatchMode::TarrowFormat : quernel::UnpatchMode::PlainText;
    try {
        const std::string_view input(text, length);
        if (box_lines == 0) {
            last_run.output = quernel::Unpatch(unpatch_mode, input);
        } else {
            last_run.output =
                quernel::Unpatch(unpatch_mode, quernel::web::CodeListOfBoxText(input));
            quernel::cli::EndLinesWith(last_run.output, quernel::cli::LineBreak::Lf);
        }
        return kQuernelConverted;
    } catch (const quernel::UnpatchFailure& failure) {
        last_run.failure_line = failure.line();
        last_run.failure_kind = quernel::FailureKindName(failure.kind());
        last_run.failure_message = failure.what();
        return kQuernelFailed;
    } catch (const std::bad_alloc&) {
        return kQuernelOutOfMemory;
    }
}

const char* QuernelOutputData() {
    return last_run.output.data();
}

std::size_t QuernelOutputSize() {
    return last_run.output.size();
}

double QuernelFailureLine() {
    return static_cast<double>(last_run.failure_line);
}

const char* QuernelFailureKind() {
    return last_run.failure_kind.c_str();
}

const char* QuernelFailureMessage() {
    return last_run.failure_message.c_str();
}
}
