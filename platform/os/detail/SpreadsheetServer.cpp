#include "platform/os/detail/SpreadsheetServer.h"

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <cctype>
#include <climits>
#include <cstdlib>

#include "platform/os/PlatformRoot.h"
#include "platform/os/ProcessSpawn.h"
#include "platform/os/ShellFolders.h"
#include "platform/os/SpreadsheetAutomation.h"
#include "platform/os/detail/ProcessSockets.h"
#include "platform/os/detail/SpreadsheetBridgeScript.h"
#include "platform/rtl/Conversions.h"
#include "platform/rtl/FileUtils.h"
#include "platform/rtl/FolderHandle.h"
#include "platform/rtl/Format.h"
#include "platform/rtl/Paths.h"

namespace plat {
namespace {

using TClock = std::chrono::steady_clock;
using json = nlohmann::json;

constexpr const char* kSource = "Spreadsheet";
constexpr const char* kPython = "/usr/bin/python3";
// Generous: a first start makes the profile, and the machine may be busy.
constexpr int kStartSeconds = 120;
constexpr auto kQuitWait = std::chrono::seconds(15);
constexpr std::size_t kMaxAnswerBytes = std::size_t{512} << 20;
// The office made a new profile and asks to be started again (its own
// launcher would do so); more than a few times is a failure.
constexpr int kRestartExitCode = 81;
constexpr int kMaxOfficeStarts = 3;

std::chrono::milliseconds gAnswerTimeout = std::chrono::minutes(2);

// The server of the process, stopped at its end.
struct TSharedServer {
  std::unique_ptr<TSpreadsheetServer> Server;
};

TSharedServer& Shared() {
  static TSharedServer shared;
  return shared;
}

[[noreturn]] void NotInstalled(const String& what) {
  throw EOleSysError("The spreadsheet application is not installed: " + what, REGDB_E_CLASSNOTREG);
}

[[noreturn]] void StartFailed(const String& reason) {
  throw EOleSysError("The spreadsheet application cannot be started: " + reason, CO_E_SERVER_EXEC_FAILURE);
}

// A local path as a file URL, every byte outside the unreserved ones
// escaped.
String FileUrl(const String& path) {
  static const char* const kHex = "0123456789ABCDEF";
  String url = "file://";
  for (const unsigned char c : path) {
    if (std::isalnum(c) || c == '/' || c == '-' || c == '.' || c == '_' || c == '~') {
      url += static_cast<char>(c);
    } else {
      url += '%';
      url += kHex[c >> 4];
      url += kHex[c & 15];
    }
  }
  return url;
}

// The folder of the office's programs: where the "soffice" on PATH leads.
String FindProgramFolder() {
  const String launcher = FindProgram("soffice");
  char resolved[PATH_MAX];
  if (launcher.empty() || ::realpath(launcher.c_str(), resolved) == nullptr)
    NotInstalled("no soffice program (Debian package libreoffice-calc-nogui)");
  String folder = resolved;
  folder.erase(folder.rfind('/'));
  if (::access((folder + "/soffice.bin").c_str(), X_OK) != 0)
    NotInstalled("no " + folder + "/soffice.bin (Debian package libreoffice-calc-nogui)");
  return folder;
}

int NextServerNumber() {
  static int number = 0;
  return ++number;
}

}  // namespace

bool AnswerFlag(const json& answer, const char* name) {
  const auto it = answer.find(name);
  return it != answer.end() && it->is_boolean() && it->get<bool>();
}

String AnswerText(const json& answer, const char* name, const String& fallback) {
  const auto it = answer.find(name);
  return it != answer.end() && it->is_string() ? it->get<String>() : fallback;
}

int AnswerIndex(const json& answer, const char* name, int limit) {
  const auto it = answer.find(name);
  if (it == answer.end() || !it->is_number_integer()) return -1;
  const auto value = it->get<long long>();
  return value >= 0 && value < limit ? static_cast<int>(value) : -1;
}

TSpreadsheetServer& TSpreadsheetServer::Acquire() {
  std::unique_ptr<TSpreadsheetServer>& server = Shared().Server;
  if (server && (!server->FRunning || server->FOffice->ExitCode() || server->FBridge->ExitCode() ||
                 !DirectoryExists(server->FProfileFolder)))
    server.reset();
  if (!server) server.reset(new TSpreadsheetServer());
  return *server;
}

TSpreadsheetServer* TSpreadsheetServer::Current() {
  TSpreadsheetServer* server = Shared().Server.get();
  return server != nullptr && server->FRunning ? server : nullptr;
}

void TSpreadsheetServer::StopShared() { Shared().Server.reset(); }

std::chrono::milliseconds TSpreadsheetServer::AnswerTimeout() { return gAnswerTimeout; }

void TSpreadsheetServer::SetAnswerTimeout(std::chrono::milliseconds timeout) { gAnswerTimeout = timeout; }

TSpreadsheetServer::TSpreadsheetServer() {
  try {
    Start();
  } catch (...) {
    Stop();
    throw;
  }
}

TSpreadsheetServer::~TSpreadsheetServer() { Stop(); }

void TSpreadsheetServer::Start() {
  FProgramFolder = FindProgramFolder();
  if (::access(kPython, X_OK) != 0)
    NotInstalled(String("no ") + kPython + " to run the bridge (Debian packages python3 and python3-uno)");
  FTemporaryFolder = ExcludeTrailingPathDelimiter(CreatePrivateFolder(GetTempPath(), "zorbit-spreadsheet-"));
  if (FTemporaryFolder.empty()) StartFailed("no temporary folder in " + GetTempPath());

  const String home = LocalAppDataFolder() + "/zorbit";
  ForceDirectories(home);
  FProfileLock = ::open((home + "/spreadsheet.lock").c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
  if (FProfileLock >= 0 && ::flock(FProfileLock, LOCK_EX | LOCK_NB) == 0) {
    FProfileFolder = home + "/spreadsheet";
  } else {
    // Another process of ours runs an office on the shared profile.
    if (FProfileLock >= 0) ::close(FProfileLock);
    FProfileLock = -1;
    FProfileFolder = FTemporaryFolder + "/profile";
  }
  ForceDirectories(FProfileFolder);

  FNumber = NextServerNumber();
  FPipeName = Format("zorbit-spreadsheet-%d-%d", {static_cast<int>(::getpid()), FNumber});
  FEnvironment = EnvironmentWithout("TMPDIR");
  FEnvironment.push_back("TMPDIR=" + FTemporaryFolder);
  StartOffice();
  try {
    // -I: Debian's own modules only, whatever PYTHONPATH says.
    FBridge = std::make_unique<TOwnedProcess>(std::vector<String>{kPython, "-I", "-c", kSpreadsheetBridgeScript,
                                                                  "pipe,name=" + FPipeName, IntToStr(kStartSeconds)},
                                              FEnvironment, TOwnedProcess::TStreams::Socket);
  } catch (const EOSError& e) {
    StartFailed(e.Message());
  }
  WaitUntilReady();
  FSocketFiles = BoundSocketFiles(FOffice->Pid());
  FRunning = true;
}

void TSpreadsheetServer::StartOffice() {
  try {
    FOffice = std::make_unique<TOwnedProcess>(
        std::vector<String>{FProgramFolder + "/soffice.bin", "-env:UserInstallation=" + FileUrl(FProfileFolder),
                            "--headless", "--invisible", "--nocrashreport", "--nodefault", "--nofirststartwizard",
                            "--nolockcheck", "--nologo", "--norestore", "--accept=pipe,name=" + FPipeName + ";urp;"},
        FEnvironment, TOwnedProcess::TStreams::None);
  } catch (const EOSError& e) {
    StartFailed(e.Message());
  }
}

void TSpreadsheetServer::WaitUntilReady() {
  const auto deadline = TClock::now() + std::chrono::seconds(kStartSeconds + 5);
  int starts = 1;
  for (;;) {
    String line;
    const auto slice = std::min(deadline, TClock::now() + std::chrono::milliseconds(100));
    switch (FBridge->ReadLine(line, slice, kMaxAnswerBytes)) {
      case TOwnedProcess::TRead::Line: {
        const json answer = json::parse(line, nullptr, false);
        if (answer.is_object() && AnswerFlag(answer, "ok")) return;
        const String reason = answer.is_object() ? AnswerText(answer, "error") : String();
        if (reason.find("not installed") != String::npos) NotInstalled(reason);
        StartFailed(reason.empty() ? "the bridge answered " + line : reason);
      }
      case TOwnedProcess::TRead::End:
      case TOwnedProcess::TRead::TooLong:
        StartFailed(
            Format("the bridge ended while starting (exit code %d)", {FBridge->WaitExit(deadline).value_or(-1)}));
      case TOwnedProcess::TRead::TimedOut: break;
    }
    if (TClock::now() >= deadline) StartFailed(Format("it did not answer within %d seconds", {kStartSeconds}));
    if (const std::optional<int> ended = FOffice->ExitCode()) {
      if (*ended != kRestartExitCode || starts == kMaxOfficeStarts)
        StartFailed(Format("it ended while starting (exit code %d)", {*ended}));
      StartOffice();
      ++starts;
    }
  }
}

json TSpreadsheetServer::Ask(const json& request) {
  if (!FRunning) throw EOleException("The spreadsheet application has stopped", RPC_E_DISCONNECTED, kSource);
  const auto deadline = TClock::now() + gAnswerTimeout;
  if (!FBridge->WriteLine(request.dump(-1, ' ', false, json::error_handler_t::replace), deadline))
    Lost("The spreadsheet application stopped answering");
  String line;
  switch (FBridge->ReadLine(line, deadline, kMaxAnswerBytes)) {
    case TOwnedProcess::TRead::Line: break;
    case TOwnedProcess::TRead::TimedOut:
      Lost(Format("The spreadsheet application did not answer within %d seconds",
                  {static_cast<int>(std::chrono::duration_cast<std::chrono::seconds>(gAnswerTimeout).count())}));
    case TOwnedProcess::TRead::End: Lost("The spreadsheet application ended");
    case TOwnedProcess::TRead::TooLong: Lost("The spreadsheet application's answer is too long");
  }
  json answer = json::parse(line, nullptr, false);
  if (!answer.is_object()) Lost("The spreadsheet application answered with a damaged line");
  if (AnswerFlag(answer, "ok")) return answer;
  const String reason = AnswerText(answer, "error", "the spreadsheet application refused");
  // A refusal because the office itself went away ends the server too.
  if (AnswerFlag(answer, "lost") || FOffice->ExitCode()) Lost("The spreadsheet application ended: " + reason);
  throw EOleException(reason, DISP_E_EXCEPTION, kSource);
}

void TSpreadsheetServer::Lost(const String& reason) {
  FRunning = false;
  // Nothing that stopped answering is asked to quit: it is killed.
  FBridge.reset();
  Stop();
  throw EOleException(reason, RPC_E_DISCONNECTED, kSource);
}

void TSpreadsheetServer::Stop() {
  FRunning = false;
  if (FBridge && !FBridge->ExitCode()) {
    const auto deadline = TClock::now() + kQuitWait;
    String answer;
    if (FBridge->WriteLine(R"({"op": "quit"})", deadline)) FBridge->ReadLine(answer, deadline, 4096);
    FBridge->WaitExit(deadline);
    if (FOffice) FOffice->WaitExit(deadline);
  }
  FBridge.reset();
  FOffice.reset();
  RemoveSocketFiles(FSocketFiles);
  if (!FTemporaryFolder.empty()) DeleteTree(FTemporaryFolder);
  if (FProfileLock >= 0) ::close(FProfileLock);
  FProfileLock = -1;
}

}  // namespace plat
