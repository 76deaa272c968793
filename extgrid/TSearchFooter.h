#pragma once
// TSearchFooter: the settings of the grid's search bar: whether it shows,
// its colours, captions and button hints, which of its controls show, and
// how typing searches (AutoSearch, SearchActiveColumnOnly, SearchColumn;
// -1 for none). Every setter stores and fires OnChange; Assign copies all
// of them from another TSearchFooter and fires OnChange once.
#include "extgrid/detail/PlainProperty.h"
#include "platform/gdi/Colors.h"
#include "platform/rtl/Object.h"
#include "platform/ui/TPersistent.h"

namespace zorbit {

class TSearchFooter : public plat::TPersistent {
 public:
  void Assign(const plat::TPersistent* Source) override;

  ZORBIT_CHANGING_PROPERTY(bool, AutoSearch)
  ZORBIT_CHANGING_PROPERTY(plat::TColor, Color)
  ZORBIT_CHANGING_PROPERTY(plat::TColor, ColorTo)
  ZORBIT_CHANGING_PROPERTY(plat::String, FindNextCaption)
  ZORBIT_CHANGING_PROPERTY(plat::String, FindPrevCaption)
  ZORBIT_CHANGING_PROPERTY(plat::String, HighLightCaption)
  ZORBIT_CHANGING_PROPERTY(plat::String, HintClose)
  ZORBIT_CHANGING_PROPERTY(plat::String, HintFindNext)
  ZORBIT_CHANGING_PROPERTY(plat::String, HintFindPrev)
  ZORBIT_CHANGING_PROPERTY(plat::String, HintHighlight)
  ZORBIT_CHANGING_PROPERTY(plat::String, MatchCaseCaption)
  ZORBIT_CHANGING_PROPERTY(bool, SearchActiveColumnOnly)
  ZORBIT_CHANGING_PROPERTY(int, SearchColumn)
  ZORBIT_CHANGING_PROPERTY(bool, ShowClose)
  ZORBIT_CHANGING_PROPERTY(bool, ShowFindNext)
  ZORBIT_CHANGING_PROPERTY(bool, ShowFindPrev)
  ZORBIT_CHANGING_PROPERTY(bool, ShowHighLight)
  ZORBIT_CHANGING_PROPERTY(bool, ShowMatchCase)
  ZORBIT_CHANGING_PROPERTY(bool, Visible)
  // Set by the grid from its AutoThemeAdapt: the buttons follow the theme.
  ZORBIT_CHANGING_PROPERTY(bool, AutoThemeAdapt)

  plat::TNotifyEvent OnChange;

 private:
  void Changed() {
    if (OnChange) OnChange(this);
  }
  struct TValues {
    bool AutoSearch = true;
    plat::TColor Color = plat::clWhite;
    plat::TColor ColorTo = plat::clBtnFace;
    plat::String FindNextCaption = "Find next";
    plat::String FindPrevCaption = "Find previous";
    plat::String HighLightCaption = "Highlight";
    plat::String HintClose = "Close";
    plat::String HintFindNext = "Find next occurence";
    plat::String HintFindPrev = "Find previous occurence";
    plat::String HintHighlight = "Highlight occurences";
    plat::String MatchCaseCaption = "Match case";
    bool SearchActiveColumnOnly = false;
    int SearchColumn = -1;
    bool ShowClose = true;
    bool ShowFindNext = true;
    bool ShowFindPrev = true;
    bool ShowHighLight = true;
    bool ShowMatchCase = true;
    bool Visible = false;
    bool AutoThemeAdapt = false;
  };
  TValues FValues;
};

}  // namespace zorbit
