#pragma once
// A stand-in for the skinned window frame, as the theme code finds it: a
// panel whose class is named TskForm, publishing UIStyle and FileTheme, and
// counting how often its FileTheme is assigned. One class for every test, as
// the class library admits one class per name.
#include "platform/ui/TCustomPanel.h"
#include "skin/ThemeElements.h"

namespace zorbit {
class TskFileTheme;
}

namespace skintest {

class TskForm : public plat::TCustomPanel {
 public:
  using plat::TCustomPanel::TCustomPanel;
  zorbit::TskUIStyle UIStyle() const { return FUIStyle; }
  void SetUIStyle(zorbit::TskUIStyle Value) { FUIStyle = Value; }
  zorbit::TskFileTheme* FileTheme() const { return FFileTheme; }
  void SetFileTheme(zorbit::TskFileTheme* Value) {
    FFileTheme = Value;
    ++Assignments;
  }
  int Assignments = 0;

 private:
  zorbit::TskUIStyle FUIStyle = zorbit::TskUIStyle::DeepBlue;
  zorbit::TskFileTheme* FFileTheme = nullptr;
};

// Registers the skin classes and TskForm for layouts and property look-ups.
void RegisterTestFrame();

}  // namespace skintest
