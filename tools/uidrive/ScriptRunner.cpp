#include "tools/uidrive/ScriptRunner.h"

#include <fstream>
#include <ostream>

#include "platform/rtl/ScopeExit.h"
#include "platform/ui/TApplication.h"
#include "platform/ui/TClipboard.h"
#include "platform/ui/TCustomForm.h"
#include "platform/ui/TWinControl.h"
#include "platform/win/Display.h"
#include "platform/win/HeadlessDisplay.h"
#include "platform/win/InputInjection.h"
#include "platform/win/SystemMetrics.h"
#include "platform/win/Timers.h"
#include "tools/uidrive/ScriptTargets.h"

namespace uidrive {

namespace {

// The timer procedure has no place for a pointer of its own.
TScriptRunner* ActiveRunner = nullptr;

std::string JoinedRow(const std::vector<plat::String>& Cells) {
  std::string row;
  for (size_t i = 0; i < Cells.size(); ++i) row += (i ? "\t" : "") + EscapedText(Cells[i]);
  return row;
}

// Input for a control goes where its keys go.
void Focus(plat::TControl& Control) {
  auto* windowed = dynamic_cast<plat::TWinControl*>(&Control);
  if (!windowed) throw ETargetError("\"" + Control.Name() + "\" cannot take the focus");
  if (windowed->CanFocus()) windowed->SetFocus();
}

}  // namespace

std::string EscapedText(const std::string& Text) {
  std::string escaped;
  for (const char c : Text) {
    switch (c) {
      case '\\': escaped += "\\\\"; break;
      case '\n': escaped += "\\n"; break;
      case '\r': escaped += "\\r"; break;
      case '\t': escaped += "\\t"; break;
      default: escaped += c;
    }
  }
  return escaped;
}

TScriptRunner::TScriptRunner(std::vector<TScriptCommand> Commands, std::ostream& Out, unsigned StepMs)
    : FCommands(std::move(Commands)), FOut(Out), FStepMs(StepMs) {}

TScriptRunner::~TScriptRunner() {
  if (FTimer) plat::KillTimer(nullptr, FTimer);
  if (ActiveRunner == this) ActiveRunner = nullptr;
}

void TScriptRunner::Start() {
  ActiveRunner = this;
  FTimer = plat::SetTimer(nullptr, 0, FStepMs, &TScriptRunner::Tick);
}

void TScriptRunner::Tick(plat::HWND, plat::UINT, plat::UINT_PTR, plat::DWORD) {
  if (ActiveRunner) ActiveRunner->Step();
}

void TScriptRunner::Step() {
  if (FStepping || FFailed || FNext >= FCommands.size()) return;
  FStepping = true;
  const plat::ScopeExit stepped([this] { FStepping = false; });
  const TScriptCommand& command = FCommands[FNext];
  try {
    if (Execute(command) == TStep::Done) {
      FWaiting = false;
      ++FNext;
    } else if (std::chrono::steady_clock::now() >= FDeadline) {
      Fail(command.Line, "timed out after " + std::to_string(command.Seconds) + " s: " + command.Verb + " " +
                             command.Args[0]);
    }
  } catch (const std::exception& e) {
    Fail(command.Line, e.what());
  }
  if (FNext >= FCommands.size() && FTimer) {
    plat::KillTimer(nullptr, FTimer);
    FTimer = 0;
  }
}

plat::TCustomForm& TScriptRunner::Window(const TScriptCommand& Command) const {
  if (FWindowClass.empty()) throw ETargetError(Command.Verb + " before any wait: no window to address");
  plat::TCustomForm* form = FindShownForm(FWindowClass);
  if (!form) throw ETargetError("no shown window of class " + FWindowClass);
  return *form;
}

TScriptRunner::TStep TScriptRunner::Execute(const TScriptCommand& Command) {
  const std::string& verb = Command.Verb;
  const std::vector<std::string>& args = Command.Args;
  if (verb == "wait" || verb == "gone") {
    if (!FWaiting) {
      FWaiting = true;
      FDeadline = std::chrono::steady_clock::now() + std::chrono::seconds(Command.Seconds);
    }
    const bool shown = FindShownForm(args[0]) != nullptr;
    if (shown != (verb == "wait")) return TStep::Waiting;
    if (verb == "wait") FWindowClass = args[0];
    return TStep::Done;
  }
  if (verb == "print") {
    Write("print", args.empty() ? std::string() : args[0]);
  } else if (verb == "windows") {
    for (const std::string& name : ShownFormClasses()) Write("window", name);
  } else if (verb == "launches") {
    plat::HeadlessDisplay* display = plat::CurrentHeadlessDisplay();
    if (!display) throw ETargetError("launches are recorded by the headless display only");
    for (const plat::TRecordingLauncher::TCall& call : display->Launches().Calls()) {
      if (call.Kind == plat::TRecordingLauncher::TKind::Document) {
        Write("launch", "document " + EscapedText(call.Target));
      } else {
        std::string line = "program";
        for (const plat::String& arg : call.Argv) line += " " + EscapedText(arg);
        Write("launch", line);
      }
    }
  } else if (verb == "clipboard") {
    Write("clipboard", EscapedText(plat::Clipboard()->AsText()));
  } else if (verb == "quit") {
    plat::Application->Terminate();
  } else if (verb == "close") {
    plat::FeedCloseRequest(Window(Command).Handle());
  } else if (verb == "screenshot") {
    const std::vector<plat::Byte> png = plat::WindowScreenshot(Window(Command).Handle());
    std::ofstream file(args[0], std::ios::binary);
    file.write(reinterpret_cast<const char*>(png.data()), static_cast<std::streamsize>(png.size()));
    if (png.empty() || !file.flush()) throw ETargetError("cannot write the screenshot " + args[0]);
  } else {
    plat::TControl& control = FindControl(Window(Command), args[0]);
    if (verb == "click") {
      plat::InjectClick(ScreenPoint(control, Command.Points[0]));
    } else if (verb == "drag") {
      // Sideways first, as a hand does, so that the drag starts even when
      // it ends where it began.
      const plat::TPoint from = ScreenPoint(control, Command.Points[0]);
      const plat::TPoint to = ScreenPoint(control, Command.Points[1]);
      plat::InjectMouseDown(from);
      plat::InjectMouseMove({from.X + 2 * plat::GetSystemMetrics(plat::SM_CXDRAG) + 1, from.Y});
      plat::InjectMouseMove(to);
      plat::InjectMouseUp(to);
    } else if (verb == "key") {
      Focus(control);
      for (const unsigned modifier : Command.Key.Modifiers) plat::InjectKeyDown(modifier);
      plat::InjectKeyDown(Command.Key.Key);
      plat::InjectKeyUp(Command.Key.Key);
      for (auto m = Command.Key.Modifiers.rbegin(); m != Command.Key.Modifiers.rend(); ++m) plat::InjectKeyUp(*m);
    } else if (verb == "type") {
      Focus(control);
      plat::InjectText(args[1]);
    } else if (verb == "text") {
      Write("text", EscapedText(ControlText(control)));
    } else if (verb == "items") {
      for (const plat::String& item : ControlItems(control)) Write("item", EscapedText(item));
    } else if (verb == "cells") {
      for (const auto& row : GridCells(control, args.size() > 1 ? std::stoi(args[1]) : -1))
        Write("row", JoinedRow(row));
    } else if (verb == "prop") {
      Write("prop", EscapedText(PropertyText(control, args[1])));
    }
  }
  return TStep::Done;
}

void TScriptRunner::Write(const std::string& What, const std::string& Value) {
  FOut << What << ": " << Value << std::endl;
}

void TScriptRunner::Fail(int Line, const std::string& Reason) {
  FFailed = true;
  Write("error", "line " + std::to_string(Line) + ": " + Reason);
  plat::Application->Terminate();
}

int TScriptRunner::Finish(int ProgramExitCode) {
  if (FFailed) return 1;
  if (FNext < FCommands.size()) {
    Write("error", "line " + std::to_string(FCommands[FNext].Line) + ": the program ended before this line");
    return 1;
  }
  return ProgramExitCode;
}

}  // namespace uidrive
