#pragma once
// Starting programs and opening documents and URLs. ShellExecute and
// RunProgram decide what to start; the starting itself goes through one
// replaceable launcher, so tests and the headless display record what would
// have been started (TRecordingLauncher) instead of starting it.
#include <cstdint>
#include <vector>

#include "platform/rtl/LastError.h"
#include "platform/rtl/Types.h"

namespace plat {

inline constexpr int SE_ERR_FNF = 2;
inline constexpr int SE_ERR_PNF = 3;
inline constexpr int SE_ERR_ACCESSDENIED = 5;
inline constexpr int SE_ERR_OOM = 8;
inline constexpr int SE_ERR_NOASSOC = 31;

class IProgramLauncher {
 public:
  virtual ~IProgramLauncher() = default;
  // Starts a program detached from the caller: argv[0] is its full path.
  // Answers 0, or a Win32 error number.
  virtual DWORD StartProgram(const std::vector<String>& argv, const String& directory) = 0;
  // Opens a document, folder or URL with the desktop's handler.
  virtual DWORD OpenDocument(const String& target) = 0;
};

// The real launcher: programs through a detached spawn, documents and URLs
// through xdg-open.
class TProgramLauncher : public IProgramLauncher {
 public:
  DWORD StartProgram(const std::vector<String>& argv, const String& directory) override;
  DWORD OpenDocument(const String& target) override;
};

// Records every request and answers Result() without starting anything.
class TRecordingLauncher : public IProgramLauncher {
 public:
  enum class TKind { Program, Document };
  struct TCall {
    TKind Kind;
    std::vector<String> Argv;  // Program: the program and its arguments
    String Directory;          // Program: its working folder
    String Target;             // Document: what was opened
  };

  DWORD StartProgram(const std::vector<String>& argv, const String& directory) override;
  DWORD OpenDocument(const String& target) override;

  const std::vector<TCall>& Calls() const { return FCalls; }
  void Clear() { FCalls.clear(); }
  DWORD Result() const { return FResult; }
  void SetResult(DWORD errorCode) { FResult = errorCode; }

 private:
  std::vector<TCall> FCalls;
  DWORD FResult = 0;
};

// The launcher in use: the one a test set, else the default one, else the
// real one.
IProgramLauncher& ProgramLauncher();
// Uses launcher from now on (the caller keeps it alive); null goes back to
// the default.
void SetProgramLauncher(IProgramLauncher* launcher);
// The launcher used while no other is set: a display without a screen sets
// its recorder here, so that a program run headless records what it would
// start (the caller keeps it alive; null: the real one).
void SetDefaultProgramLauncher(IProgramLauncher* launcher);
IProgramLauncher* DefaultProgramLauncher();

// verb "" or "open": a URL ("scheme:...") or a document or folder is opened,
// an executable file is run with the parameters (split like a command line)
// in directory. A file name without a delimiter is also looked for on PATH;
// "\" counts as a delimiter. Answers a value above 32 on success, else
// SE_ERR_FNF, SE_ERR_PNF, SE_ERR_ACCESSDENIED, SE_ERR_NOASSOC (other verbs) ...
// showCmd (the window layer's SW_ value) is left to the started program.
std::intptr_t ShellExecute(const String& verb, const String& file, const String& parameters, const String& directory,
                           int showCmd);

// Runs a command line (the program first, quoted when it holds blanks).
// Answers a value above 31 on success, else ERROR_FILE_NOT_FOUND,
// ERROR_PATH_NOT_FOUND, ERROR_BAD_FORMAT ...
DWORD RunProgram(const String& commandLine, int showCmd);

}  // namespace plat
