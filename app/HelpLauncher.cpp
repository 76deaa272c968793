#include "app/HelpLauncher.h"

#include "app/DebugLog.h"
#include "app/HtmlHelpControl.h"
#include "platform/rtl/StringUtils.h"
#include "platform/win/Focus.h"
#include "platform/win/HtmlHelp.h"
#include "platform/win/Windows.h"

namespace zorbit {

using plat::String;

namespace {

String Unescaped(const String& Text) {
  return plat::Trim(plat::StringReplace(Text, "%20", " ", plat::rfReplaceAll));
}

}  // namespace

String HelpAddress(const String& HelpFile, const String& Topic, const String& WindowName) {
  const String file = Unescaped(HelpFile);
  String topic = Unescaped(Topic);
  const String window = Unescaped(WindowName);
  String address = file;
  if (!topic.empty()) {
    topic = plat::StringReplace(topic, "\\", "/", plat::rfReplaceAll);
    if (topic[0] != '/') topic = "/" + topic;
    address = file.empty() ? topic : file + "::" + topic;
  }
  if (!window.empty()) address += ">" + window;
  return address;
}

int ShowHelpTopic(const String& HelpFile, const String& Topic, const String& WindowName, int Mode) {
  DebugLog().Log("HHHelpContext(\"%s\", %s, \"%s\", %d)", {HelpFile, Topic, WindowName, Mode});
  const String address = HelpAddress(HelpFile, Topic, WindowName);
  DebugLog().Log("ShowTopic(\"%s\", %d)", {address, Mode});
  int result = HH_NOT_INSTALLED;
  const THtmlHelpControl& control = HtmlHelpControl();
  if (control.Installed()) {
    const plat::HWND window =
        control.HtmlHelpA()(plat::GetDesktopWindow(), address.c_str(), plat::HH_DISPLAY_TOPIC, 0);
    if (window != nullptr) plat::SetForegroundWindow(window);
    result = HH_SHOWN;
  }
  DebugLog().Log("  returned - %d", {result});
  return result;
}

}  // namespace zorbit
