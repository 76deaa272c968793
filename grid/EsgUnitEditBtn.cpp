#include "grid/EsgUnitEditBtn.h"

#include "platform/gdi/DCStateSaver.h"
#include "platform/gdi/DrawText.h"
#include "platform/gdi/Font.h"
#include "platform/gdi/GdiObjects.h"
#include "platform/gdi/TFont.h"
#include "platform/rtl/ScopeExit.h"
#include "platform/win/Menus.h"
#include "platform/win/Messages.h"
#include "platform/win/StandardControlMessages.h"
#include "platform/win/WindowDC.h"

namespace zorbit {

namespace {

struct TMenuDestroyer {
  void operator()(plat::HMENU Menu) const { plat::DestroyMenu(Menu); }
};
using TOwnedMenu = std::unique_ptr<std::remove_pointer_t<plat::HMENU>, TMenuDestroyer>;

bool IsNumberChar(char C) { return (C >= '0' && C <= '9') || C == ',' || C == '-' || C == '.'; }

}  // namespace

TNumberAndUnit SplitNumberAndUnit(const plat::String& Text) {
  std::size_t end = 0;
  while (end < Text.size() && IsNumberChar(Text[end])) ++end;
  return {Text.substr(0, end), Text.substr(end)};
}

TEsgUnitEditBtn::TEsgUnitEditBtn(plat::TComponent* AOwner)
    : TEsgEditBtn(AOwner), FUnits(std::make_unique<plat::TStringList>()) {
  SetRightAlign(true);
}

TEsgUnitEditBtn::~TEsgUnitEditBtn() = default;

void TEsgUnitEditBtn::SetUnits(const plat::TStrings* Value) {
  if (Value) FUnits->Assign(*Value);
}

void TEsgUnitEditBtn::SetUnitID(const plat::String& Value) {
  FUnitID = Value;
  Invalidate();
}

void TEsgUnitEditBtn::SetUnitSpace(int Value) {
  FUnitSpace = Value;
  SetFormattingRect();
  Invalidate();
}

void TEsgUnitEditBtn::ClickButton() {
  const TOwnedMenu menu(plat::CreatePopupMenu());
  for (int i = 0; i < FUnits->Count(); ++i)
    plat::AppendMenuA(menu.get(), plat::MF_STRING, static_cast<plat::UINT_PTR>(i + 1), FUnits->Strings(i).c_str());
  const plat::TPoint at = ClientToScreen({ClientWidth() - 15, ClientHeight()});
  plat::TrackPopupMenu(menu.get(), plat::TPM_LEFTBUTTON, at.X, at.Y, 0, Handle(), nullptr);
}

void TEsgUnitEditBtn::PaintUnit() {
  const plat::HDC dc = plat::GetDC(Handle());
  const plat::ScopeExit released([this, dc] { plat::ReleaseDC(Handle(), dc); });
  const plat::DCStateSaver saved(dc);
  plat::SelectObject(dc, Font()->Handle());
  plat::SetBkMode(dc, plat::TRANSPARENT);
  plat::SetTextColor(dc, plat::ColorToRGB(Font()->Color()));
  const int right = ClientWidth() - ButtonWidth() - 3;
  plat::RECT rect{right - FUnitSpace, 2, right, ClientHeight()};
  plat::DrawText(dc, FUnitID.c_str(), static_cast<int>(FUnitID.size()), &rect, plat::DT_EDITCONTROL);
}

void TEsgUnitEditBtn::WndProc(plat::TMessage& Message) {
  if (Message.Msg == plat::WM_COMMAND && plat::HIWORD(Message.WParam) != plat::EN_CHANGE) {
    const int id = plat::LOWORD(Message.WParam);
    if (id >= 1 && id <= FUnits->Count()) {
      SetUnitID(FUnits->Strings(id - 1));
      return;
    }
  }
  TEsgEditBtn::WndProc(Message);
  if (Message.Msg == plat::WM_PAINT) PaintUnit();
}

}  // namespace zorbit
