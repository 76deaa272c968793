#pragma once
// Files and folders. Every routine takes paths in either delimiter (see Paths.h);
// those that fail set the last error (LastError.h).
#include <memory>

#include "platform/rtl/Types.h"

namespace plat {

// File attributes, with the classic values.
constexpr int faReadOnly = 0x01;
constexpr int faHidden = 0x02;  // names starting with "."
constexpr int faSysFile = 0x04;
constexpr int faVolumeID = 0x08;
constexpr int faDirectory = 0x10;
constexpr int faArchive = 0x20;
constexpr int faAnyFile = 0x3F;

bool FileExists(const String& fileName);  // a file, not a folder
bool DirectoryExists(const String& dir);
// Creates dir and every missing parent; true when it exists afterwards.
bool ForceDirectories(const String& dir);
bool CreateDir(const String& dir);
bool RemoveDir(const String& dir);
bool DeleteFile(const String& fileName);
bool RenameFile(const String& oldName, const String& newName);
// Bytes of the file, -1 when it does not exist.
Int64 FileSize(const String& fileName);
// Modification time as local TDateTime; false when the file does not exist.
bool FileAge(const String& fileName, TDateTime& fileDateTime);
// Sets the modification time; 0 on success, else the Win32 error number.
int FileSetDate(const String& fileName, TDateTime fileDateTime);
// The same for the file open as handle (FileHandles.h).
int FileSetDate(int handle, TDateTime fileDateTime);
// The folder for temporary files, with a trailing delimiter.
String GetTempDir();
String GetCurrentDir();
bool SetCurrentDir(const String& dir);

// The existing path whose components match path without regard to case
// (an exact match wins); "" when there is none.
String FindFileNoCase(const String& path);
// Matches a file name against a mask of "*" and "?" without regard to case;
// "*.*" matches every name.
bool MatchesMask(const String& name, const String& mask);

// What a search has left to report.
struct TFindState;

struct TSearchRec {
  TDateTime Time = 0;  // local modification time
  Int64 Size = 0;
  int Attr = 0;
  String Name;
  int ExcludeAttr = 0;
  std::shared_ptr<TFindState> FindHandle;
};

// path is a folder and a mask ("Resources/*.lpk"). Finds files, and folders
// too when attr holds faDirectory, hidden ones when it holds faHidden. Returns
// 0 when an entry was found, else a Win32 error number: ERROR_FILE_NOT_FOUND
// when none matched, ERROR_PATH_NOT_FOUND when the folder is missing, and
// ERROR_NO_MORE_FILES from FindNext after the last entry.
int FindFirst(const String& path, int attr, TSearchRec& f);
int FindNext(TSearchRec& f);
void FindClose(TSearchRec& f);

}  // namespace plat
