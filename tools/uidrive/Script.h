#pragma once
// A uidrive script: one command per line, its words separated by blanks;
// blank lines and lines starting with "#" are skipped. The commands and
// their arguments are listed in docs/uidrive.md. A script is read whole
// before the program starts, so that a bad one is refused with the line and
// the reason (EScriptError) before anything runs; points and keys are
// checked here too.
#include <stdexcept>
#include <string>
#include <vector>

namespace uidrive {

class EScriptError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// Where on a control a click or a drag goes.
struct TPointSpec {
  enum class TKind { Centre, Item, Cell, Client };
  TKind Kind = TKind::Centre;
  int A = 0;  // Item: the index; Cell: the column; Client: x
  int B = 0;  // Cell: the row; Client: y
};

// A key with the modifier keys held around it (virtual-key codes).
struct TKeySpec {
  unsigned Key = 0;
  std::vector<unsigned> Modifiers;
};

struct TScriptCommand {
  int Line = 0;
  std::string Verb;
  // The words after the verb; for the commands that take text (type, drop,
  // print, screenshot), the text is the last argument, as written after one
  // blank.
  std::vector<std::string> Args;
  std::vector<TPointSpec> Points;  // click, drag, drop
  TKeySpec Key;                    // key
  int Seconds = 0;                 // wait, gone: how long at most
};

// Raises EScriptError "line N: reason" for an unknown command, a wrong
// number of arguments, a malformed point, key or number.
std::vector<TScriptCommand> ParseScript(const std::string& Text);

// "#3" (a list item), "#2,5" (a grid cell: column, row), "10,20" (client
// coordinates) or "" (the centre); raises EScriptError otherwise.
TPointSpec ParsePoint(const std::string& Word);
// "F1", "Enter", "Shift+Tab", "Ctrl+A"...; names without regard to case.
TKeySpec ParseKey(const std::string& Word);

}  // namespace uidrive
