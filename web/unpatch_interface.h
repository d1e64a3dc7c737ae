#pragma once

#include <cstddef>

// The engine as the page calls it: plain C functions over bytes in the module's memory, so the
// page hands its text over with one encode and takes the output back with one decode.
extern "C" {

// What a call of QuernelUnpatch came to.
enum QuernelOutcome {
    kQuernelConverted = 0,    // the output is ready: QuernelOutputData, QuernelOutputSize
    kQuernelFailed = 1,       // the list cannot be converted: QuernelFailure*
    kQuernelOutOfMemory = 2,  // the module could not get the memory the conversion needs
    kQuernelNoSuchMode = 3,   // mode is neither 0 nor 1: nothing was converted
};

// Converts the UTF-8 code list text at text (length bytes) in the format mode: 0 for the Tarrow
// Format, 1 for Plain Text. With box_lines 0 its lines are separated by CR LF and so are the
// output's, as the engine has them; with box_lines 1 both use LF, as a page's text box does. The
// output or failure stays readable until the next call.
int QuernelUnpatch(int mode, const char* text, std::size_t length, int box_lines);

const char* QuernelOutputData();
std::size_t QuernelOutputSize();

// The failure's 1-based line (a double, which JavaScript takes as it is and which holds any line
// number exactly), its kind's name ("NotANumber", ...) and its one-line message ("line N: Kind:
// explanation"), both as NUL-terminated UTF-8.
double QuernelFailureLine();
const char* QuernelFailureKind();
const char* QuernelFailureMessage();
}
