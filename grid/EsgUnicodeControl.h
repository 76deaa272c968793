#pragma once
// TEsgUnicodeControl: what makes a class-library control one of the grid's
// Unicode editors: its window is a Unicode window (made through the wide
// interface, TWinControl::CreateUnicodeHandle), its Text is a WideString
// read and written through that window (GetWideText, SetWideText), and its
// font's character set is 255 (OEM) at creation. The character set is only
// stored: drawing is the same for every set.
//
// Window texts are UTF-8 here, which holds every character, so a text
// outside Latin-1 or the Basic Multilingual Plane survives a new window as
// it stands; nothing keeps a copy of the caption beside the window.
//
// An edit among them refuses a paste that would take its text beyond its
// MaxLength, whole.
#include <type_traits>

#include "grid/PasteLimit.h"
#include "platform/gdi/TFont.h"
#include "platform/rtl/Types.h"
#include "platform/ui/TCustomEdit.h"
#include "platform/ui/WideText.h"
#include "platform/win/Messages.h"

namespace zorbit {

// The OEM character set, which the Unicode editors' fonts name.
constexpr plat::TFontCharset kOemCharset = 255;

template <class TControlBase>
class TEsgUnicodeControl : public TControlBase {
 public:
  explicit TEsgUnicodeControl(plat::TComponent* AOwner) : TControlBase(AOwner) {
    this->Font()->SetCharset(kOemCharset);
  }

  plat::WideString Text() { return plat::GetWideText(*this); }
  void SetText(const plat::WideString& Value) { plat::SetWideText(*this, Value); }

 protected:
  void CreateWindowHandle(const plat::TCreateParams& Params) override {
    if constexpr (std::is_base_of_v<plat::TCustomEdit, TControlBase>) this->TakeWindowStyle(Params);
    this->CreateUnicodeHandle(Params);
  }
  void WndProc(plat::TMessage& Message) override {
    if constexpr (std::is_base_of_v<plat::TCustomEdit, TControlBase>) {
      if (Message.Msg == plat::WM_PASTE && !ClipboardPasteFits(this->EditBuffer())) return;
    }
    TControlBase::WndProc(Message);
  }
};

}  // namespace zorbit
