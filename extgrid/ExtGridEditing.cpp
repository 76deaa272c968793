// Cell editing: whether the editor may open, which editor a cell gets, the
// editor controls shown over the cell and the value each writes back, the
// texts the in-place edit loads and stores, and the keys an editor control
// hands back to the grid.
#include <algorithm>

#include "extgrid/TEditLink.h"
#include "extgrid/TExtInplaceEdit.h"
#include "extgrid/TExtStringGrid.h"
#include "extgrid/TGridButton.h"
#include "extgrid/TGridCheckBox.h"
#include "extgrid/TGridDatePicker.h"
#include "extgrid/TGridEditBtn.h"
#include "extgrid/TGridSpin.h"
#include "extgrid/TGridUnitEditBtn.h"
#include "grid/ExtStringGridCheck.h"
#include "grid/ExtUtilText.h"
#include "grid/HtmlText.h"
#include "platform/rtl/Conversions.h"
#include "platform/rtl/DateTime.h"
#include "platform/rtl/FormatSettings.h"
#include "platform/rtl/Unicode.h"
#include "platform/ui/TForm.h"
#include "platform/win/Messages.h"
#include "platform/win/VirtualKeys.h"

namespace zorbit {

void TExtStringGrid::SetEditLink(TEditLink* Value) { FEditLink = Value; }

void TExtStringGrid::SetCellChecker(TExtStringGridCheck* Value) { FCellChecker = Value; }

plat::TInplaceEdit* TExtStringGrid::CreateEditor() { return new TExtInplaceEdit(this); }

bool TExtStringGrid::IsControlEditorType(TEditorType Type) const {
  switch (Type) {
    case TEditorType::edNormal:
    case TEditorType::edDataCheckBox:
    case TEditorType::edNumeric:
    case TEditorType::edPositiveNumeric:
    case TEditorType::edFloat:
    case TEditorType::edCapital:
    case TEditorType::edMixedCase:
    case TEditorType::edPassword:
    case TEditorType::edLowerCase:
    case TEditorType::edUpperCase:
    case TEditorType::edNone: return false;
    default: return true;
  }
}

plat::String TExtStringGrid::EditCellText(int ACol, int ARow) {
  const plat::TPoint base = GetBaseCell(ACol, ARow);
  return GetHiddenAwareCellText(base.X, DisplayToRealRow(base.Y));
}

bool TExtStringGrid::CanEditShow() {
  if (FEdit.SuppressEditors > 0) return false;
  bool result = TBaseGrid::CanEditShow();
  if (Designing()) return result;
  const plat::TPoint base = GetBaseCell(Col(), Row());
  if (result && !FEdit.EditorActive) {
    // Check boxes, radio groups and buttons react to clicks and keys.
    if (IsControlCell(base.X, base.Y)) return false;
    FEdit.EditStartText = EditCellText(CurrentRealCol(), Row());
    TEditorType type = FDefaultEditor;
    GetCellEditorType(base.X, base.Y, type);
    FEdit.ActiveEditorType = type;
    if (type == TEditorType::edNone) return false;
    FEdit.EditorActive = true;
    StorePreEditText(Col(), Row());
    if (IsControlEditorType(type)) {
      ShowCellEditor(base.X, base.Y);
      return false;
    }
  }
  if (result) FEdit.EditInProgress = true;
  return result;
}

plat::TColor TExtStringGrid::CellEditorLooks(int ACol, int ARow, plat::TFont* AFont) {
  plat::TBrush brush;
  brush.SetColor(Color());
  AFont->Assign(*Font());
  plat::TGridDrawState state;
  plat::TColor colorTo = plat::clNone;
  bool wordWrap = WordWrap();
  plat::TAlignment hAlign = plat::TAlignment::taLeftJustify;
  TVAlignment vAlign = FVAlignment;
  GetCellColor(ACol, ARow, state, false, false, true, &brush, colorTo, AFont, wordWrap, hAlign, vAlign);
  return brush.Color();
}

void TExtStringGrid::ShowCellEditor(int ACol, int ARow) {
  const TEditorType type = FEdit.ActiveEditorType;
  const plat::TRect cell = GetCellRect(ACol, ARow);
  if (type == TEditorType::edCustom) {
    ShowCustomEditor(ACol, ARow, cell);
    return;
  }
  plat::TWinControl* control = FEditors.ControlFor(type);
  if (!control) {
    // A type without a control here (rich text) opens nothing.
    FEdit.EditorActive = false;
    return;
  }
  if (control->HandleAllocated()) control->RecreateWnd();
  control->SetEnabled(true);
  LoadCellEditor(type, EditCellText(DisplayToRealCol(ACol), ARow));
  plat::TFont font;
  control->SetColor(CellEditorLooks(ACol, ARow, &font));
  control->Font()->Assign(font);
  control->SetBounds(cell.Left, cell.Top, cell.Width() - 1, cell.Height() - 1);
  control->SetVisible(true);
  control->BringToFront();
  FEdit.ActiveEditorControl = control;
  FEdit.EditInProgress = true;
  if (control->CanFocus()) control->SetFocus();
  if (FMouseActions->DirectDateDrop() && control == FEditors.DatePicker() && type != TEditorType::edTimeEdit)
    control->Perform(plat::WM_KEYDOWN, plat::VK_F4, 0);
  if (FEdit.PendingKey != 0) {
    plat::String typed;
    plat::AppendUtf8(typed, FEdit.PendingKey);
    FEdit.PendingKey = 0;
    for (unsigned char byte : typed) control->Perform(plat::WM_CHAR, byte, 0);
  }
}

void TExtStringGrid::LoadCellEditor(TEditorType Type, const plat::String& Text) {
  const int limit = GetEditLimit();
  switch (Type) {
    case TEditorType::edSpinEdit:
    case TEditorType::edFloatSpinEdit:
    case TEditorType::edTimeSpinEdit:
    case TEditorType::edDateSpinEdit: {
      TGridSpin* spin = FEditors.Spin();
      if (Type == TEditorType::edSpinEdit) {
        spin->SetSpinType(TEsgSpinType::sptNormal);
        int value = 0;
        plat::TryStrToInt(Text, value);
        spin->SetValue(value);
      } else if (Type == TEditorType::edFloatSpinEdit) {
        spin->SetSpinType(TEsgSpinType::sptFloat);
        spin->SetFloatValue(plat::StrToFloatDef(ExtractNumberText(Text), 0, plat::TFormatSettings::English()));
      } else if (Type == TEditorType::edTimeSpinEdit) {
        spin->SetSpinType(TEsgSpinType::sptTime);
        spin->SetText(Text);
      } else {
        spin->SetSpinType(TEsgSpinType::sptDate);
        plat::TDateTime date = 0;
        spin->SetDateValue(!Text.empty() && plat::TryStrToDate(Text, date) ? date : plat::Date());
      }
      break;
    }
    case TEditorType::edEditBtn:
    case TEditorType::edNumericEditBtn:
    case TEditorType::edFloatEditBtn:
      FEditors.EditBtn()->SetMaxLength(limit);
      FEditors.EditBtn()->LoadEditorText(Text);
      break;
    case TEditorType::edUnitEditBtn:
      FEditors.UnitEditBtn()->SetMaxLength(limit);
      FEditors.UnitEditBtn()->LoadEditorText(Text);
      break;
    case TEditorType::edCheckBox:
      FEditors.CheckBox()->SetCaption(Text);
      FEditors.CheckBox()->SetChecked(false);
      break;
    case TEditorType::edButton: FEditors.Button()->SetCaption(Text); break;
    case TEditorType::edDateEdit:
    case TEditorType::edDateEditUpDown:
    case TEditorType::edTimeEdit: {
      TGridDatePicker* picker = FEditors.DatePicker();
      const bool time = Type == TEditorType::edTimeEdit;
      picker->SetKind(time ? plat::TDateTimeKind::dtkTime : plat::TDateTimeKind::dtkDate);
      picker->SetDateMode(Type == TEditorType::edDateEditUpDown ? plat::TDTDateMode::dmUpDown
                                                                 : plat::TDTDateMode::dmComboBox);
      picker->LoadEditorText(Text);
      // An empty cell opens with its check mark cleared, so that closing
      // the picker untouched leaves it empty.
      plat::TDateTime date = 0;
      if (!time && picker->ShowCheckbox()) picker->SetChecked(plat::TryStrToDate(Text, date));
      break;
    }
    default: break;
  }
}

plat::String TExtStringGrid::CellEditorValue(TEditorType Type) {
  switch (Type) {
    case TEditorType::edSpinEdit:
    case TEditorType::edTimeSpinEdit:
    case TEditorType::edFloatSpinEdit:
    case TEditorType::edDateSpinEdit: return FEditors.Spin()->EditorText();
    case TEditorType::edEditBtn:
    case TEditorType::edNumericEditBtn:
    case TEditorType::edFloatEditBtn: return FEditors.EditBtn()->EditorText();
    case TEditorType::edUnitEditBtn: return FEditors.UnitEditBtn()->EditorText();
    case TEditorType::edDateEdit:
    case TEditorType::edDateEditUpDown:
    case TEditorType::edTimeEdit: return FEditors.DatePicker()->EditorText();
    default: return {};
  }
}

void TExtStringGrid::HideCellEditor(int ACol, int ARow) {
  const TEditorType type = FEdit.ActiveEditorType;
  const int realCol = DisplayToRealCol(ACol);
  bool shown = false;
  if (type == TEditorType::edCustom) {
    if (TEditLink* link = FEditLink) {
      link->EndEdit();
      shown = true;
    }
  } else if (plat::TWinControl* control = FEdit.ActiveEditorControl) {
    shown = true;
    switch (type) {
      case TEditorType::edFloatSpinEdit: SetCellFloat(realCol, ARow, FEditors.Spin()->FloatValue()); break;
      case TEditorType::edDateSpinEdit: SetCellDate(realCol, ARow, FEditors.Spin()->DateValue()); break;
      case TEditorType::edCheckBox:
      case TEditorType::edButton: break;
      default: EditorTextToCell(ACol, ARow, CellEditorValue(type)); break;
    }
    FEdit.ActiveEditorControl = nullptr;
    // The focus comes back to the grid before the control hides.
    if (control->Focused() && CanFocus()) SetFocus();
    control->SetEnabled(false);
    control->SetVisible(false);
  }
  if (type != TEditorType::edNormal && shown) EditingDone();
}

void TExtStringGrid::ShowCustomEditor(int ACol, int ARow, const plat::TRect& Rect) {
  TEditLink* link = FEditLink;
  if (link) {
    link->SetGrid(this);
    link->MakeEditor();
  }
  plat::TWinControl* control = link ? link->EditControl() : nullptr;
  if (!control) {
    FEdit.EditorActive = false;
    return;
  }
  if (link->EditStyle() == TEditStyle::esPopup) {
    if (!FEditLinkForm) {
      auto* form = new plat::TForm(this);
      form->SetName("gridform");
      form->SetBorderStyle(plat::TFormBorderStyle::bsNone);
      FEditLinkForm = form;
    }
    const plat::TPoint cellOnScreen = ClientToScreen({Rect.Left, Rect.Top});
    const int left = link->PopupLeft() == -1 ? cellOnScreen.X : link->PopupLeft();
    const int top = link->PopupTop() == -1 ? cellOnScreen.Y : link->PopupTop();
    const int width = link->AutoPopupWidth() ? Rect.Width() : link->PopupWidth();
    control->SetParent(FEditLinkForm);
    FEditLinkForm->SetBounds(left, top, width, link->PopupHeight());
    control->SetBounds(0, 0, width, link->PopupHeight());
    FEditLinkForm->Show();
  } else {
    control->SetParent(this);
    link->PlaceEditor(Rect);
  }
  plat::TFont font;
  control->SetColor(CellEditorLooks(ACol, ARow, &font));
  control->Font()->Assign(font);
  link->ApplyEditorSettings();
  if (OnGetEditorProp) OnGetEditorProp(this, ACol, ARow, link);
  const plat::String text = EditCellText(DisplayToRealCol(ACol), ARow);
  link->SetSavedText(text);
  link->WriteEditorValue(text);
  FEdit.ActiveEditorControl = control;
  FEdit.EditInProgress = true;
  link->ActivateEditor(true);
  if (FEdit.PendingKey != 0) {
    plat::String typed;
    plat::AppendUtf8(typed, FEdit.PendingKey);
    FEdit.PendingKey = 0;
    for (unsigned char byte : typed) control->Perform(plat::WM_CHAR, byte, 0);
  }
}

void TExtStringGrid::EndCellEdit() {
  if (!FEdit.EditorActive) return;
  FEdit.EditorActive = false;
  if (InplaceEditor() && InplaceEditor()->Visible()) HideEditor();
  if (IsControlEditorType(FEdit.ActiveEditorType)) HideCellEditor(Col(), Row());
  InvalidateCell(Col(), Row());
}

void TExtStringGrid::InplaceEditorHidden() {
  if (!IsControlEditorType(FEdit.ActiveEditorType)) FEdit.EditorActive = false;
}

void TExtStringGrid::EditorTextToCell(int ACol, int ARow, const plat::String& Value) {
  plat::TStringGrid::SetEditText(ACol, ARow, Value);
  SetCellText(DisplayToRealCol(ACol), ARow, Value);
}

void TExtStringGrid::RestoreEditText() {
  const int realCol = CurrentRealCol();
  SetCellText(realCol, Row(), FEdit.EditStartText);
  RepaintCell(Col(), Row());
}

bool TExtStringGrid::CanEditCellAt(int ACol, int ARow) {
  const bool editing = Options().Contains(plat::TGridOption::goEditing) || FMouseActions->RangeSelectAndEdit() ||
                       FEdit.EditOptionSuspended;
  if (!editing) return false;
  const plat::TPoint base = GetBaseCell(ACol, ARow);
  bool can = true;
  CanEditCell(base.X, base.Y, can);
  bool fixed = false;
  IsFixedCell(base.X, base.Y, fixed);
  return can && !fixed;
}

plat::String TExtStringGrid::GetEditText(int ACol, int ARow) {
  const plat::TPoint base = GetBaseCell(DisplayToRealCol(ACol), ARow);
  plat::String text = GetCellText(base.X, base.Y);
  if (!FEditWithTags && ClassifyCellText(text, FEnableHTML) == CellTextHtml) text = StripHtml(text);
  // The in-place edit takes the looks and the password of the cell it loads.
  if (plat::TInplaceEdit* edit = InplaceEditor()) {
    plat::TFont font;
    edit->SetColor(CellEditorLooks(ACol, ARow, &font));
    edit->Font()->Assign(font);
    bool password = FEdit.ActiveEditorType == TEditorType::edPassword;
    IsPasswordCell(ACol, ARow, password);
    edit->SetPasswordChar(password ? FPasswordChar : '\0');
  }
  if (OnGetEditText) OnGetEditText(this, ACol, ARow, text);
  return text;
}

void TExtStringGrid::SetEditText(int ACol, int ARow, const plat::String& Value) {
  const plat::TPoint base = GetBaseCell(DisplayToRealCol(ACol), ARow);
  plat::TStringGrid::SetEditText(base.X, base.Y, Value);
  RepaintCell(ACol, ARow);
}

void TExtStringGrid::Click() {
  TBaseGrid::Click();
  StorePreEditText(Col(), Row());
}

void TExtStringGrid::EllipsisClicked(const plat::String& Text, plat::String& Result) {
  Result = Text;
  if (OnEllipsClick) OnEllipsClick(this, CurrentRealCol(), Row(), Result);
}

void TExtStringGrid::EditingDone() {
  if (OnEditingDone) OnEditingDone(this);
}

void TExtStringGrid::HandleEditorKey(std::uint16_t Key, plat::TShiftState) {
  EndCellEdit();
  if (CanFocus()) SetFocus();
  switch (Key) {
    case plat::VK_ESCAPE: break;
    case plat::VK_RETURN: AdvanceCell(Col(), Row(), false, true, false, false); break;
    default: Perform(plat::WM_KEYDOWN, Key, 0); break;
  }
}

void TExtStringGrid::MeasureEditText(int ACol, int ARow, const plat::String& Text, int& Width, int& Height) {
  plat::TFont font;
  CellEditorLooks(ACol, ARow, &font);
  plat::TCanvas* canvas = Canvas();
  canvas->Font()->Assign(font);
  const int lineHeight = canvas->TextHeight("Xg");
  int lines = 0;
  Width = 0;
  std::size_t from = 0;
  while (true) {
    const std::size_t end = Text.find('\n', from);
    plat::String line = Text.substr(from, end == plat::String::npos ? plat::String::npos : end - from);
    if (!line.empty() && line.back() == '\r') line.pop_back();
    Width = std::max(Width, canvas->TextWidth(line));
    ++lines;
    if (end == plat::String::npos) break;
    from = end + 1;
  }
  Width += 2 * CellHorzMargin + 4;
  Height = lines * lineHeight + 2 * CellVertMargin + 2;
}

}  // namespace zorbit
