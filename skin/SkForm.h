#pragma once
// TskForm: the skinned window frame. How a form gets skinned: create one
// TskForm owned by the form (new TskForm(form), or "Class": "TskForm" in the
// form's layout) and give it the form as parent; it takes the form over at
// once:
// - the form loses its system caption (a border style of none, single or
//   tool window becomes dialog), the frame fills the form's client area and
//   draws the title bar (TskTitleBar, SkTitleBar.h) at its top and, with a
//   Menu, a menu bar (TskMenuBar) below it;
// - the frame paints the form's non-client edge (3 pixels at the sides and
//   the top, 1 at the bottom) in BorderColor and Color, continuing the
//   title pictures into it, and cuts the window to RoundCorner and
//   RoundCornerBottom;
// - every message to the form passes the frame first (the form's WindowProc
//   is the frame's hook while the frame lives; the previous one is called
//   from it and given back when the frame goes);
// - the active form's frame answers Alt+Space (the control menu at the
//   form's left edge, below the title bar) and the menu's shortcuts.
// Put the form's content on FormPanel (a panel that then fills the frame's
// client area) or as children of the frame. Give the frame a TskFileTheme
// (FileTheme) and UIStyle FromThemeFile to take a skin file; a freed theme
// makes it fall back to DeepBlue.
//
// Only the first TskForm among a form's controls takes the form over; one
// owned by anything else, or a second one, stays a plain panel. There is
// no multiple-document interface here: MDI children never occur. Values
// read from a skin file are clamped: BorderWidth to -1..20 (-1: no border
// strips), the corner sizes to -1..64.
#include <functional>
#include <memory>

#include "platform/ui/TApplicationEvents.h"
#include "platform/ui/TCustomPanel.h"
#include "platform/ui/TToolBar.h"
#include "skin/SkTitleBar.h"
#include "skin/ThemeElements.h"

namespace plat {
class TBitmap;
class TCustomForm;
class TMainMenu;
}  // namespace plat

namespace zorbit {

class TskFileTheme;
class TskForm;

// The message the frame's hook answers with the side-border picture's width.
inline constexpr plat::UINT SKM_SIDEBORDERWIDTH = 0x26C3;

// The frame's menu bar: a flat tool bar of one button per top-level item.
class TskMenuBar : public plat::TToolBar {
 public:
  TskMenuBar(plat::TComponent* AOwner, TskForm* Frame);
  TskForm* Frame() const { return FFrame; }

 private:
  TskForm* FFrame;
};

class TskForm : public plat::TCustomPanel {
 public:
  explicit TskForm(plat::TComponent* AOwner);
  ~TskForm() override;

  TskUIStyle UIStyle() const { return FUIStyle; }
  void SetUIStyle(TskUIStyle Value);
  TskFileTheme* FileTheme() const { return FFileTheme; }
  // The same theme again does nothing, unless it has loaded a file since.
  void SetFileTheme(TskFileTheme* Value);
  bool UIStyleAutoUpdateSub() const { return FUIStyleAutoUpdateSub; }
  void SetUIStyleAutoUpdateSub(bool Value) { FUIStyleAutoUpdateSub = Value; }
  plat::TColor BorderColor() const { return FBorderColor; }
  void SetBorderColor(plat::TColor Value);
  // The width of the border strips; -1 paints none.
  int BorderWidth() const { return FBorderWidth; }
  void SetBorderWidth(int Value);
  // The client background; the panel's colour.
  void SetColor(plat::TColor Value);
  // The title bar's caption (also the form's text); '' without title bar.
  plat::String Caption() const;
  void SetCaption(const plat::String& Value);
  bool TitleBarVisible() const { return FTitleBarVisible; }
  void SetTitleBarVisible(bool Value);
  bool TitleBarCustom() const { return FTitleBar->Custom(); }
  void SetTitleBarCustom(bool Value) { FTitleBar->SetCustom(Value); }
  bool TitleBarDrawAppIcon() const { return FTitleBar->DrawAppIcon(); }
  void SetTitleBarDrawAppIcon(bool Value) { FTitleBar->SetDrawAppIcon(Value); }
  TskTitleBarButtons* TitleBarButtons() { return FTitleBar->Buttons(); }
  void SetTitleBarButtons(const TskTitleBarButtons* Value) { FTitleBar->SetButtons(Value); }
  TskTitleBarSections* TitleBarSections() { return FTitleBar->Sections(); }
  void SetTitleBarSections(const TskTitleBarSections* Value) { FTitleBar->SetSections(Value); }
  // The title bar's font.
  plat::TFont* Font() const { return FTitleBar->Font(); }
  void SetFont(const plat::TFont* Value) { FTitleBar->SetFont(Value); }
  // Read back as the title bar's values while it is visible, else 0.
  int RoundCorner() const;
  void SetRoundCorner(int Value);
  int RoundCornerBottom() const;
  void SetRoundCornerBottom(int Value);
  plat::TMainMenu* Menu() const { return FMenu; }
  void SetMenu(plat::TMainMenu* Value);
  plat::TColor MenuBarColor() const { return FMenuBarColor; }
  void SetMenuBarColor(plat::TColor Value);
  int MenuBarHeight() const { return FMenuBarHeight; }
  void SetMenuBarHeight(int Value);
  plat::TCustomPanel* FormPanel() const { return FFormPanel; }
  // The frame itself is refused with a message dialog.
  void SetFormPanel(plat::TCustomPanel* Value);
  plat::String Version() const { return "5.8"; }
  void SetVersion(const plat::String&) {}

  TskTitleBar* TitleBar() const { return FTitleBar; }
  TskMenuBar* MenuBar() const { return FMenuBar; }
  // The form taken over; null for a frame that stays a plain panel.
  plat::TCustomForm* HostForm() const { return FForm; }
  // The side-border picture's width (0 without one).
  int SideBorderWidth() const;
  // Paints the form's non-client edge now.
  void PaintBorder();
  // Takes the menu's item captions and enabled states again.
  void RefreshMenuBar();
  // The menu bar's font again (the menu's UseSystemFont changed).
  void MenuFontChanged();

  TskTitleBarButtonClickEvent& OnTitleBarCustomBtnsClick() { return FTitleBar->OnCustomBtnsClick; }
  TskTitleBarButtonClickEvent& OnTitleBarHelpBtnClick() { return FTitleBar->OnHelpBtnClick; }
  void SetOnTitleBarCustomBtnsClick(TskTitleBarButtonClickEvent Value) {
    FTitleBar->OnCustomBtnsClick = std::move(Value);
  }
  void SetOnTitleBarHelpBtnClick(TskTitleBarButtonClickEvent Value) { FTitleBar->OnHelpBtnClick = std::move(Value); }

 protected:
  void Paint() override;
  void Resize() override;
  void EraseBackground(plat::HDC) override {}
  void Notification(plat::TComponent* AComponent, plat::TOperation Operation) override;

 private:
  void TakeOverForm();
  void GiveBackForm();
  void FormHook(plat::TMessage& Message);
  void ApplicationMessage(plat::MSG& Msg, bool& Handled);
  bool IsActiveFrame() const;
  bool OfferShortCut(plat::TMessage& Message);
  void FormSized(plat::TMessage& Message);
  void StripCaption();
  void RecomputeFrame();
  void BuildRegion();
  void BuildMenuBar();
  void RemoveMenuBar();
  void MenuBarDraw(plat::TToolBar* Sender, const plat::TRect& Rect, bool& DefaultDraw);
  void MenuButtonDraw(plat::TToolBar* Sender, plat::TToolButton* Button, plat::TCustomDrawState State,
                      bool& DefaultDraw);
  void PaintClientBackground();
  // The menu's style and theme when it is a TskMainMenu, else the frame's.
  TskUIStyle MenuStyle() const;
  TskFileTheme* MenuTheme() const;

  plat::TCustomForm* FForm = nullptr;
  TskTitleBar* FTitleBar = nullptr;  // owned by the frame
  TskMenuBar* FMenuBar = nullptr;    // owned by the frame
  TskUIStyle FUIStyle = TskUIStyle::DeepBlue;
  TskFileTheme* FFileTheme = nullptr;
  int FThemeLoads = 0;  // the theme's LoadCount when it was applied
  bool FUIStyleAutoUpdateSub = false;
  plat::TColor FBorderColor = plat::clBlack;
  int FBorderWidth = 1;
  bool FTitleBarVisible = true;
  plat::TMainMenu* FMenu = nullptr;
  plat::TColor FMenuBarColor = plat::clBtnFace;
  int FMenuBarHeight = 22;
  plat::TCustomPanel* FFormPanel = nullptr;
  plat::TRect FCreatedBounds;
  bool FCreatedMaximized = false;
  plat::TWndMethod FPreviousWindowProc;
  plat::TApplicationEvents* FAppEvents = nullptr;  // owned by the frame
  std::unique_ptr<plat::TBitmap> FSideBorder;      // turned copy of the left picture
  std::unique_ptr<plat::TBitmap> FLeftBorder;      // the left picture as the theme gives it
  std::unique_ptr<plat::TBitmap> FBottomBorder;
  int FBottomBorderHeight = 0;
  bool FDestroying = false;
  bool FPlacingMaximized = false;
};

}  // namespace zorbit
