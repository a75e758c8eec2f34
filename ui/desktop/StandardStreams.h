#pragma once

namespace kring {

// Makes a standard stream that the program was started without (closed by
// its parent) one that refuses writes, before anything else can open a file
// in its place and receive what was meant for the stream.
void GuardClosedStandardStreams();

// Lets what the command line prints (--help, --version, a refused argument)
// reach the console the program was started from.
void ReachStartingConsole();

} // namespace kring
