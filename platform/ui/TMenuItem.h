#pragma once
// A menu command: one entry of a menu bar or popup menu, and the popup of
// its sub-items when it has any. Items form a tree under a menu's root item
// (TMenu::Items); the window layer's menus are built from the tree when a
// menu handle is asked for, so changes cost nothing until the menu is next
// shown.
//
// Promises:
// - Every item has a Command number of its own (1..65535, unique among the
//   items alive) that WM_COMMAND carries back; it never changes.
// - A caption of "-" makes a separator line; "&" marks the mnemonic, "&&"
//   is a plain ampersand.
// - Checking a RadioItem unchecks the radio items of the same GroupIndex
//   among its siblings.
// - With an Action, the item shows the action's caption, enabled and
//   checked states, visibility, shortcut, hint and image, and Click runs
//   the action instead of OnClick.
// - Every change tells the menu (its OnChange), which rebuilds its handles
//   when they are next needed.
// - Deleting an item deletes its sub-items and takes it out of its parent.
//
// Refuses: inserting an item that already has a parent, or an item into
// itself or its own sub-items (EMenuError "Menu inserted twice"); an index
// out of range (EMenuError "Menu index out of range"); removing an item
// that is not a sub-item (EMenuError "Sub-menu is not in menu").
#include <functional>
#include <memory>
#include <vector>

#include "platform/gdi/Geometry.h"
#include "platform/ui/OwnerDraw.h"
#include "platform/ui/ShortCuts.h"
#include "platform/ui/TComponent.h"
#include "platform/win/WinTypes.h"

namespace plat {

class TBasicAction;
class TBitmap;
class TCanvas;
class TMenu;
class TMenuActionLink;

class EMenuError : public Exception {
 public:
  using Exception::Exception;
};

// Where an item starts a new column of its popup (mbBarBreak: with a line
// between the columns).
enum class TMenuBreak { mbNone, mbBreak, mbBarBreak };

using TMenuMeasureItemEvent = std::function<void(TObject* Sender, TCanvas* ACanvas, int& Width, int& Height)>;
using TMenuDrawItemEvent = std::function<void(TObject* Sender, TCanvas* ACanvas, TRect ARect, bool Selected)>;
using TAdvancedMenuDrawItemEvent =
    std::function<void(TObject* Sender, TCanvas* ACanvas, TRect ARect, TOwnerDrawState State)>;

class TMenuItem : public TComponent {
 public:
  explicit TMenuItem(TComponent* AOwner);
  ~TMenuItem() override;

  const String& Caption() const { return FCaption; }
  void SetCaption(const String& Value);
  TShortCut ShortCut() const { return FShortCut; }
  void SetShortCut(TShortCut Value);
  bool Checked() const { return FChecked; }
  void SetChecked(bool Value);
  bool RadioItem() const { return FRadioItem; }
  void SetRadioItem(bool Value);
  Byte GroupIndex() const { return FGroupIndex; }
  void SetGroupIndex(Byte Value);
  // Click checks the item first (a radio item), or toggles it.
  bool AutoCheck() const { return FAutoCheck; }
  void SetAutoCheck(bool Value) { FAutoCheck = Value; }
  // Drawn in bold; the command a double click on the parent would run.
  bool Default() const { return FDefault; }
  void SetDefault(bool Value);
  bool Enabled() const { return FEnabled; }
  void SetEnabled(bool Value);
  bool Visible() const { return FVisible; }
  void SetVisible(bool Value);
  // A picture of the menu's Images; -1 for none.
  int ImageIndex() const { return FImageIndex; }
  void SetImageIndex(int Value);
  // A picture of the item's own, made on first use; drawn when the item
  // shows no picture of the menu's Images.
  TBitmap* Bitmap();
  void SetBitmap(const TBitmap* Value);
  const String& Hint() const { return FHint; }
  void SetHint(const String& Value) { FHint = Value; }
  TMenuBreak Break() const { return FBreak; }
  void SetBreak(TMenuBreak Value);

  TBasicAction* Action() const;
  void SetAction(TBasicAction* Value);

  // Sub-items.
  int Count() const { return static_cast<int>(FItems.size()); }
  TMenuItem* Items(int Index) const;
  void Add(TMenuItem* Item);
  void Insert(int Index, TMenuItem* Item);
  // Deletes the sub-item at Index.
  void Delete(int Index);
  // Takes Item out of the sub-items without deleting it.
  void Remove(TMenuItem* Item);
  // Deletes every sub-item.
  void Clear();
  int IndexOf(const TMenuItem* Item) const;
  // The sub-item whose caption, without its "&" marks, is ACaption (without
  // regard to case), or null.
  TMenuItem* Find(const String& ACaption) const;
  TMenuItem* Parent() const { return FParent; }
  // The position among the parent's sub-items (-1 without parent); setting
  // it moves the item there.
  int MenuIndex() const;
  void SetMenuIndex(int Value);
  // Whether this is a separator line.
  bool IsLine() const { return FCaption == "-"; }
  // The menu the item belongs to, or null.
  TMenu* GetParentMenu() const;

  Word Command() const { return FCommand; }
  // The popup of the sub-items, made (or brought up to date) on demand.
  HMENU Handle();
  bool HandleAllocated() const { return FHandle != nullptr; }

  // Runs the action (when one is linked), else OnClick; nothing for a
  // disabled item.
  virtual void Click();
  // Lets the linked action update itself (its OnUpdate), this item's only.
  void InitiateAction();
  // The menu's update pass: this item's action and those of every item below.
  void InitiateActions();

  // Owner drawing: the size of the item and the drawing of it on ACanvas.
  // With no handler the item measures and draws itself in the standard way.
  virtual void MeasureItem(TCanvas* ACanvas, int& Width, int& Height);
  virtual void AdvancedDrawItem(TCanvas* ACanvas, TRect ARect, TOwnerDrawState State, bool TopLevel);

  // A layout nests an item under a menu (it joins the root) or an item.
  void SetParentComponent(TComponent* Value) override;

  TNotifyEvent OnClick;
  TMenuMeasureItemEvent OnMeasureItem;
  TMenuDrawItemEvent OnDrawItem;
  TAdvancedMenuDrawItemEvent OnAdvancedDrawItem;

 protected:
  // Takes the linked action's properties (CheckDefaults: only where the
  // item still has its defaults).
  virtual void ActionChange(TObject* Sender, bool CheckDefaults);
  // Something of this item changed (Rebuild: its entry or its sub-items,
  // not just its look); the menu hears of it.
  virtual void MenuChanged(bool Rebuild);
  void Notification(TComponent* AComponent, TOperation Operation) override;
  void Loaded() override;

 private:
  friend class TMenu;
  friend class TMenuActionLink;

  // The parent's popup entry of this item changed, or its sub-items did.
  void SubItemChanged(TMenuItem* Source, bool Rebuild);
  void TurnSiblingsOff();
  void RebuildHandle();
  // This item's popup and those below are made again when next asked for.
  void MarkHandlesStale();
  void DestroyHandle();
  void DrawDefault(TCanvas* ACanvas, TRect ARect, TOwnerDrawState State, bool TopLevel);
  String EntryText() const;

  String FCaption;
  TShortCut FShortCut = scNone;
  bool FChecked = false;
  bool FRadioItem = false;
  Byte FGroupIndex = 0;
  bool FAutoCheck = false;
  bool FDefault = false;
  bool FEnabled = true;
  bool FVisible = true;
  int FImageIndex = -1;
  std::unique_ptr<TBitmap> FBitmap;
  String FHint;
  TMenuBreak FBreak = TMenuBreak::mbNone;
  std::unique_ptr<TMenuActionLink> FActionLink;

  std::vector<TMenuItem*> FItems;
  TMenuItem* FParent = nullptr;
  TMenu* FMenu = nullptr;  // set on a menu's root item only
  Word FCommand = 0;
  HMENU FHandle = nullptr;
  bool FHandleStale = true;
};

}  // namespace plat
