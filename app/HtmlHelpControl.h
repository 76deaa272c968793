#pragma once
// The platform's HTML Help control as the program finds it at start: the
// file its registration names (the default value of the control's class key
// in HKEY_CLASSES_ROOT, a leading "%SystemRoot%" in any case standing for
// the Windows folder) when that file exists, else "hhctrl.ocx" in the system
// folder. The file is loaded and its entry points HtmlHelpA and HtmlHelpW
// are looked up by name; its version resource gives the version text.
//
// The control counts as installed only with a version text and an
// HtmlHelpA entry: a file with a version but without the entry point is not
// called at all.
//
// One process-wide instance lives between InitializeHtmlHelp and
// FinalizeHtmlHelp, which releases the library.
#include "platform/os/ModuleExports.h"
#include "platform/rtl/Types.h"
#include "platform/win/HtmlHelp.h"

namespace zorbit {

using THtmlHelpA = plat::HWND (*)(plat::HWND, const char*, plat::UINT, plat::DWORD_PTR);
using THtmlHelpW = plat::HWND (*)(plat::HWND, const char16_t*, plat::UINT, plat::DWORD_PTR);

// Registered with a leading "%SystemRoot%" (any case, and more after it)
// replaced by WindowsFolder; any other text unchanged.
plat::String ExpandSystemRoot(const plat::String& Registered, const plat::String& WindowsFolder);

// The file's version as four numbers joined by "." (major high, major low,
// minor high, minor low); empty when the file has no version resource.
plat::String FileVersionText(const plat::String& FileName);

class THtmlHelpControl {
 public:
  // Finds, loads and looks up the control as above.
  THtmlHelpControl();
  ~THtmlHelpControl();
  THtmlHelpControl(const THtmlHelpControl&) = delete;
  THtmlHelpControl& operator=(const THtmlHelpControl&) = delete;

  // The control's file as found (whether it exists or not).
  const plat::String& Path() const { return FPath; }
  const plat::String& VersionText() const { return FVersionText; }
  THtmlHelpA HtmlHelpA() const { return FHtmlHelpA; }
  THtmlHelpW HtmlHelpW() const { return FHtmlHelpW; }
  bool Installed() const { return !FVersionText.empty() && FHtmlHelpA != nullptr; }

 private:
  plat::String FPath;
  plat::String FVersionText;
  plat::HMODULE FModule = nullptr;
  THtmlHelpA FHtmlHelpA = nullptr;
  THtmlHelpW FHtmlHelpW = nullptr;
};

// The instance; InitializeHtmlHelp must have run.
const THtmlHelpControl& HtmlHelpControl();
// Makes the instance anew (a test installs the control and starts again).
void InitializeHtmlHelp();
void FinalizeHtmlHelp();

}  // namespace zorbit
