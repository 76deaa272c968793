#pragma once
// The spreadsheet application behind the automation objects: LibreOffice
// Calc started headless (never a window), and our bridge
// (SpreadsheetBridge.py, run by Debian's Python with its UNO module) that
// drives it over a UNO pipe and answers one JSON line per request on a
// socket of ours. Our process talks only to the bridge: no workbook file
// is ever read here.
//
// One server serves every import of the process. Acquire starts it on
// first use, and again when the one before stopped or its profile folder
// went away (a platform root that was removed). The office's user profile
// is kept below the platform root's local application data
// (zorbit/spreadsheet), locked while in use; a second process finding it
// locked uses a profile of its own in the server's temporary folder. That
// folder (a private one in the temporary path, the TMPDIR of both
// programs) is removed when the server stops.
//
// Every step has a bounded wait: the start-up, each answer, the quit. A
// server that does not answer in time, or ends, is killed with all it
// started; the socket files the office had bound and the temporary folder
// are removed, and the request fails with EOleException. The server is
// stopped (asked to quit, killed when it does not) by StopShared and at the
// process's end; a server of a process that crashed ends with it (the
// kernel kills both children). One thread at a time.
#include <chrono>
#include <memory>
#include <nlohmann/json.hpp>
#include <vector>

#include "platform/os/detail/OwnedProcess.h"
#include "platform/rtl/Types.h"

namespace plat {

// A field of the bridge's answer, of the kind asked for; the fallback when
// it is missing or of another kind (answers are checked like any input).
bool AnswerFlag(const nlohmann::json& answer, const char* name);
String AnswerText(const nlohmann::json& answer, const char* name, const String& fallback = String());
// An integer from 0 to below limit; -1 otherwise.
int AnswerIndex(const nlohmann::json& answer, const char* name, int limit);

class TSpreadsheetServer {
 public:
  // The running server, started first when needed; EOleSysError naming
  // what is missing, or why the start failed.
  static TSpreadsheetServer& Acquire();
  // The running server, or null; starts nothing.
  static TSpreadsheetServer* Current();
  // Stops the running server, if any.
  static void StopShared();
  // How long one answer may take (tests shorten it to try a server that
  // stopped answering); the default is generous for a large workbook on a
  // busy machine.
  static std::chrono::milliseconds AnswerTimeout();
  static void SetAnswerTimeout(std::chrono::milliseconds timeout);

  ~TSpreadsheetServer();
  TSpreadsheetServer(const TSpreadsheetServer&) = delete;
  TSpreadsheetServer& operator=(const TSpreadsheetServer&) = delete;

  // Sends the request and answers the bridge's answer when it says "ok";
  // EOleException with the bridge's reason when it refused, or, after the
  // server was stopped, when it did not answer in time or ended.
  nlohmann::json Ask(const nlohmann::json& request);
  bool Running() const { return FRunning; }
  // Tells this server from the ones before and after it in the process.
  int Number() const { return FNumber; }

  int OfficePid() const { return FOffice ? FOffice->Pid() : -1; }
  int BridgePid() const { return FBridge ? FBridge->Pid() : -1; }
  const String& TemporaryFolder() const { return FTemporaryFolder; }
  const String& ProfileFolder() const { return FProfileFolder; }
  const std::vector<String>& SocketFiles() const { return FSocketFiles; }

 private:
  TSpreadsheetServer();
  void Start();
  void StartOffice();
  void WaitUntilReady();
  // Asks the bridge to quit within a bound, then kills whatever is left
  // and removes the files.
  void Stop();
  [[noreturn]] void Lost(const String& reason);

  bool FRunning = false;
  int FNumber = 0;
  String FProgramFolder;
  String FTemporaryFolder;
  String FProfileFolder;
  int FProfileLock = -1;
  String FPipeName;
  std::vector<String> FEnvironment;
  std::unique_ptr<TOwnedProcess> FOffice;
  std::unique_ptr<TOwnedProcess> FBridge;
  std::vector<String> FSocketFiles;
};

}  // namespace plat
