#include "tools/uidrive/ScriptRunner.h"

#include <algorithm>
#include <fstream>
#include <ostream>

#include "platform/rtl/ScopeExit.h"
#include "platform/ui/TApplication.h"
#include "platform/ui/TClipboard.h"
#include "platform/ui/TCustomForm.h"
#include "platform/ui/TWinControl.h"
#include "platform/win/BlockDataObject.h"
#include "platform/win/Clipboard.h"
#include "platform/win/Display.h"
#include "platform/win/DragDrop.h"
#include "platform/win/DropFiles.h"
#include "platform/win/GlobalText.h"
#include "platform/win/HeadlessDisplay.h"
#include "platform/win/InputInjection.h"
#include "platform/win/SystemMetrics.h"
#include "platform/win/Timers.h"
#include "tools/uidrive/GridHarness.h"
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

// Sideways first, as a hand does, so that the drag starts even when it ends
// where it began.
void Drag(plat::TPoint From, plat::TPoint To) {
  plat::InjectMouseDown(From);
  plat::InjectMouseMove({From.X + 2 * plat::GetSystemMetrics(plat::SM_CXDRAG) + 1, From.Y});
  plat::InjectMouseMove(To);
  plat::InjectMouseUp(To);
}

// Another program's drop at a point: the formats of the kind ("text",
// "files" with the names separated by "|", "rtf") offered for copying and
// moving, as a desktop program offers them. Answers the effect.
std::string DropAt(plat::TPoint At, const std::string& Kind, const std::string& Value) {
  std::vector<plat::FormatBlock> blocks;
  if (Kind == "text") {
    blocks = plat::TextBlocks(Value);
  } else if (Kind == "files") {
    std::vector<plat::String> names;
    for (std::size_t start = 0; start <= Value.size();) {
      const std::size_t bar = std::min(Value.find('|', start), Value.size());
      names.push_back(Value.substr(start, bar - start));
      start = bar + 1;
    }
    plat::HDROP drop = plat::CreateDropFiles(names);
    if (!drop) throw ETargetError("no memory for the dropped file names");
    blocks.emplace_back(static_cast<plat::CLIPFORMAT>(plat::CF_HDROP), plat::GlobalBytes(drop));
    plat::DragFinish(drop);
  } else {
    blocks.emplace_back(static_cast<plat::CLIPFORMAT>(plat::RegisterClipboardFormat("Rich Text Format")),
                        plat::ZeroTerminatedBytes(Value));
  }
  const plat::InterfacePtr<plat::IDataObject> data = plat::TBlockDataObject::Create(std::move(blocks));
  constexpr plat::DWORD offered = plat::DROPEFFECT_COPY | plat::DROPEFFECT_MOVE;
  plat::FeedExternalDragOver(data.Get(), At, 0, offered);
  const plat::DWORD effect = plat::FeedExternalDrop(data.Get(), At, 0, offered);
  if (effect & plat::DROPEFFECT_MOVE) return "move";
  if (effect & plat::DROPEFFECT_COPY) return "copy";
  if (effect & plat::DROPEFFECT_LINK) return "link";
  return "none";
}

void PressKey(const TKeySpec& Key) {
  for (const unsigned modifier : Key.Modifiers) plat::InjectKeyDown(modifier);
  plat::InjectKeyDown(Key.Key);
  plat::InjectKeyUp(Key.Key);
  for (auto modifier = Key.Modifiers.rbegin(); modifier != Key.Modifiers.rend(); ++modifier)
    plat::InjectKeyUp(*modifier);
}

void SaveScreenshot(plat::TCustomForm& Window, const std::string& File) {
  const std::vector<plat::Byte> png = plat::WindowScreenshot(Window.Handle());
  if (png.empty()) throw ETargetError("no picture of " + Window.ClassName());
  std::ofstream out(File, std::ios::binary);
  out.write(reinterpret_cast<const char*>(png.data()), static_cast<std::streamsize>(png.size()));
  if (!out.flush()) throw ETargetError("cannot write the screenshot " + File);
}

// What the program would have started, as "document TARGET" or
// "program PATH ARGUMENT...".
std::vector<std::string> RecordedLaunches() {
  plat::HeadlessDisplay* display = plat::CurrentHeadlessDisplay();
  if (!display) throw ETargetError("launches are recorded by the headless display only");
  std::vector<std::string> launches;
  for (const plat::TRecordingLauncher::TCall& call : display->Launches().Calls()) {
    if (call.Kind == plat::TRecordingLauncher::TKind::Document) {
      launches.push_back("document " + EscapedText(call.Target));
    } else {
      std::string line = "program";
      for (const plat::String& arg : call.Argv) line += " " + EscapedText(arg);
      launches.push_back(line);
    }
  }
  return launches;
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
      Fail(command.Line,
           "timed out after " + std::to_string(command.Seconds) + " s: " + command.Verb + " " + command.Args[0]);
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
  if (Command.Verb == "wait" || Command.Verb == "gone") return Wait(Command);
  if (IsWindowCommand(Command.Verb))
    RunOnWindow(Command);
  else if (Command.Verb == "prop")
    Write("prop", EscapedText(PropertyText(FindNamed(Window(Command), Command.Args[0]), Command.Args[1])));
  else
    RunOnControl(Command, FindControl(Window(Command), Command.Args[0]));
  return TStep::Done;
}

TScriptRunner::TStep TScriptRunner::Wait(const TScriptCommand& Command) {
  if (!FWaiting) {
    FWaiting = true;
    FDeadline = std::chrono::steady_clock::now() + std::chrono::seconds(Command.Seconds);
  }
  const bool wanted = Command.Verb == "wait";
  if ((FindShownForm(Command.Args[0]) != nullptr) != wanted) return TStep::Waiting;
  if (wanted) FWindowClass = Command.Args[0];
  return TStep::Done;
}

bool TScriptRunner::IsWindowCommand(const std::string& Verb) {
  for (const char* verb : {"print", "windows", "launches", "clipboard", "quit", "close", "screenshot", "harness"})
    if (Verb == verb) return true;
  return false;
}

void TScriptRunner::RunOnWindow(const TScriptCommand& Command) {
  const std::string& verb = Command.Verb;
  if (verb == "print") {
    Write("print", Command.Args.empty() ? std::string() : Command.Args[0]);
  } else if (verb == "windows") {
    for (const std::string& name : ShownFormClasses()) Write("window", name);
  } else if (verb == "launches") {
    for (const std::string& launch : RecordedLaunches()) Write("launch", launch);
  } else if (verb == "clipboard") {
    Write("clipboard", EscapedText(plat::Clipboard()->AsText()));
  } else if (verb == "quit") {
    plat::Application->Terminate();
  } else if (verb == "close") {
    plat::FeedCloseRequest(Window(Command).Handle());
  } else if (verb == "screenshot") {
    SaveScreenshot(Window(Command), Command.Args[0]);
  } else if (verb == "harness") {
    ShowGridHarness();
  }
}

void TScriptRunner::RunOnControl(const TScriptCommand& Command, plat::TControl& Control) {
  const std::string& verb = Command.Verb;
  if (verb == "click") {
    plat::InjectClick(ScreenPoint(Control, Command.Points[0]));
  } else if (verb == "drag") {
    Drag(ScreenPoint(Control, Command.Points[0]), ScreenPoint(Control, Command.Points[1]));
  } else if (verb == "drop") {
    Write("drop", DropAt(ScreenPoint(Control, Command.Points[0]), Command.Args[2], Command.Args[3]));
  } else if (verb == "key") {
    Focus(Control);
    PressKey(Command.Key);
  } else if (verb == "type") {
    Focus(Control);
    plat::InjectText(Command.Args[1]);
  } else if (verb == "text") {
    Write("text", EscapedText(ControlText(Control)));
  } else if (verb == "items") {
    for (const plat::String& item : ControlItems(Control)) Write("item", EscapedText(item));
  } else if (verb == "cells") {
    for (const auto& row : GridCells(Control, Command.Args.size() > 1 ? std::stoi(Command.Args[1]) : -1))
      Write("row", JoinedRow(row));
  }
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
