#include "platform/ui/StdControlClasses.h"

#include <array>

#include "platform/ui/IdentMap.h"
#include "platform/ui/LayoutClasses.h"
#include "platform/ui/TButton.h"
#include "platform/ui/TCustomCheckBox.h"
#include "platform/ui/TCustomComboBox.h"
#include "platform/ui/TCustomEdit.h"
#include "platform/ui/TCustomGroupBox.h"
#include "platform/ui/TCustomLabel.h"
#include "platform/ui/TCustomListBox.h"
#include "platform/ui/TCustomPanel.h"
#include "platform/ui/TDateTimePicker.h"
#include "platform/ui/TImage.h"
#include "platform/ui/TMaskEdit.h"
#include "platform/ui/TRadioButton.h"
#include "platform/ui/TSpeedButton.h"

namespace plat {

namespace {

constexpr const char* kAlignmentNames[] = {"taLeftJustify", "taRightJustify", "taCenter"};
constexpr const char* kBorderStyleNames[] = {"bsNone", "bsSingle"};
constexpr const char* kBevelNames[] = {"bvNone", "bvLowered", "bvRaised", "bvSpace"};
constexpr const char* kTextLayoutNames[] = {"tlTop", "tlCenter", "tlBottom"};
constexpr const char* kCheckBoxStateNames[] = {"cbUnchecked", "cbChecked", "cbGrayed"};
constexpr const char* kButtonLayoutNames[] = {"blGlyphLeft", "blGlyphRight", "blGlyphTop", "blGlyphBottom"};
constexpr const char* kEditCharCaseNames[] = {"ecNormal", "ecUpperCase", "ecLowerCase"};
constexpr const char* kListBoxStyleNames[] = {"lbStandard", "lbOwnerDrawFixed", "lbOwnerDrawVariable"};
constexpr const char* kComboBoxStyleNames[] = {"csDropDown", "csDropDownList", "csOwnerDrawFixed",
                                               "csOwnerDrawVariable"};
constexpr const char* kDateTimeKindNames[] = {"dtkDate", "dtkTime"};
constexpr const char* kDateModeNames[] = {"dmComboBox", "dmUpDown"};
constexpr const char* kDateFormatNames[] = {"dfShort", "dfLong"};

constexpr TIdentMapEntry kModalResultIdents[] = {
    {mrNone, "mrNone"},   {mrOk, "mrOk"},           {mrCancel, "mrCancel"},     {mrAbort, "mrAbort"},
    {mrRetry, "mrRetry"}, {mrIgnore, "mrIgnore"},   {mrYes, "mrYes"},           {mrNo, "mrNo"},
    {mrAll, "mrAll"},     {mrNoToAll, "mrNoToAll"}, {mrYesToAll, "mrYesToAll"},
};

// A password character is written as itself ("*") or as its code.
struct TPasswordCharIdents {
  std::array<char[2], 95> Names{};
  std::array<TIdentMapEntry, 95> Entries{};
  TPasswordCharIdents() {
    for (int i = 0; i < 95; ++i) {
      Names[i][0] = static_cast<char>(32 + i);
      Entries[i] = {32 + i, Names[i]};
    }
  }
};

std::span<const TIdentMapEntry> PasswordCharIdents() {
  static const TPasswordCharIdents idents;
  return idents.Entries;
}

}  // namespace

void RegisterStdControlClasses() {
  RegisterLayoutClass<TCustomPanel, TCustomControl>("TCustomPanel")
      .EnumProperty("Alignment", &TCustomPanel::Alignment, &TCustomPanel::SetAlignment, kAlignmentNames)
      .EnumProperty("BevelInner", &TCustomPanel::BevelInner, &TCustomPanel::SetBevelInner, kBevelNames)
      .EnumProperty("BevelOuter", &TCustomPanel::BevelOuter, &TCustomPanel::SetBevelOuter, kBevelNames)
      .IntegerProperty("BevelWidth", &TCustomPanel::BevelWidth, &TCustomPanel::SetBevelWidth)
      .EnumProperty("BorderStyle", &TCustomPanel::BorderStyle, &TCustomPanel::SetBorderStyle, kBorderStyleNames);
  RegisterLayoutClass<TPanel, TCustomPanel>("TPanel");

  RegisterLayoutClass<TCustomLabel, TGraphicControl>("TCustomLabel")
      .EnumProperty("Alignment", &TCustomLabel::Alignment, &TCustomLabel::SetAlignment, kAlignmentNames)
      .ComponentProperty("FocusControl", &TCustomLabel::FocusControl, &TCustomLabel::SetFocusControl)
      .EnumProperty("Layout", &TCustomLabel::Layout, &TCustomLabel::SetLayout, kTextLayoutNames)
      .BooleanProperty("ShowAccelChar", &TCustomLabel::ShowAccelChar, &TCustomLabel::SetShowAccelChar)
      .BooleanProperty("Transparent", &TCustomLabel::Transparent, &TCustomLabel::SetTransparent)
      .BooleanProperty("WordWrap", &TCustomLabel::WordWrap, &TCustomLabel::SetWordWrap);
  RegisterLayoutClass<TLabel, TCustomLabel>("TLabel");

  RegisterLayoutClass<TImage, TGraphicControl>("TImage")
      .BooleanProperty("Center", &TImage::Center, &TImage::SetCenter)
      .BooleanProperty("Stretch", &TImage::Stretch, &TImage::SetStretch)
      .BooleanProperty("Transparent", &TImage::Transparent, &TImage::SetTransparent);

  RegisterLayoutClass<TButtonControl, TCustomControl>("TButtonControl");
  RegisterLayoutClass<TButton, TButtonControl>("TButton")
      .BooleanProperty("Default", &TButton::Default, &TButton::SetDefault)
      .BooleanProperty("Cancel", &TButton::Cancel, &TButton::SetCancel)
      .IntegerProperty("ModalResult", &TButton::ModalResult, &TButton::SetModalResult, kModalResultIdents);
  RegisterLayoutClass<TCustomCheckBox, TButtonControl>("TCustomCheckBox")
      .BooleanProperty("AllowGrayed", &TCustomCheckBox::AllowGrayed, &TCustomCheckBox::SetAllowGrayed)
      .BooleanProperty("Checked", &TCustomCheckBox::Checked, &TCustomCheckBox::SetChecked)
      .EnumProperty("State", &TCustomCheckBox::State, &TCustomCheckBox::SetState, kCheckBoxStateNames);
  RegisterLayoutClass<TCheckBox, TCustomCheckBox>("TCheckBox");
  RegisterLayoutClass<TRadioButton, TButtonControl>("TRadioButton")
      .BooleanProperty("Checked", &TRadioButton::Checked, &TRadioButton::SetChecked);

  RegisterLayoutClass<TSpeedButton, TGraphicControl>("TSpeedButton")
      .BooleanProperty("AllowAllUp", &TSpeedButton::AllowAllUp, &TSpeedButton::SetAllowAllUp)
      .BooleanProperty("Down", &TSpeedButton::Down, &TSpeedButton::SetDown)
      .BooleanProperty("Flat", &TSpeedButton::Flat, &TSpeedButton::SetFlat)
      .IntegerProperty("GroupIndex", &TSpeedButton::GroupIndex, &TSpeedButton::SetGroupIndex)
      .EnumProperty("Layout", &TSpeedButton::Layout, &TSpeedButton::SetLayout, kButtonLayoutNames)
      .IntegerProperty("Margin", &TSpeedButton::Margin, &TSpeedButton::SetMargin)
      .IntegerProperty("NumGlyphs", &TSpeedButton::NumGlyphs, &TSpeedButton::SetNumGlyphs)
      .IntegerProperty("Spacing", &TSpeedButton::Spacing, &TSpeedButton::SetSpacing)
      .BooleanProperty("Transparent", &TSpeedButton::Transparent, &TSpeedButton::SetTransparent);

  RegisterLayoutClass<TCustomGroupBox, TCustomControl>("TCustomGroupBox");
  RegisterLayoutClass<TGroupBox, TCustomGroupBox>("TGroupBox");

  RegisterLayoutClass<TCustomEdit, TWinControl>("TCustomEdit")
      .BooleanProperty("AutoSelect", &TCustomEdit::AutoSelect, &TCustomEdit::SetAutoSelect)
      .EnumProperty("BorderStyle", &TCustomEdit::BorderStyle, &TCustomEdit::SetBorderStyle, kBorderStyleNames)
      .EnumProperty("CharCase", &TCustomEdit::CharCase, &TCustomEdit::SetCharCase, kEditCharCaseNames)
      .BooleanProperty("HideSelection", &TCustomEdit::HideSelection, &TCustomEdit::SetHideSelection)
      .IntegerProperty("MaxLength", &TCustomEdit::MaxLength, &TCustomEdit::SetMaxLength)
      .IntegerProperty("PasswordChar", &TCustomEdit::PasswordChar, &TCustomEdit::SetPasswordChar, PasswordCharIdents())
      .BooleanProperty("ReadOnly", &TCustomEdit::ReadOnly, &TCustomEdit::SetReadOnly)
      .EventProperty("OnChange", &TCustomEdit::OnChange);
  RegisterLayoutClass<TEdit, TCustomEdit>("TEdit");
  RegisterLayoutClass<TCustomMaskEdit, TCustomEdit>("TCustomMaskEdit")
      .StringProperty("EditMask", &TCustomMaskEdit::EditMask, &TCustomMaskEdit::SetEditMask);
  RegisterLayoutClass<TMaskEdit, TCustomMaskEdit>("TMaskEdit");

  RegisterLayoutClass<TCustomListBox, TWinControl>("TCustomListBox")
      .StringsProperty("Items", &TCustomListBox::Items)
      .IntegerProperty("ItemHeight", &TCustomListBox::ItemHeight, &TCustomListBox::SetItemHeight)
      .EnumProperty("Style", &TCustomListBox::Style, &TCustomListBox::SetStyle, kListBoxStyleNames)
      .BooleanProperty("MultiSelect", &TCustomListBox::MultiSelect, &TCustomListBox::SetMultiSelect)
      .BooleanProperty("ExtendedSelect", &TCustomListBox::ExtendedSelect, &TCustomListBox::SetExtendedSelect)
      .BooleanProperty("Sorted", &TCustomListBox::Sorted, &TCustomListBox::SetSorted)
      .EnumProperty("BorderStyle", &TCustomListBox::BorderStyle, &TCustomListBox::SetBorderStyle, kBorderStyleNames)
      .EventProperty("OnDrawItem", &TCustomListBox::OnDrawItem)
      .EventProperty("OnMeasureItem", &TCustomListBox::OnMeasureItem);
  RegisterLayoutClass<TListBox, TCustomListBox>("TListBox");

  RegisterLayoutClass<TCustomComboBox, TWinControl>("TCustomComboBox")
      .EnumProperty("Style", &TCustomComboBox::Style, &TCustomComboBox::SetStyle, kComboBoxStyleNames)
      .StringsProperty("Items", &TCustomComboBox::Items)
      .IntegerProperty("ItemIndex", &TCustomComboBox::ItemIndex, &TCustomComboBox::SetItemIndex)
      .IntegerProperty("DropDownCount", &TCustomComboBox::DropDownCount, &TCustomComboBox::SetDropDownCount)
      .IntegerProperty("ItemHeight", &TCustomComboBox::ItemHeight, &TCustomComboBox::SetItemHeight)
      .IntegerProperty("MaxLength", &TCustomComboBox::MaxLength, &TCustomComboBox::SetMaxLength)
      .BooleanProperty("Sorted", &TCustomComboBox::Sorted, &TCustomComboBox::SetSorted)
      .EventProperty("OnChange", &TCustomComboBox::OnChange)
      .EventProperty("OnSelect", &TCustomComboBox::OnSelect)
      .EventProperty("OnDropDown", &TCustomComboBox::OnDropDown)
      .EventProperty("OnCloseUp", &TCustomComboBox::OnCloseUp)
      .EventProperty("OnDrawItem", &TCustomComboBox::OnDrawItem)
      .EventProperty("OnMeasureItem", &TCustomComboBox::OnMeasureItem);
  RegisterLayoutClass<TComboBox, TCustomComboBox>("TComboBox");

  RegisterLayoutClass<TDateTimePicker, TWinControl>("TDateTimePicker")
      .EnumProperty("Kind", &TDateTimePicker::Kind, &TDateTimePicker::SetKind, kDateTimeKindNames)
      .EnumProperty("DateMode", &TDateTimePicker::DateMode, &TDateTimePicker::SetDateMode, kDateModeNames)
      .EnumProperty("DateFormat", &TDateTimePicker::DateFormat, &TDateTimePicker::SetDateFormat, kDateFormatNames)
      .StringProperty("Format", &TDateTimePicker::Format, &TDateTimePicker::SetFormat)
      .BooleanProperty("ShowCheckbox", &TDateTimePicker::ShowCheckbox, &TDateTimePicker::SetShowCheckbox)
      .BooleanProperty("Checked", &TDateTimePicker::Checked, &TDateTimePicker::SetChecked)
      .DateTimeProperty("MinDate", &TDateTimePicker::MinDate, &TDateTimePicker::SetMinDate)
      .DateTimeProperty("MaxDate", &TDateTimePicker::MaxDate, &TDateTimePicker::SetMaxDate)
      .DateTimeProperty("DateTime", &TDateTimePicker::DateTime, &TDateTimePicker::SetDateTime)
      .DateTimeProperty("Date", &TDateTimePicker::Date, &TDateTimePicker::SetDate)
      .DateTimeProperty("Time", &TDateTimePicker::Time, &TDateTimePicker::SetTime)
      .EventProperty("OnChange", &TDateTimePicker::OnChange)
      .EventProperty("OnDropDown", &TDateTimePicker::OnDropDown)
      .EventProperty("OnCloseUp", &TDateTimePicker::OnCloseUp);
}

}  // namespace plat
