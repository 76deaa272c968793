#pragma once
// TEsgEditWithButton: an edit with a button inside at the right
// (TEsgEditButton, 18 wide, the edit its FocusControl), over any edit class
// (the plain edit of TEsgEditBtn, the Unicode edit of TEsgUniEditBtn).
// Pressing the button or F4 calls ClickButton, which fires OnClickBtn.
//
// With EditorEnabled off nothing can be typed, cut or pasted, but the button
// still works; a read-only edit refuses cut and paste too, and a paste that
// would take the text beyond MaxLength is refused whole. The text ends
// before the button (and before the unit area of a descendant); RightAlign
// aligns it right. The height never falls below what the font needs.
#include "grid/EsgEditButton.h"
#include "platform/ui/TCustomEdit.h"

namespace zorbit {

template <class TEditBase>
class TEsgEditWithButton : public TEditBase {
 public:
  explicit TEsgEditWithButton(plat::TComponent* AOwner);
  ~TEsgEditWithButton() override;

  virtual void ClickButton();

  // The embedded button; null once the edit is being destroyed.
  TEsgEditButton* Button() const { return FButton; }

  int ButtonWidth() const { return FButton->Width(); }
  void SetButtonWidth(int Value);
  plat::TBitmap* Glyph() const { return FButton->Glyph(); }
  void SetGlyph(const plat::TBitmap* Value) { FButton->SetGlyph(Value); }
  plat::String ButtonCaption() { return FButton->ButtonCaption(); }
  void SetButtonCaption(const plat::String& Value) { FButton->SetButtonCaption(Value); }
  bool IsWinXP() const { return FButton->Button()->IsWinXP(); }
  void SetIsWinXP(bool Value) { FButton->Button()->SetIsWinXP(Value); }
  bool EditorEnabled() const { return FEditorEnabled; }
  void SetEditorEnabled(bool Value) { FEditorEnabled = Value; }
  bool RightAlign() const { return FRightAlign; }
  // Recreates the window when it changes.
  void SetRightAlign(bool Value);

  plat::TNotifyEvent OnClickBtn;

 protected:
  // The width a descendant keeps free between the text and the button.
  virtual int UnitAreaWidth() const { return 0; }
  void SetFormattingRect();

  void CreateParams(plat::TCreateParams& Params) override;
  void CreateHandleNotify() override;
  void KeyDown(std::uint16_t& Key, plat::TShiftState Shift) override;
  void WndProc(plat::TMessage& Message) override;

 private:
  int MinHeight();

  TEsgEditButton* FButton = nullptr;
  bool FEditorEnabled = true;
  bool FRightAlign = false;
};

extern template class TEsgEditWithButton<plat::TCustomEdit>;

}  // namespace zorbit
