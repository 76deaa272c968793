#pragma once
// TEditLink: the base of custom cell editors (editor type edCustom). A
// descendant makes its edit control (MakeEditor, EditControl), moves values
// in and out of it (ReadEditorValue, WriteEditorValue) and its settings
// (ApplyEditorSettings, ReadEditorSettings); the base places, shows and
// focuses the control, routes its keys through HandleEditKey and ends the
// edit on Tab, Return, Escape, Page Up/Down, Home/End and the arrows unless
// the matching WantKey... flag keeps the key in the editor.
//
// Ending an edit writes the editor's value to the grid's current cell
// (Escape first puts back the text saved when editing began), selects the
// cell again, restores the control's window procedure, hides it (and the
// popup form of an esPopup editor), and hands the key to the grid.
//
// The link holds the grid and the routed control weakly: either may be
// freed before the link, which then leaves it be (nothing is written to a
// freed grid, no window procedure is put back into a freed control).
#include <cstdint>

#include "platform/gdi/Geometry.h"
#include "platform/ui/ControlTypes.h"
#include "platform/ui/TComponent.h"
#include "platform/ui/TComponentRef.h"
#include "platform/ui/TControl.h"

namespace plat {
class TWinControl;
}  // namespace plat

namespace zorbit {

class TExtStringGrid;

enum class TEditStyle { esInplace, esPopup };

class TEditLink : public plat::TComponent {
 public:
  explicit TEditLink(plat::TComponent* AOwner);
  ~TEditLink() override;

  // The grid served; set by the grid's editor handling. nullptr once the
  // grid is freed.
  TExtStringGrid* Grid() const { return FGrid; }
  void SetGrid(TExtStringGrid* Value);
  // True while an ending edit hands the focus to the grid.
  bool ForcedExit() const { return FForcedExit; }
  // The cell's text when editing began, put back by Escape.
  const plat::String& SavedText() const { return FSavedText; }
  void SetSavedText(const plat::String& Value) { FSavedText = Value; }

  bool AutoPopupWidth() const { return FAutoPopupWidth; }
  void SetAutoPopupWidth(bool Value) { FAutoPopupWidth = Value; }
  TEditStyle EditStyle() const { return FEditStyle; }
  void SetEditStyle(TEditStyle Value) { FEditStyle = Value; }
  int PopupLeft() const { return FPopupLeft; }
  void SetPopupLeft(int Value) { FPopupLeft = Value; }
  int PopupTop() const { return FPopupTop; }
  void SetPopupTop(int Value) { FPopupTop = Value; }
  int PopupWidth() const { return FPopupWidth; }
  void SetPopupWidth(int Value) { FPopupWidth = Value; }
  int PopupHeight() const { return FPopupHeight; }
  void SetPopupHeight(int Value) { FPopupHeight = Value; }
  bool WantKeyLeftRight() const { return FWantKeyLeftRight; }
  void SetWantKeyLeftRight(bool Value) { FWantKeyLeftRight = Value; }
  bool WantKeyUpDown() const { return FWantKeyUpDown; }
  void SetWantKeyUpDown(bool Value) { FWantKeyUpDown = Value; }
  bool WantKeyHomeEnd() const { return FWantKeyHomeEnd; }
  void SetWantKeyHomeEnd(bool Value) { FWantKeyHomeEnd = Value; }
  bool WantKeyPriorNext() const { return FWantKeyPriorNext; }
  void SetWantKeyPriorNext(bool Value) { FWantKeyPriorNext = Value; }
  bool WantKeyReturn() const { return FWantKeyReturn; }
  void SetWantKeyReturn(bool Value) { FWantKeyReturn = Value; }
  bool WantKeyEscape() const { return FWantKeyEscape; }
  void SetWantKeyEscape(bool Value) { FWantKeyEscape = Value; }

  // The hooks, in slot order.
  virtual void HandleEditKey(plat::TObject* Sender, std::uint16_t& Key, plat::TShiftState Shift);
  virtual plat::TWinControl* EditControl() { return nullptr; }
  virtual void MakeEditor() {}
  virtual void FreeEditor() {}
  virtual void ActivateEditor(bool Value);
  virtual void PlaceEditor(const plat::TRect& Rect);
  virtual void ShowEditorControl(bool Value);
  virtual void ApplyEditorSettings() {}
  virtual void ReadEditorSettings() {}
  virtual void ReadEditorValue(plat::String& S) { S.clear(); }
  virtual void WriteEditorValue(const plat::String&) {}

  // Writes the value, restores the control's window procedure and hides it.
  void EndEdit();

 private:
  // Whether Key ends the edit under the WantKey... flags.
  bool EndsEdit(std::uint16_t Key) const;
  void RestoreWindowProc();

  plat::TComponentRef<TExtStringGrid> FGrid;
  bool FForcedExit = false;
  plat::String FSavedText;
  bool FAutoPopupWidth = false;
  TEditStyle FEditStyle = TEditStyle::esInplace;
  int FPopupLeft = -1;
  int FPopupTop = -1;
  int FPopupWidth = 0;
  int FPopupHeight = 0;
  bool FWantKeyLeftRight = false;
  bool FWantKeyUpDown = false;
  bool FWantKeyHomeEnd = false;
  bool FWantKeyPriorNext = false;
  bool FWantKeyReturn = false;
  bool FWantKeyEscape = false;
  // The control whose window procedure goes through this link, and the
  // procedure it had.
  plat::TComponentRef<plat::TWinControl> FRouted;
  plat::TWndMethod FSavedWindowProc;
};

}  // namespace zorbit
