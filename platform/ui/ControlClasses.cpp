#include "platform/ui/ControlClasses.h"

#include "platform/ui/IdentMap.h"
#include "platform/ui/LayoutClasses.h"
#include "platform/ui/TAction.h"
#include "platform/ui/TActionList.h"
#include "platform/ui/TCustomControl.h"
#include "platform/ui/TForm.h"
#include "platform/ui/TGraphicControl.h"
#include "platform/ui/TImageList.h"
#include "platform/ui/TMainMenu.h"
#include "platform/ui/TPopupMenu.h"
#include "platform/ui/TTimer.h"

namespace plat {

namespace {

constexpr const char* kAlignNames[] = {"alNone", "alTop", "alBottom", "alLeft", "alRight", "alClient", "alCustom"};
constexpr const char* kBiDiModeNames[] = {"bdLeftToRight", "bdRightToLeft", "bdRightToLeftNoAlign",
                                          "bdRightToLeftReadingOnly"};
constexpr const char* kDragModeNames[] = {"dmManual", "dmAutomatic"};
constexpr const char* kFormBorderStyleNames[] = {"bsNone",   "bsSingle",     "bsSizeable",
                                                 "bsDialog", "bsToolWindow", "bsSizeToolWin"};
constexpr const char* kBorderIconNames[] = {"biSystemMenu", "biMinimize", "biMaximize", "biHelp"};
constexpr const char* kPositionNames[] = {"poDesigned",     "poDefault",       "poDefaultPosOnly", "poDefaultSizeOnly",
                                          "poScreenCenter", "poDesktopCenter", "poMainFormCenter", "poOwnerFormCenter"};
constexpr const char* kWindowStateNames[] = {"wsNormal", "wsMinimized", "wsMaximized"};

constexpr TIdentMapEntry kCursorIdents[] = {
    {crDefault, "crDefault"},     {crNone, "crNone"},           {crArrow, "crArrow"},
    {crCross, "crCross"},         {crIBeam, "crIBeam"},         {crSizeNESW, "crSizeNESW"},
    {crSizeNS, "crSizeNS"},       {crSizeNWSE, "crSizeNWSE"},   {crSizeWE, "crSizeWE"},
    {crUpArrow, "crUpArrow"},     {crHourGlass, "crHourGlass"}, {crDrag, "crDrag"},
    {crNoDrop, "crNoDrop"},       {crHSplit, "crHSplit"},       {crVSplit, "crVSplit"},
    {crMultiDrag, "crMultiDrag"}, {crSQLWait, "crSQLWait"},     {crNo, "crNo"},
    {crAppStart, "crAppStart"},   {crHelp, "crHelp"},           {crHandPoint, "crHandPoint"},
    {crSizeAll, "crSizeAll"},     {crSize, "crSize"},
};

}  // namespace

void RegisterControlClasses() {
  RegisterLayoutClass<TSizeConstraints>("TSizeConstraints")
      .IntegerProperty("MaxHeight", &TSizeConstraints::MaxHeight, &TSizeConstraints::SetMaxHeight)
      .IntegerProperty("MaxWidth", &TSizeConstraints::MaxWidth, &TSizeConstraints::SetMaxWidth)
      .IntegerProperty("MinHeight", &TSizeConstraints::MinHeight, &TSizeConstraints::SetMinHeight)
      .IntegerProperty("MinWidth", &TSizeConstraints::MinWidth, &TSizeConstraints::SetMinWidth);

  RegisterLayoutClass<TControl, TComponent>("TControl")
      .IntegerProperty("Left", &TControl::Left, &TControl::SetLeft)
      .IntegerProperty("Top", &TControl::Top, &TControl::SetTop)
      .IntegerProperty("Width", &TControl::Width, &TControl::SetWidth)
      .IntegerProperty("Height", &TControl::Height, &TControl::SetHeight)
      .IntegerProperty("ClientWidth", &TControl::SetClientWidth)
      .IntegerProperty("ClientHeight", &TControl::SetClientHeight)
      .EnumProperty("Align", &TControl::Align, &TControl::SetAlign, kAlignNames)
      .ObjectProperty("Constraints", &TControl::Constraints)
      .BooleanProperty("AutoSize", &TControl::AutoSize, &TControl::SetAutoSize)
      .BooleanProperty("Visible", &TControl::Visible, &TControl::SetVisible)
      .BooleanProperty("Enabled", &TControl::Enabled, &TControl::SetEnabled)
      .StringProperty("Caption", &TControl::Caption, &TControl::SetCaption)
      .StringProperty("Text", &TControl::Text, &TControl::SetText)
      .IntegerProperty("Color", &TControl::Color, &TControl::SetColor, ColorIdents())
      .BooleanProperty("ParentColor", &TControl::ParentColor, &TControl::SetParentColor)
      .ObjectProperty("Font", &TControl::Font)
      .BooleanProperty("ParentFont", &TControl::ParentFont, &TControl::SetParentFont)
      .IntegerProperty("Cursor", &TControl::Cursor, &TControl::SetCursor, kCursorIdents)
      .IntegerProperty("DragCursor", &TControl::DragCursor, &TControl::SetDragCursor, kCursorIdents)
      .EnumProperty("DragMode", &TControl::DragMode, &TControl::SetDragMode, kDragModeNames)
      .StringProperty("Hint", &TControl::Hint, &TControl::SetHint)
      .BooleanProperty("ShowHint", &TControl::ShowHint, &TControl::SetShowHint)
      .BooleanProperty("ParentShowHint", &TControl::ParentShowHint, &TControl::SetParentShowHint)
      .ComponentProperty("PopupMenu", &TControl::PopupMenu, &TControl::SetPopupMenu)
      .ComponentProperty("Action", &TControl::Action, &TControl::SetAction)
      .EnumProperty("BiDiMode", &TControl::BiDiMode, &TControl::SetBiDiMode, kBiDiModeNames)
      .BooleanProperty("ParentBiDiMode", &TControl::ParentBiDiMode, &TControl::SetParentBiDiMode)
      .EventProperty("OnClick", &TControl::OnClick)
      .EventProperty("OnDblClick", &TControl::OnDblClick)
      .EventProperty("OnMouseDown", &TControl::OnMouseDown)
      .EventProperty("OnMouseUp", &TControl::OnMouseUp)
      .EventProperty("OnMouseMove", &TControl::OnMouseMove)
      .EventProperty("OnMouseWheel", &TControl::OnMouseWheel)
      .EventProperty("OnMouseWheelDown", &TControl::OnMouseWheelDown)
      .EventProperty("OnMouseWheelUp", &TControl::OnMouseWheelUp)
      .EventProperty("OnMouseEnter", &TControl::OnMouseEnter)
      .EventProperty("OnMouseLeave", &TControl::OnMouseLeave)
      .EventProperty("OnResize", &TControl::OnResize)
      .EventProperty("OnCanResize", &TControl::OnCanResize)
      .EventProperty("OnContextPopup", &TControl::OnContextPopup)
      .EventProperty("OnDragOver", &TControl::OnDragOver)
      .EventProperty("OnDragDrop", &TControl::OnDragDrop)
      .EventProperty("OnStartDrag", &TControl::OnStartDrag)
      .EventProperty("OnEndDrag", &TControl::OnEndDrag);

  RegisterLayoutClass<TGraphicControl, TControl>("TGraphicControl");

  RegisterLayoutClass<TWinControl, TControl>("TWinControl")
      .BooleanProperty("TabStop", &TWinControl::TabStop, &TWinControl::SetTabStop)
      .IntegerProperty("TabOrder", &TWinControl::TabOrder, &TWinControl::SetTabOrder)
      .BooleanProperty("DoubleBuffered", &TWinControl::DoubleBuffered, &TWinControl::SetDoubleBuffered)
      .IntegerProperty("BorderWidth", &TWinControl::BorderWidth, &TWinControl::SetBorderWidth)
      .BooleanProperty("Ctl3D", &TWinControl::Ctl3D, &TWinControl::SetCtl3D)
      .EventProperty("OnEnter", &TWinControl::OnEnter)
      .EventProperty("OnExit", &TWinControl::OnExit)
      .EventProperty("OnKeyDown", &TWinControl::OnKeyDown)
      .EventProperty("OnKeyUp", &TWinControl::OnKeyUp)
      .EventProperty("OnKeyPress", &TWinControl::OnKeyPress);

  RegisterLayoutClass<TCustomControl, TWinControl>("TCustomControl");

  RegisterLayoutClass<TCustomForm, TWinControl>("TCustomForm")
      .EnumProperty("BorderStyle", &TCustomForm::BorderStyle, &TCustomForm::SetBorderStyle, kFormBorderStyleNames)
      .SetProperty("BorderIcons", &TCustomForm::BorderIcons, &TCustomForm::SetBorderIcons, kBorderIconNames)
      .EnumProperty("Position", &TCustomForm::Position, &TCustomForm::SetPosition, kPositionNames)
      .EnumProperty("WindowState", &TCustomForm::WindowState, &TCustomForm::SetWindowState, kWindowStateNames)
      .BooleanProperty("KeyPreview", &TCustomForm::KeyPreview, &TCustomForm::SetKeyPreview)
      .ComponentProperty("ActiveControl", &TCustomForm::ActiveControl, &TCustomForm::SetActiveControl)
      .ComponentProperty("Menu", &TCustomForm::Menu, &TCustomForm::SetMenu)
      .EventProperty("OnCreate", &TCustomForm::OnCreate)
      .EventProperty("OnDestroy", &TCustomForm::OnDestroy)
      .EventProperty("OnShow", &TCustomForm::OnShow)
      .EventProperty("OnHide", &TCustomForm::OnHide)
      .EventProperty("OnActivate", &TCustomForm::OnActivate)
      .EventProperty("OnDeactivate", &TCustomForm::OnDeactivate)
      .EventProperty("OnPaint", &TCustomForm::OnPaint)
      .EventProperty("OnClose", &TCustomForm::OnClose)
      .EventProperty("OnCloseQuery", &TCustomForm::OnCloseQuery)
      .EventProperty("OnShortCut", &TCustomForm::OnShortCut);
  RegisterLayoutClass<TForm, TCustomForm>("TForm");

  RegisterLayoutClass<TTimer, TComponent>("TTimer")
      .BooleanProperty("Enabled", &TTimer::Enabled, &TTimer::SetEnabled)
      .IntegerProperty("Interval", &TTimer::Interval, &TTimer::SetInterval)
      .EventProperty("OnTimer", &TTimer::OnTimer);

  RegisterLayoutClass<TImageList, TComponent>("TImageList")
      .IntegerProperty("Width", &TImageList::Width, &TImageList::SetWidth)
      .IntegerProperty("Height", &TImageList::Height, &TImageList::SetHeight);

  RegisterLayoutClass<TActionList, TComponent>("TActionList")
      .ComponentProperty("Images", &TActionList::Images, &TActionList::SetImages)
      .EventProperty("OnExecute", &TActionList::OnExecute)
      .EventProperty("OnUpdate", &TActionList::OnUpdate);

  RegisterLayoutClass<TBasicAction, TComponent>("TBasicAction")
      .EventProperty("OnExecute", &TBasicAction::OnExecute)
      .EventProperty("OnUpdate", &TBasicAction::OnUpdate);
  RegisterLayoutClass<TAction, TBasicAction>("TAction")
      .StringProperty("Caption", &TAction::Caption, &TAction::SetCaption)
      .BooleanProperty("Checked", &TAction::Checked, &TAction::SetChecked)
      .BooleanProperty("Enabled", &TAction::Enabled, &TAction::SetEnabled)
      .StringProperty("Hint", &TAction::Hint, &TAction::SetHint)
      .IntegerProperty("ImageIndex", &TAction::ImageIndex, &TAction::SetImageIndex)
      .BooleanProperty("Visible", &TAction::Visible, &TAction::SetVisible)
      .StringProperty("Category", &TAction::Category, &TAction::SetCategory);
}

}  // namespace plat
