#include "app/HtmlHelpControl.h"

#include <memory>
#include <optional>

#include "platform/os/HelpControl.h"
#include "platform/os/Registry.h"
#include "platform/os/ShellFolders.h"
#include "platform/os/VersionInfo.h"
#include "platform/rtl/Conversions.h"
#include "platform/rtl/FileUtils.h"
#include "platform/rtl/Paths.h"
#include "platform/rtl/StringUtils.h"

namespace zorbit {

using plat::String;

namespace {

constexpr const char* kSystemRoot = "%SystemRoot%";
constexpr size_t kSystemRootLength = 12;

std::unique_ptr<THtmlHelpControl> GControl;

String RegisteredControlPath() {
  plat::TRegistry registry;
  registry.SetRootKey(plat::HKEY_CLASSES_ROOT);
  if (!registry.OpenKeyReadOnly(plat::kHelpControlClassKey)) return String();
  return registry.ReadString("");
}

String FindControl() {
  const String registered =
      ExpandSystemRoot(RegisteredControlPath(), plat::ExcludeTrailingPathDelimiter(plat::GetWindowsDirectory()));
  if (!registered.empty() && plat::FileExists(registered)) return plat::NormalizePath(registered);
  return plat::ExcludeTrailingPathDelimiter(plat::GetSystemDirectory()) + "\\" + plat::kHelpControlFileName;
}

}  // namespace

String ExpandSystemRoot(const String& Registered, const String& WindowsFolder) {
  if (Registered.size() > 11 && plat::SameText(Registered.substr(0, kSystemRootLength), kSystemRoot))
    return WindowsFolder + Registered.substr(kSystemRootLength);
  return Registered;
}

String FileVersionText(const String& FileName) {
  const std::optional<plat::TVersionInfo> info = plat::GetFileVersionInfo(FileName);
  plat::VS_FIXEDFILEINFO fixed;
  if (!info || !plat::VerQueryValue(*info, "\\", fixed)) return String();
  return plat::IntToStr(fixed.dwFileVersionMS >> 16) + "." + plat::IntToStr(fixed.dwFileVersionMS & 0xFFFF) + "." +
         plat::IntToStr(fixed.dwFileVersionLS >> 16) + "." + plat::IntToStr(fixed.dwFileVersionLS & 0xFFFF);
}

THtmlHelpControl::THtmlHelpControl() : FPath(FindControl()) {
  if (plat::FileExists(FPath)) {
    FModule = plat::LoadLibrary(FPath);
    if (FModule != nullptr) {
      FHtmlHelpA = reinterpret_cast<THtmlHelpA>(plat::GetProcAddress(FModule, "HtmlHelpA"));
      FHtmlHelpW = reinterpret_cast<THtmlHelpW>(plat::GetProcAddress(FModule, "HtmlHelpW"));
    }
  }
  FVersionText = FileVersionText(FPath);
}

THtmlHelpControl::~THtmlHelpControl() {
  if (FModule != nullptr) plat::FreeLibrary(FModule);
}

const THtmlHelpControl& HtmlHelpControl() { return *GControl; }

void InitializeHtmlHelp() {
  GControl.reset();
  GControl = std::make_unique<THtmlHelpControl>();
}

void FinalizeHtmlHelp() { GControl.reset(); }

}  // namespace zorbit
