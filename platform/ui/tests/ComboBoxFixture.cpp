#include "platform/ui/tests/ComboBoxFixture.h"

#include <map>

#include "platform/gdi/Bitmap.h"
#include "platform/win/Display.h"
#include "platform/win/InputInjection.h"
#include "platform/win/Mouse.h"
#include "platform/win/SystemMetrics.h"
#include "platform/win/WindowPos.h"

namespace plat::testing {

namespace {

std::string NotificationName(UINT Code) {
  static const std::map<UINT, const char*> names = {
      {CBN_SELCHANGE, "CBN_SELCHANGE"},       {CBN_DBLCLK, "CBN_DBLCLK"},         {CBN_SETFOCUS, "CBN_SETFOCUS"},
      {CBN_KILLFOCUS, "CBN_KILLFOCUS"},       {CBN_EDITCHANGE, "CBN_EDITCHANGE"}, {CBN_EDITUPDATE, "CBN_EDITUPDATE"},
      {CBN_DROPDOWN, "CBN_DROPDOWN"},         {CBN_CLOSEUP, "CBN_CLOSEUP"},       {CBN_SELENDOK, "CBN_SELENDOK"},
      {CBN_SELENDCANCEL, "CBN_SELENDCANCEL"},
  };
  const auto found = names.find(Code);
  return found == names.end() ? "code " + std::to_string(Code) : found->second;
}

}  // namespace

void ComboBoxTest::SetUp() {
  StdControlsTest::SetUp();
  FFormProc = Form()->WindowProc;
  Form()->WindowProc = [this](TMessage& Message) {
    if (Message.Msg == WM_COMMAND && Message.LParam != 0) {
      const TWinControl* from = FindControl(reinterpret_cast<HWND>(Message.LParam));
      if (dynamic_cast<const TCustomComboBox*>(from)) FLog.push_back(NotificationName(HIWORD(Message.WParam)));
    }
    FFormProc(Message);
  };
}

void ComboBoxTest::TearDown() {
  Form()->WindowProc = FFormProc;
  StdControlsTest::TearDown();
}

TComboBox* ComboBoxTest::MakeCombo(TComboBoxStyle Style, const std::vector<std::string>& Items) {
  auto* combo = Make<TComboBox>(Bounds(10, 10, 150, 21));
  combo->SetStyle(Style);
  for (const std::string& item : Items) combo->Items()->Add(item);
  combo->OnChange = [this](TObject*) { Note("OnChange"); };
  combo->OnClick = [this](TObject*) { Note("OnClick"); };
  combo->OnDropDown = [this](TObject*) { Note("OnDropDown"); };
  combo->OnCloseUp = [this](TObject*) { Note("OnCloseUp"); };
  combo->SetFocus();
  Pump();
  FLog.clear();
  return combo;
}

std::vector<std::string> ComboBoxTest::Heard() {
  std::vector<std::string> heard;
  heard.swap(FLog);
  return heard;
}

HWND ComboBoxTest::DropDownWindow() { return GetCapture(); }

COLORREF ComboBoxTest::ListPixelAt(TPoint Client) {
  const HWND list = DropDownWindow();
  const Bitmap* surface = list ? WindowSurface(list) : nullptr;
  if (!surface) return CLR_INVALID;
  // The surface holds the whole window: the client area lies inside the border.
  const TPoint p = Client + TPoint{GetSystemMetrics(SM_CXBORDER), GetSystemMetrics(SM_CYBORDER)};
  if (!surface->Bounds().Contains(p)) return CLR_INVALID;
  return ColorRefFromPixel(surface->At(p.X, p.Y)) & 0xFFFFFF;
}

TPoint ComboBoxTest::ListItemOnScreen(TComboBox* Combo, int Index) {
  const int height = Combo->ItemHeight();
  return ClientPointOnScreen(DropDownWindow(), {20, Index * height + height / 2});
}

TPoint ComboBoxTest::ButtonOnScreen(TComboBox* Combo) {
  return OnScreen(Combo, {Combo->ClientWidth() - 6, Combo->ClientHeight() / 2});
}

}  // namespace plat::testing
