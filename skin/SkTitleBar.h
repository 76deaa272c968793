#pragma once
// TskTitleBar: the drawn caption strip at the top of a skinned frame
// (TskForm, SkForm.h): a left, a stretched middle and a right picture
// (Sections), picture buttons at the right (close, maximize/restore,
// minimize, help, custom) and a control box or the application icon at the
// left (Buttons), the caption between them, dragging of the window and the
// control menu (TskTitleBarPopupMenu).
//
// Promises:
// - A style fills Sections with the style's three title pictures (unless
//   Custom) and gives every button its three frames of the style's 18-frame
//   button strip; a maximize button shows the restore frames while its form
//   is maximized.
// - A button acts once, when the left button is released over the button
//   it was pressed on; pressing elsewhere on the bar drags the form (not
//   while it is maximized); a double click over no button maximizes or
//   restores, over the control box it closes the form.
// - The caption never runs under the buttons: a caption too wide is cut by
//   whole characters and ends in "..." (an empty rest shows "...").
// - On a frame the pictures are drawn 3 pixels higher and wider by the
//   frame's side edge, so that they continue into the form's own edge.
//
// The caption is the bar's own text (Caption, SetCaption).
//
// Refuses (message dialog, nothing changed): a second skControlBox button,
// a second skClient section.
#include <functional>
#include <memory>

#include "platform/gdi/TPicture.h"
#include "platform/ui/TCollection.h"
#include "platform/ui/TCustomPanel.h"
#include "skin/SkPopupMenu.h"
#include "skin/ThemeElements.h"

namespace plat {
class TBitmap;
class TCustomForm;
class TPopupMenu;
}  // namespace plat

namespace zorbit {

class TskFileTheme;
class TskTitleBar;

enum class TskTitleBarBtnType { skMax, skMin, skClose, skHelp, skControlBox, skCustom };
enum class TskTitleBarAlign { skLeft, skRight, skClient };

// Sender is the bar, Index the button's index in Buttons.
using TskTitleBarButtonClickEvent = std::function<void(plat::TObject* Sender, int Index)>;

class TskTitleBarButton : public plat::TCollectionItem {
 public:
  explicit TskTitleBarButton(plat::TCollection* Collection);
  ~TskTitleBarButton() override;

  TskUIStyle UIStyle() const { return FUIStyle; }
  void SetUIStyle(TskUIStyle Value);
  TskTitleBarBtnType ButtonType() const { return FButtonType; }
  void SetButtonType(TskTitleBarBtnType Value);
  bool Transparent() const { return FTransparent; }
  void SetTransparent(bool Value);
  int Top() const { return FTop; }
  void SetTop(int Value);
  plat::TPopupMenu* ControlBoxMenu() const { return FControlBoxMenu; }
  void SetControlBoxMenu(plat::TPopupMenu* Value);
  bool Visible() const { return FVisible; }
  void SetVisible(bool Value);
  plat::TPicture* PicNormal() { return &FPicNormal; }
  plat::TPicture* PicMouseOn() { return &FPicMouseOn; }
  plat::TPicture* PicMouseDown() { return &FPicMouseDown; }

  void Assign(const plat::TPersistent* Source) override;

 private:
  friend class TskTitleBar;
  TskTitleBar* Bar() const;
  // The three frames of the style's strip for this kind (skCustom keeps its
  // own pictures).
  void LoadPictures();

  TskUIStyle FUIStyle = TskUIStyle::DeepBlue;
  TskTitleBarBtnType FButtonType = TskTitleBarBtnType::skCustom;
  bool FTransparent = false;
  int FTop = 2;
  plat::TPopupMenu* FControlBoxMenu = nullptr;
  bool FVisible = true;
  plat::TPicture FPicNormal;
  plat::TPicture FPicMouseOn;
  plat::TPicture FPicMouseDown;
};

class TskTitleBarButtons : public plat::TOwnedCollection {
 public:
  explicit TskTitleBarButtons(TskTitleBar* Bar);
  TskTitleBarButton* Items(int Index) const { return static_cast<TskTitleBarButton*>(TCollection::Items(Index)); }
  TskTitleBarButton* Add() { return static_cast<TskTitleBarButton*>(TCollection::Add()); }

 protected:
  void Update(plat::TCollectionItem* Item) override;
};

class TskTitleBarSection : public plat::TCollectionItem {
 public:
  explicit TskTitleBarSection(plat::TCollection* Collection);

  bool AutoSize() const { return FAutoSize; }
  void SetAutoSize(bool Value);
  int Width() const { return FWidth; }
  void SetWidth(int Value);
  TskTitleBarAlign Align() const { return FAlign; }
  void SetAlign(TskTitleBarAlign Value);
  plat::TPicture* Picture() { return &FPicture; }
  void SetPicture(const plat::TPicture* Value);
  // Always True for a skClient section.
  bool Stretch() const { return FStretch || FAlign == TskTitleBarAlign::skClient; }
  void SetStretch(bool Value);

  void Assign(const plat::TPersistent* Source) override;

 private:
  void PictureChanged();

  bool FAutoSize = false;
  int FWidth = 10;
  TskTitleBarAlign FAlign = TskTitleBarAlign::skLeft;
  plat::TPicture FPicture;
  bool FStretch = false;
};

class TskTitleBarSections : public plat::TOwnedCollection {
 public:
  explicit TskTitleBarSections(TskTitleBar* Bar);
  TskTitleBarSection* Items(int Index) const { return static_cast<TskTitleBarSection*>(TCollection::Items(Index)); }
  TskTitleBarSection* Add() { return static_cast<TskTitleBarSection*>(TCollection::Add()); }

 protected:
  void Update(plat::TCollectionItem* Item) override;
};

// The control menu: "Mi&nimize", "Ma&ximize/Restore", a line, "&Close",
// each enabled only while the bar shows a visible button of that kind.
class TskTitleBarPopupMenu : public TskPopupMenu {
 public:
  TskTitleBarPopupMenu(plat::TComponent* AOwner, TskTitleBar* Bar);
  void Popup(int X, int Y) override;

 private:
  TskTitleBar* FBar;
  plat::TMenuItem* FMinimize;
  plat::TMenuItem* FMaximize;
  plat::TMenuItem* FClose;
};

class TskTitleBar : public plat::TCustomPanel {
 public:
  explicit TskTitleBar(plat::TComponent* AOwner);
  ~TskTitleBar() override;

  TskUIStyle UIStyle() const { return FUIStyle; }
  void SetUIStyle(TskUIStyle Value);
  TskFileTheme* FileTheme() const { return FFileTheme; }
  void SetFileTheme(TskFileTheme* Value);
  bool Custom() const { return FCustom; }
  void SetCustom(bool Value) { FCustom = Value; }
  bool AutoSize() const { return FAutoSize; }
  void SetAutoSize(bool Value) override;
  TskTitleBarSections* Sections() const { return FSections.get(); }
  void SetSections(const TskTitleBarSections* Value) { FSections->Assign(Value); }
  TskTitleBarButtons* Buttons() const { return FButtons.get(); }
  void SetButtons(const TskTitleBarButtons* Value) { FButtons->Assign(Value); }
  int ButtonInterval() const { return FButtonInterval; }
  void SetButtonInterval(int Value);
  bool FormActive() const { return FFormActive; }
  void SetFormActive(bool Value);
  int LeftBtnXOffset() const { return FLeftBtnXOffset; }
  void SetLeftBtnXOffset(int Value);
  int RightBtnXOffset() const { return FRightBtnXOffset; }
  void SetRightBtnXOffset(int Value);
  bool DrawAppIcon() const { return FDrawAppIcon; }
  void SetDrawAppIcon(bool Value);
  int RoundCorner() const { return FRoundCorner; }
  void SetRoundCorner(int Value) { FRoundCorner = Value; }
  int RoundCornerBottom() const { return FRoundCornerBottom; }
  void SetRoundCornerBottom(int Value) { FRoundCornerBottom = Value; }

  TskTitleBarPopupMenu* ControlMenu() const { return FControlMenu; }
  // The height of the style's button strip, and where the buttons stand.
  int ButtonPictureHeight() const { return FButtonPicHeight; }
  int ButtonTop() const { return FButtonTop; }
  // Each maximize button takes the frames of its form's state again.
  void LayoutButtons();
  // The form the bar works on (its parent form).
  plat::TCustomForm* HostForm();
  // Where a button lies on the bar now (empty for a hidden one).
  plat::TRect ButtonRect(int Index);

  TskTitleBarButtonClickEvent OnCustomBtnsClick;
  TskTitleBarButtonClickEvent OnHelpBtnClick;

 protected:
  virtual void DrawSections(plat::TBitmap& Target);
  virtual void DrawButtonsAndCaption(plat::TBitmap& Target);
  void Paint() override;
  void EraseBackground(plat::HDC) override {}
  void MouseDown(plat::TMouseButton Button, plat::TShiftState Shift, int X, int Y) override;
  void MouseUp(plat::TMouseButton Button, plat::TShiftState Shift, int X, int Y) override;
  void MouseMove(plat::TShiftState Shift, int X, int Y) override;
  void DblClick() override;
  void WndProc(plat::TMessage& Message) override;
  void Notification(plat::TComponent* AComponent, plat::TOperation Operation) override;

 private:
  friend class TskTitleBarButton;
  friend class TskTitleBarPopupMenu;

  void ApplyStyle(bool KeepFontColor);
  bool OnFrame() const;
  // The frame's side-border picture width (0 without frame or picture).
  int SideBorderWidth();
  // The index of the button under a point of the bar, or -1.
  int ButtonAt(plat::TPoint Point);
  bool IsMaximized();
  void ButtonAction(TskTitleBarButton& Button);
  void PopupControlMenu();
  void PopupAtBottomLeft(plat::TPopupMenu& Menu);
  // Whether a visible button of that kind exists; the first one.
  TskTitleBarButton* VisibleButton(TskTitleBarBtnType Type) const;
  void MaximizeOrRestore();
  void Minimize();
  void CloseForm();
  // Drawn through a bitmap of PicNormal's size, see-through with Transparent.
  void DrawButtonPicture(plat::TCanvas& Canvas, TskTitleBarButton& Button, plat::TPicture& Picture, int X, int Y);
  plat::TPicture& StatePicture(TskTitleBarButton& Button, int Index);

  TskUIStyle FUIStyle = TskUIStyle::DeepBlue;
  TskFileTheme* FFileTheme = nullptr;
  bool FCustom = false;
  bool FAutoSize = false;
  std::unique_ptr<TskTitleBarSections> FSections;
  std::unique_ptr<TskTitleBarButtons> FButtons;
  int FButtonInterval = 0;
  bool FFormActive = true;
  int FLeftBtnXOffset = 0;
  int FRightBtnXOffset = 0;
  bool FDrawAppIcon = false;
  int FRoundCorner = 0;
  int FRoundCornerBottom = 0;
  TskTitleBarPopupMenu* FControlMenu = nullptr;  // owned by the bar

  int FHotButton = -1;
  int FPressedButton = -1;
  bool FPressed = false;
  int FButtonPicHeight = 0;
  int FButtonTop = 0;
};

}  // namespace zorbit
