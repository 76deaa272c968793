#pragma once
// The machine profile built into the program (profiles/default.json), used
// when no --profile is given, so the demo needs no file beside the program.
namespace zorbit::mgmtsvc {

const char* DefaultProfileText();

}  // namespace zorbit::mgmtsvc
