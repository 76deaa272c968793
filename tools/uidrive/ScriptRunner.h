#pragma once
// Runs a script inside the program's own message loops: a thread timer of
// the window layer steps through the commands, so that they run in the main
// loop, in every modal loop and in the waits of the start-up alike, and the
// program behaves exactly as it does without a script. A command that waits
// (for a window to show or go) is tried again at each step until it holds
// or its time runs out; input is queued and handled by the loop before the
// next step, as a user's would be. A step never runs inside another.
//
// What the commands read is written to Out, one line each, "what: value"
// (see docs/uidrive.md); texts have backslashes, line breaks and tabs
// written as \\, \n, \r and \t. The first failing command writes
// "error: line N: reason", ends the program's message loops and leaves the
// rest of the script undone.
#include <chrono>
#include <iosfwd>
#include <string>
#include <vector>

#include "platform/win/WinTypes.h"
#include "tools/uidrive/Script.h"

namespace plat {
class TControl;
class TCustomForm;
}  // namespace plat

namespace uidrive {

class TScriptRunner {
 public:
  // Steps every StepMs milliseconds from Start() on. One runner at a time.
  TScriptRunner(std::vector<TScriptCommand> Commands, std::ostream& Out, unsigned StepMs = 10);
  ~TScriptRunner();
  TScriptRunner(const TScriptRunner&) = delete;
  TScriptRunner& operator=(const TScriptRunner&) = delete;

  void Start();

  // Once the program has ended: when the script did not run to its end, the
  // line it stopped at is reported as an error. Answers the exit code of the
  // whole run: the program's when the script ran to its end, else 1.
  int Finish(int ProgramExitCode);

 private:
  enum class TStep { Done, Waiting };
  static void Tick(plat::HWND, plat::UINT, plat::UINT_PTR, plat::DWORD);
  void Step();
  TStep Execute(const TScriptCommand& Command);
  TStep Wait(const TScriptCommand& Command);
  // Commands on the program or the window as a whole, and on a control.
  static bool IsWindowCommand(const std::string& Verb);
  void RunOnWindow(const TScriptCommand& Command);
  void RunOnControl(const TScriptCommand& Command, plat::TControl& Control);
  plat::TCustomForm& Window(const TScriptCommand& Command) const;
  void Fail(int Line, const std::string& Reason);
  void Write(const std::string& What, const std::string& Value);

  std::vector<TScriptCommand> FCommands;
  std::ostream& FOut;
  unsigned FStepMs;
  plat::UINT_PTR FTimer = 0;
  size_t FNext = 0;
  bool FStepping = false;
  bool FFailed = false;
  // The class of the window the last wait found: the commands' window.
  std::string FWindowClass;
  // When the wait in progress gives up.
  std::chrono::steady_clock::time_point FDeadline{};
  bool FWaiting = false;
};

// A text as the runner writes it: \ as \\, line feed \n, return \r, tab \t.
std::string EscapedText(const std::string& Text);

}  // namespace uidrive
