#pragma once
// The program's main block: one copy only, the application named, the
// user's language pack loaded, the service connected, then the main window
// and the message loop until it closes. The units start before it and end
// after it (ProgramUnits.h). Answers the process's exit code: 1, with the
// reason on the standard error, when the display cannot be opened (nothing
// has started then); otherwise 0.
//
// It is the whole program: the `zorbit` executable is nothing else, and a
// driver that runs the program under a script (tools/uidrive) calls it the
// same way, so that both behave alike. Argv is the command line as the
// process got it; argv[0] names the program file.
namespace zorbit {

int RunMainBlock(int argc, char** argv);

}  // namespace zorbit
