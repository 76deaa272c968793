#include "platform/win/HtmlHelp.h"

#include "platform/os/CompiledHelp.h"
#include "platform/os/HelpControl.h"
#include "platform/os/Launcher.h"
#include "platform/os/ModuleExports.h"
#include "platform/rtl/FileUtils.h"
#include "platform/rtl/FolderHandle.h"
#include "platform/rtl/LastError.h"
#include "platform/rtl/Paths.h"
#include "platform/rtl/Unicode.h"

namespace plat {
namespace {

// The process's folder of extracted topics, made on first use and removed
// with everything in it at exit.
class TTopicFolders {
 public:
  ~TTopicFolders() {
    if (!FRoot.empty()) DeleteTree(FRoot);
  }

  // A fresh folder for one topic; "" when none can be made.
  String NewFolder() {
    if (FRoot.empty()) FRoot = CreatePrivateFolder(GetTempDir(), "zorbit-help-");
    return FRoot.empty() ? String() : CreatePrivateFolder(FRoot, "topic-");
  }

 private:
  String FRoot;
};

TTopicFolders& TopicFolders() {
  static TTopicFolders folders;
  return folders;
}

HWND DisplayTopic(String address, const String& dataTopic) {
  address = address.substr(0, address.find('>'));
  const std::size_t separator = address.find("::");
  const String helpFile = address.substr(0, separator);
  const String topic = separator == String::npos ? dataTopic : address.substr(separator + 2);
  const String folder = helpFile.empty() ? String() : TopicFolders().NewFolder();
  if (folder.empty()) {
    SetLastError(ERROR_FILE_NOT_FOUND);
    return nullptr;
  }
  String page;
  try {
    page = ExtractCompiledHelp(NormalizePath(helpFile), topic, folder);
  } catch (const ECompiledHelpError&) {
    DeleteTree(folder);
    SetLastError(ERROR_FILE_NOT_FOUND);
    return nullptr;
  }
  SetLastError(ProgramLauncher().OpenDocument(page));
  return nullptr;
}

HWND HtmlHelp(const char* file, UINT command, const String& dataTopic) {
  switch (command) {
    case HH_DISPLAY_TOPIC: return DisplayTopic(file ? String(file) : String(), dataTopic);
    case HH_CLOSE_ALL: SetLastError(ERROR_SUCCESS); return nullptr;
    default: SetLastError(ERROR_INVALID_PARAMETER); return nullptr;
  }
}

String WideText(const char16_t* text) { return text ? WideToUtf8(WideString(text)) : String(); }

}  // namespace

HWND HtmlHelpA(HWND, const char* file, UINT command, DWORD_PTR data) {
  const char* topic = command == HH_DISPLAY_TOPIC ? reinterpret_cast<const char*>(data) : nullptr;
  return HtmlHelp(file, command, topic ? String(topic) : String());
}

HWND HtmlHelpW(HWND, const char16_t* file, UINT command, DWORD_PTR data) {
  const String address = WideText(file);
  const char16_t* topic = command == HH_DISPLAY_TOPIC ? reinterpret_cast<const char16_t*>(data) : nullptr;
  return HtmlHelp(file ? address.c_str() : nullptr, command, WideText(topic));
}

void RegisterHelpControl() {
  RegisterProcAddress(kHelpControlFileName, "HtmlHelpA", reinterpret_cast<FARPROC>(&HtmlHelpA));
  RegisterProcAddress(kHelpControlFileName, "HtmlHelpW", reinterpret_cast<FARPROC>(&HtmlHelpW));
}

}  // namespace plat
