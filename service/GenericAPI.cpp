#include "service/GenericAPI.h"

#include "platform/rtl/Exception.h"
#include "platform/rtl/LastError.h"
#include "platform/os/NamedMutex.h"
#include "platform/rtl/CommandLine.h"
#include "platform/rtl/Conversions.h"
#include "platform/rtl/DateTime.h"
#include "platform/rtl/FileUtils.h"
#include "platform/rtl/Format.h"
#include "platform/rtl/FormatSettings.h"
#include "platform/rtl/Streams.h"
#include "platform/rtl/StringList.h"
#include "platform/win/CrossProcessWindows.h"
#include "platform/win/Focus.h"
#include "platform/win/MessageQueue.h"
#include "platform/win/Messages.h"
#include "platform/win/WindowPos.h"
#include "platform/win/WindowStyles.h"
#include "platform/win/WindowText.h"
#include "service/AppHooks.h"
#include "service/GenericShellAPI.h"

namespace zorbit {

namespace {
// The single-instance mutex stays open for the life of the process: while it
// is open, later copies find this one running.
plat::HANDLE& InstanceMutex() {
  static plat::HANDLE handle = nullptr;
  return handle;
}

// Without the mutex, a copy that runs cannot be told from none, and two
// copies would drive the one service and the BIOS at once: this copy ends,
// and says why.
bool RefuseToStart(const plat::String& Name, const plat::String& Reason) {
  constexpr int IconError = 1;
  constexpr int ButtonsOk = 0;
  const plat::String title = HookLookup("Messages", "The program cannot start");
  const plat::String text =
      HookLookup("Messages", "It cannot check whether another copy of it is already running.") + " " + Reason;
  HookMessageBox(Name, title, text, IconError, ButtonsOk);
  return true;
}
}  // namespace

void WriteLog(const plat::String& Msg) {
  try {
    const plat::String path = GetCommonAppDataDir() + "qellog.txt";
    if (!plat::FileExists(path)) return;
    plat::TFileStream file(path, plat::fmOpenReadWrite | plat::fmShareDenyNone);
    file.Seek(0, plat::soFromEnd);
    const plat::String line = plat::Format("%s: %s", {plat::DateTimeToStr(plat::Now()), Msg}) + "\r\n";
    file.WriteBuffer(line.data(), static_cast<std::int64_t>(line.size()));
  } catch (const plat::Exception&) {
    // A log line is lost rather than reported.
  }
}

bool CheckSingleInstance(const plat::String& Name, const plat::String& WindowClass, bool Activate) {
  if (plat::ParamCount() >= 1 && plat::ParamStr(1) == "exit") {
    // Sent, not posted: this copy ends only once the running one has
    // handled the close.
    if (const plat::HWND main = plat::FindWindow(WindowClass.c_str(), nullptr))
      plat::SendMessage(main, plat::WM_CLOSE, 0, 0);
    return true;
  }

  // Created and tested in one step, so two copies started at once cannot
  // both miss each other.
  plat::HANDLE mutex = nullptr;
  try {
    mutex = plat::CreateMutex(Name, false);
  } catch (const plat::EOSError& e) {
    return RefuseToStart(Name, e.Message());
  }
  if (mutex == nullptr) return RefuseToStart(Name, plat::SysErrorMessage(plat::GetLastError()));
  if (plat::GetLastError() != plat::ERROR_ALREADY_EXISTS) {
    InstanceMutex() = mutex;
    return false;
  }
  plat::CloseHandle(mutex);
  if (!Activate) return true;

  // This copy's own application window bears the same title; without it,
  // the search below can only find the running copy's.
  if (const plat::HWND own = plat::FindProcessWindow("TApplication", nullptr)) plat::SetWindowText(own, "");
  const plat::HWND application = plat::FindWindow("TApplication", Name.c_str());
  if (application == nullptr) return true;
  const plat::HWND main = plat::FindWindow(WindowClass.c_str(), nullptr);
  if (!plat::IsWindowVisible(main)) {
    plat::ShowWindow(application, plat::SW_RESTORE);
  } else {
    plat::BringWindowToTop(application);
    plat::SetForegroundWindow(application);
  }
  return true;
}

plat::String HexByteList(const plat::String& Text) {
  static const char digits[] = "0123456789ABCDEF";
  plat::String result;
  result.reserve(Text.size() * 3);
  for (const char c : Text) {
    const auto byte = static_cast<unsigned char>(c);
    if (!result.empty()) result += ',';
    result += digits[byte >> 4];
    result += digits[byte & 0x0F];
  }
  return result;
}

double StrToFloatTolerant(const plat::String& Text) {
  const plat::TFormatSettings& settings = plat::FormatSettings();
  double value = plat::StrToFloatDef(Text, 0, settings);
  if (value != 0) return value;
  const char other = settings.DecimalSeparator == '.' ? ',' : '.';
  plat::String rewritten = Text;
  for (char& c : rewritten)
    if (c == other) c = settings.DecimalSeparator;
  return plat::StrToFloatDef(rewritten, 0, settings);
}

plat::String GetListValue(plat::TStrings* List, const plat::String& Name, bool Delete) {
  if (List == nullptr) return {};
  const int index = List->IndexOfName(Name);
  if (index < 0) return {};
  plat::String value = List->ValueFromIndex(index);
  if (Delete) List->Delete(index);
  return value;
}

std::int64_t GetListInt(plat::TStrings* List, const plat::String& Name, std::int64_t Default) {
  return plat::StrToInt64Def(GetListValue(List, Name), Default);
}

void InitializeGenericAPI() {}

void FinalizeGenericAPI() {
  if (InstanceMutex() != nullptr) plat::CloseHandle(InstanceMutex());
  InstanceMutex() = nullptr;
}

}  // namespace zorbit
