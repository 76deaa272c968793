#pragma once
// TSearchPanel: the grid's search bar, a bottom-aligned panel (height 0
// until the grid shows it) holding a close button, the search edit, the
// find-next, find-previous and highlight buttons and the match-case box,
// made with the panel and placed on it when its window is made:
//
//   close button   5, 7, 14 x 14     find previous  235, 5, 90 x 23
//   search edit    25, 5, 110 wide   highlight      330, 5, 90 x 23
//   find next      140, 5, 90 x 23   match case     425 (330), 8
//
// The three search buttons are disabled while the edit is empty and
// enabled exactly while it holds text; each change of the text also fires
// OnTextChange. The other controls fire OnClose, OnFindNext, OnFindPrev,
// OnHighlight and OnMatchCase. The panel paints Color, or a vertical
// gradient from Color to ColorTo (clNone at creation) in 32 bands.
#include "platform/ui/TCustomPanel.h"

namespace plat {
class TCheckBox;
class TEdit;
}  // namespace plat

namespace zorbit {

class TExtGridButton;

class TSearchPanel : public plat::TCustomPanel {
 public:
  explicit TSearchPanel(plat::TComponent* AOwner);

  plat::TColor ColorTo() const { return FColorTo; }
  void SetColorTo(plat::TColor Value);

  TExtGridButton* CloseButton() const { return FCloseButton; }
  plat::TEdit* SearchEdit() const { return FSearchEdit; }
  TExtGridButton* FindNextButton() const { return FFindNextButton; }
  TExtGridButton* FindPrevButton() const { return FFindPrevButton; }
  TExtGridButton* HighlightButton() const { return FHighlightButton; }
  plat::TCheckBox* MatchCaseBox() const { return FMatchCaseBox; }

  plat::TNotifyEvent OnTextChange;
  plat::TNotifyEvent OnClose;
  plat::TNotifyEvent OnFindNext;
  plat::TNotifyEvent OnFindPrev;
  plat::TNotifyEvent OnHighlight;
  plat::TNotifyEvent OnMatchCase;

  // Where the match-case box stands beside a shown or hidden highlight
  // button.
  static constexpr int MatchCaseLeft = 425;
  static constexpr int MatchCaseLeftWithoutHighlight = 330;
  static constexpr int ShownHeight = 32;
  static constexpr int ButtonHeight = 23;
  static constexpr int MatchCaseHeight = 17;

 protected:
  void CreateWnd() override;
  void Paint() override;

 private:
  void SearchTextChanged();
  plat::TColor FColorTo = plat::clNone;
  TExtGridButton* FCloseButton;
  plat::TEdit* FSearchEdit;
  TExtGridButton* FFindNextButton;
  TExtGridButton* FFindPrevButton;
  TExtGridButton* FHighlightButton;
  plat::TCheckBox* FMatchCaseBox;
};

}  // namespace zorbit
