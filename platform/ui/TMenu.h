#pragma once
// A menu: the tree of items under its root (Items), the window layer's menu
// built from it on demand (Handle), and the dispatch of the menu messages
// back to the items: a command (WM_COMMAND) runs the chosen item's Click, a
// popup about to open (WM_INITMENUPOPUP) runs its item's Click and the
// update pass and brings the popup up to date, owner-drawn items are
// measured and drawn (WM_MEASUREITEM, WM_DRAWITEM) through a TCanvas on the
// platform's records.
//
// Promises:
// - A change of any item raises OnChange and makes the handles stale; they
//   are rebuilt when next asked for (a main menu on a form rebuilds its bar
//   at once, since the bar is always on show).
// - With OwnerDraw every entry is owner-drawn: the item's OnMeasureItem and
//   OnDrawItem (or OnAdvancedDrawItem) draw it, or the standard drawing
//   when it has no handler.
//   Its "&" letter still chooses it (WM_MENUCHAR): one item with the letter
//   is chosen, several are selected in turn.
// - AutoHotkeys maAutomatic gives each item without "&" the first letter
//   (of a word first, then any letter or digit) of its caption that no
//   sibling uses yet, by changing its caption; maManual leaves captions as
//   they are.
// - AutoLineReduction maAutomatic leaves out lines at the start and end of
//   a popup and a line that follows another (the items stay in the tree).
// - Images: a changed or deleted image list rebuilds the menu.
#include <functional>
#include <memory>

#include "platform/ui/ControlMessages.h"
#include "platform/ui/TChangeLink.h"
#include "platform/ui/TComponent.h"
#include "platform/ui/TMenuItem.h"

namespace plat {

class TImageList;

enum class TMenuAutoFlag { maAutomatic, maManual, maParent };
enum class TFindItemKind { fkCommand, fkHandle, fkShortCut };

// Source: the item that changed (null for the whole menu); Rebuild: the
// entries changed, not only their look.
using TMenuChangeEvent = std::function<void(TObject* Sender, TMenuItem* Source, bool Rebuild)>;

class TMenu : public TComponent {
 public:
  explicit TMenu(TComponent* AOwner);
  ~TMenu() override;

  // The root item; its sub-items are the menu's entries.
  TMenuItem* Items() const { return FItems.get(); }
  // The window layer's menu, made or brought up to date on demand.
  HMENU Handle();
  bool HandleAllocated() const;
  // The window the menu's messages go to (a main menu's form), or null.
  virtual HWND WindowHandle() const { return nullptr; }

  // The pictures of the items' ImageIndex; virtual so that a menu class
  // can stand in a list of its own while none is given.
  virtual TImageList* Images() const { return FImages; }
  virtual void SetImages(TImageList* Value);
  virtual bool OwnerDraw() const { return FOwnerDraw; }
  virtual void SetOwnerDraw(bool Value);
  TMenuAutoFlag AutoHotkeys() const { return FAutoHotkeys; }
  void SetAutoHotkeys(TMenuAutoFlag Value);
  TMenuAutoFlag AutoLineReduction() const { return FAutoLineReduction; }
  void SetAutoLineReduction(TMenuAutoFlag Value);

  // A key down (Msg WM_KEYDOWN or WM_SYSKEYDOWN) as a shortcut: after the
  // update pass, the first enabled and visible item of the tree with that
  // shortcut (its parents enabled and visible too) is clicked. Answers
  // whether one was.
  bool IsShortCut(TWMKey& Message);
  // Runs the Click of the item with that command; answers whether one has it.
  bool DispatchCommand(Word ACommand);
  // A popup is about to open: runs its item's Click and the update pass of
  // its sub-items and brings the popup up to date. Answers whether the
  // popup is one of this menu's.
  bool DispatchPopup(HMENU AHandle);
  // The item with that command, popup handle (cast) or shortcut, or null.
  TMenuItem* FindItem(UINT_PTR Value, TFindItemKind Kind) const;
  // Gives automatic mnemonics now (AutoHotkeys maAutomatic).
  void RethinkHotkeys();
  // The menu's update pass: every item's action updates itself.
  void UpdateItems();

  // Menu messages (WM_COMMAND, WM_INITMENUPOPUP, WM_MENUSELECT: the
  // highlighted item's hint becomes the application's, WM_MEASUREITEM,
  // WM_DRAWITEM) for this menu's items; answers whether the
  // message was one of them, with its Result set.
  bool DispatchMenuMessage(TMessage& Message);

  TMenuChangeEvent OnChange;

 protected:
  // Makes the root's handle: a menu bar or a popup menu.
  virtual HMENU CreateMenuHandle() = 0;
  // An item changed; raises OnChange.
  virtual void MenuChanged(TObject* Sender, TMenuItem* Source, bool Rebuild);
  void Loaded() override;
  void Notification(TComponent* AComponent, TOperation Operation) override;

 private:
  friend class TMenuItem;

  void ImageListChange(TObject* Sender);
  // The item whose popup (or the root, for the menu's own) has that handle.
  TMenuItem* FindPopup(HMENU AHandle) const;
  bool MeasureItem(MEASUREITEMSTRUCT& Measure);
  bool DrawItem(const DRAWITEMSTRUCT& Draw);
  // WM_MENUCHAR for one of its menus: the window layer matches no
  // owner-drawn entry by its "&" letter, so the items' captions do.
  bool MenuChar(TMessage& Message);

  std::unique_ptr<TMenuItem> FItems;
  // The entry last highlighted (WM_MENUSELECT): its menu, and its position
  // when it opens a submenu, else its command.
  HMENU FSelectedMenu = nullptr;
  UINT FSelectedEntry = 0;
  bool FSelectedIsPopup = false;
  TImageList* FImages = nullptr;
  TChangeLink FImageChangeLink;
  bool FOwnerDraw = false;
  TMenuAutoFlag FAutoHotkeys = TMenuAutoFlag::maAutomatic;
  TMenuAutoFlag FAutoLineReduction = TMenuAutoFlag::maAutomatic;
};

}  // namespace plat
