#include "platform/os/Launcher.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cctype>

#include "platform/os/CommandLineToArgv.h"
#include "platform/rtl/LastError.h"
#include "platform/os/ProcessSpawn.h"
#include "platform/rtl/Paths.h"
#include "platform/rtl/StringUtils.h"

namespace plat {

namespace {

IProgramLauncher*& CurrentLauncher() {
  static IProgramLauncher* launcher = nullptr;
  return launcher;
}

IProgramLauncher*& DefaultLauncher() {
  static IProgramLauncher* launcher = nullptr;
  return launcher;
}

// "scheme:" of at least two characters, so that "C:" is no URL.
bool IsUrl(const String& text) {
  const auto colon = text.find(':');
  if (colon == String::npos || colon < 2 || !std::isalpha(static_cast<unsigned char>(text[0]))) return false;
  for (std::size_t i = 1; i < colon; ++i) {
    const auto c = static_cast<unsigned char>(text[i]);
    if (!std::isalnum(c) && c != '+' && c != '-' && c != '.') return false;
  }
  return true;
}

enum class TFileKind { Missing, MissingFolder, Program, Document };

// What a path names; a bare name may also be a program on PATH, then path
// becomes its full path.
TFileKind Classify(String& path) {
  struct stat info {};
  if (::stat(path.c_str(), &info) == 0) {
    const bool program = S_ISREG(info.st_mode) && ::access(path.c_str(), X_OK) == 0;
    return program ? TFileKind::Program : TFileKind::Document;
  }
  if (path.find('/') == String::npos) {
    const String found = FindProgram(path);
    if (!found.empty()) {
      path = found;
      return TFileKind::Program;
    }
    return TFileKind::Missing;
  }
  const String folder = ExtractFileDir(path);
  return folder.empty() || ::stat(folder.c_str(), &info) == 0 ? TFileKind::Missing : TFileKind::MissingFolder;
}

// A path as the launcher takes it: "/" delimiters, relative ones against
// the directory when one is given (a bare name only when it is there, so
// that it can still be a program on PATH).
String LocalPath(const String& file, const String& directory) {
  String path = NormalizePath(file);
  if (path.empty() || path.front() == '/' || directory.empty()) return path;
  const String joined = IncludeTrailingPathDelimiter(NormalizePath(directory)) + path;
  struct stat info {};
  return path.find('/') != String::npos || ::stat(joined.c_str(), &info) == 0 ? joined : path;
}

std::intptr_t ShellResult(DWORD error) {
  if (error == 0) return 42;
  SetLastError(error);
  return error < 32 ? static_cast<std::intptr_t>(error) : SE_ERR_NOASSOC;
}

}  // namespace

DWORD TProgramLauncher::StartProgram(const std::vector<String>& argv, const String& directory) {
  TSpawnRequest request;
  request.Argv = argv;
  // A program started by a service is not that service.
  request.Environment = EnvironmentWithout("ZORBIT_SERVICE_NAME");
  request.Directory = directory.empty() ? String() : NormalizePath(directory);
  return SpawnDetached(request) != 0 ? 0 : GetLastError();
}

DWORD TProgramLauncher::OpenDocument(const String& target) {
  const String opener = FindProgram("xdg-open");
  if (opener.empty()) return ERROR_FILE_NOT_FOUND;
  return StartProgram({opener, target}, String());
}

DWORD TRecordingLauncher::StartProgram(const std::vector<String>& argv, const String& directory) {
  FCalls.push_back(TCall{TKind::Program, argv, directory, String()});
  return FResult;
}

DWORD TRecordingLauncher::OpenDocument(const String& target) {
  FCalls.push_back(TCall{TKind::Document, {}, String(), target});
  return FResult;
}

IProgramLauncher& ProgramLauncher() {
  static TProgramLauncher real;
  if (IProgramLauncher* current = CurrentLauncher()) return *current;
  if (IProgramLauncher* fallback = DefaultLauncher()) return *fallback;
  return real;
}

void SetProgramLauncher(IProgramLauncher* launcher) { CurrentLauncher() = launcher; }

void SetDefaultProgramLauncher(IProgramLauncher* launcher) { DefaultLauncher() = launcher; }

IProgramLauncher* DefaultProgramLauncher() { return DefaultLauncher(); }

std::intptr_t ShellExecute(const String& verb, const String& file, const String& parameters, const String& directory,
                           int /*showCmd*/) {
  if (!verb.empty() && !SameText(verb, "open")) return ShellResult(SE_ERR_NOASSOC);
  if (file.empty()) return ShellResult(ERROR_FILE_NOT_FOUND);
  if (IsUrl(file)) return ShellResult(ProgramLauncher().OpenDocument(file));
  String path = LocalPath(file, directory);
  switch (Classify(path)) {
    case TFileKind::Missing: return ShellResult(ERROR_FILE_NOT_FOUND);
    case TFileKind::MissingFolder: return ShellResult(ERROR_PATH_NOT_FOUND);
    case TFileKind::Document: return ShellResult(ProgramLauncher().OpenDocument(path));
    case TFileKind::Program: break;
  }
  std::vector<String> argv{path};
  for (String& argument : CommandLineToArgv(parameters)) argv.push_back(std::move(argument));
  return ShellResult(ProgramLauncher().StartProgram(argv, directory));
}

DWORD RunProgram(const String& commandLine, int /*showCmd*/) {
  std::vector<String> argv = CommandLineToArgv(commandLine);
  if (argv.empty()) {
    SetLastError(ERROR_FILE_NOT_FOUND);
    return ERROR_FILE_NOT_FOUND;
  }
  argv.front() = NormalizePath(argv.front());
  DWORD error = 0;
  switch (Classify(argv.front())) {
    case TFileKind::Missing: error = ERROR_FILE_NOT_FOUND; break;
    case TFileKind::MissingFolder: error = ERROR_PATH_NOT_FOUND; break;
    case TFileKind::Document: error = ERROR_BAD_FORMAT; break;
    case TFileKind::Program: error = ProgramLauncher().StartProgram(argv, String()); break;
  }
  if (error == 0) return 33;
  SetLastError(error);
  return error < 32 ? error : 0;
}

}  // namespace plat
