#pragma once
// TEsgUnitEditBtn: an edit-with-button whose button picks a unit. The
// button pops a menu of Units (item IDs 1..n in list order) at the edit's
// lower right; the chosen entry becomes UnitID, which is drawn after every
// paint in the UnitSpace pixels between the text and the button. The text
// is right-aligned at first.
//
// SplitNumberAndUnit cuts a cell text into what the editor shows: the
// leading run of digits, ",", "-" and "." is the number, the rest is the
// unit as it stands, so that the number followed by the unit gives the
// text back ("5 m2" is "5" and " m2").
#include <memory>

#include "grid/EsgEditBtn.h"
#include "platform/rtl/StringList.h"

namespace zorbit {

struct TNumberAndUnit {
  plat::String Number;
  plat::String Unit;
};

TNumberAndUnit SplitNumberAndUnit(const plat::String& Text);

class TEsgUnitEditBtn : public TEsgEditBtn {
 public:
  explicit TEsgUnitEditBtn(plat::TComponent* AOwner);
  ~TEsgUnitEditBtn() override;

  void ClickButton() override;

  plat::TStringList* Units() const { return FUnits.get(); }
  // Copies the list; null is ignored.
  void SetUnits(const plat::TStrings* Value);
  const plat::String& UnitID() const { return FUnitID; }
  void SetUnitID(const plat::String& Value);
  int UnitSpace() const { return FUnitSpace; }
  void SetUnitSpace(int Value);

 protected:
  int UnitAreaWidth() const override { return FUnitSpace; }
  void WndProc(plat::TMessage& Message) override;

 private:
  void PaintUnit();

  std::unique_ptr<plat::TStringList> FUnits;
  plat::String FUnitID;
  int FUnitSpace = 20;
};

}  // namespace zorbit
