#include "ui/desktop/StandardStreams.h"

#include <windows.h>

#include <cstdio>

namespace kring {

// The C runtime keeps the standard streams' numbers for them even when the
// program has no such handle, so no file can take their place.
void GuardClosedStandardStreams() {}

void ReachStartingConsole() {
    // A windowed program starts without a console. Output redirected to a
    // file or a pipe has a handle already and goes there; otherwise it goes
    // to the console of whoever started the program, when there is one.
    // (Wine's C runtime cannot reopen a stream that began without a handle:
    // there the text is lost, and the write error says so.)
    const HANDLE output = ::GetStdHandle(STD_OUTPUT_HANDLE);
    if (output != nullptr && output != INVALID_HANDLE_VALUE &&
        ::GetFileType(output) != FILE_TYPE_UNKNOWN)
        return;
    if (!::AttachConsole(ATTACH_PARENT_PROCESS))
        return;
    std::freopen("CONOUT$", "w", stdout);
    std::freopen("CONOUT$", "w", stderr);
}

} // namespace kring
