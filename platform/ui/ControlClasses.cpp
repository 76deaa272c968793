#include "platform/ui/ControlClasses.h"

#include "platform/ui/IdentMap.h"
#include "platform/ui/LayoutClasses.h"
#include "platform/ui/TAction.h"
#include "platform/ui/TActionList.h"
#include "platform/ui/TCustomControl.h"
#include "platform/ui/TForm.h"
#include "platform/ui/TGraphicControl.h"
#include "platform/ui/TImageList.h"
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
      .IntegerProperty("MaxHeight", &TSizeConstraints::SetMaxHeight)
      .IntegerProperty("MaxWidth", &TSizeConstraints::SetMaxWidth)
      .IntegerProperty("MinHeight", &TSizeConstraints::SetMinHeight)
      .IntegerProperty("MinWidth", &TSizeConstraints::SetMinWidth);

  RegisterLayoutClass<TPopupMenu, TComponent>("TPopupMenu").EventProperty("OnPopup", &TPopupMenu::OnPopup);

  RegisterLayoutClass<TControl, TComponent>("TControl")
      .IntegerProperty("Left", &TControl::SetLeft)
      .IntegerProperty("Top", &TControl::SetTop)
      .IntegerProperty("Width", &TControl::SetWidth)
      .IntegerProperty("Height", &TControl::SetHeight)
      .IntegerProperty("ClientWidth", &TControl::SetClientWidth)
      .IntegerProperty("ClientHeight", &TControl::SetClientHeight)
      .EnumProperty("Align", &TControl::SetAlign, kAlignNames)
      .ObjectProperty("Constraints", &TControl::Constraints)
      .BooleanProperty("AutoSize", &TControl::SetAutoSize)
      .BooleanProperty("Visible", &TControl::SetVisible)
      .BooleanProperty("Enabled", &TControl::SetEnabled)
      .StringProperty("Caption", &TControl::SetCaption)
      .StringProperty("Text", &TControl::SetText)
      .IntegerProperty("Color", &TControl::SetColor, ColorIdents())
      .BooleanProperty("ParentColor", &TControl::SetParentColor)
      .ObjectProperty("Font", &TControl::Font)
      .BooleanProperty("ParentFont", &TControl::SetParentFont)
      .IntegerProperty("Cursor", &TControl::SetCursor, kCursorIdents)
      .IntegerProperty("DragCursor", &TControl::SetDragCursor, kCursorIdents)
      .EnumProperty("DragMode", &TControl::SetDragMode, kDragModeNames)
      .StringProperty("Hint", &TControl::SetHint)
      .BooleanProperty("ShowHint", &TControl::SetShowHint)
      .BooleanProperty("ParentShowHint", &TControl::SetParentShowHint)
      .ComponentProperty("PopupMenu", &TControl::SetPopupMenu)
      .ComponentProperty("Action", &TControl::SetAction)
      .EnumProperty("BiDiMode", &TControl::SetBiDiMode, kBiDiModeNames)
      .BooleanProperty("ParentBiDiMode", &TControl::SetParentBiDiMode)
      .EventProperty("OnClick", &TControl::OnClick)
      .EventProperty("OnDblClick", &TControl::OnDblClick)
      .EventProperty("OnMouseDown", &TControl::OnMouseDown)
      .EventProperty("OnMouseUp", &TControl::OnMouseUp)
      .EventProperty("OnMouseMove", &TControl::OnMouseMove)
      .EventProperty("OnMouseWheel", &TControl::OnMouseWheel)
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
      .BooleanProperty("TabStop", &TWinControl::SetTabStop)
      .IntegerProperty("TabOrder", &TWinControl::SetTabOrder)
      .BooleanProperty("DoubleBuffered", &TWinControl::SetDoubleBuffered)
      .IntegerProperty("BorderWidth", &TWinControl::SetBorderWidth)
      .EventProperty("OnEnter", &TWinControl::OnEnter)
      .EventProperty("OnExit", &TWinControl::OnExit)
      .EventProperty("OnKeyDown", &TWinControl::OnKeyDown)
      .EventProperty("OnKeyUp", &TWinControl::OnKeyUp)
      .EventProperty("OnKeyPress", &TWinControl::OnKeyPress);

  RegisterLayoutClass<TCustomControl, TWinControl>("TCustomControl");

  RegisterLayoutClass<TCustomForm, TWinControl>("TCustomForm")
      .EnumProperty("BorderStyle", &TCustomForm::SetBorderStyle, kFormBorderStyleNames)
      .SetProperty("BorderIcons", &TCustomForm::SetBorderIcons, kBorderIconNames)
      .EnumProperty("Position", &TCustomForm::SetPosition, kPositionNames)
      .EnumProperty("WindowState", &TCustomForm::SetWindowState, kWindowStateNames)
      .BooleanProperty("KeyPreview", &TCustomForm::SetKeyPreview)
      .ComponentProperty("ActiveControl", &TCustomForm::SetActiveControl)
      .EventProperty("OnCreate", &TCustomForm::OnCreate)
      .EventProperty("OnDestroy", &TCustomForm::OnDestroy)
      .EventProperty("OnShow", &TCustomForm::OnShow)
      .EventProperty("OnHide", &TCustomForm::OnHide)
      .EventProperty("OnActivate", &TCustomForm::OnActivate)
      .EventProperty("OnDeactivate", &TCustomForm::OnDeactivate)
      .EventProperty("OnPaint", &TCustomForm::OnPaint)
      .EventProperty("OnClose", &TCustomForm::OnClose)
      .EventProperty("OnCloseQuery", &TCustomForm::OnCloseQuery);
  RegisterLayoutClass<TForm, TCustomForm>("TForm");

  RegisterLayoutClass<TTimer, TComponent>("TTimer")
      .BooleanProperty("Enabled", &TTimer::SetEnabled)
      .IntegerProperty("Interval", &TTimer::SetInterval)
      .EventProperty("OnTimer", &TTimer::OnTimer);

  RegisterLayoutClass<TImageList, TComponent>("TImageList")
      .IntegerProperty("Width", &TImageList::SetWidth)
      .IntegerProperty("Height", &TImageList::SetHeight);

  RegisterLayoutClass<TActionList, TComponent>("TActionList")
      .ComponentProperty("Images", &TActionList::SetImages)
      .EventProperty("OnExecute", &TActionList::OnExecute)
      .EventProperty("OnUpdate", &TActionList::OnUpdate);

  RegisterLayoutClass<TBasicAction, TComponent>("TBasicAction")
      .EventProperty("OnExecute", &TBasicAction::OnExecute)
      .EventProperty("OnUpdate", &TBasicAction::OnUpdate);
  RegisterLayoutClass<TAction, TBasicAction>("TAction")
      .StringProperty("Caption", &TAction::SetCaption)
      .BooleanProperty("Checked", &TAction::SetChecked)
      .BooleanProperty("Enabled", &TAction::SetEnabled)
      .StringProperty("Hint", &TAction::SetHint)
      .IntegerProperty("ImageIndex", &TAction::SetImageIndex)
      .BooleanProperty("Visible", &TAction::SetVisible)
      .StringProperty("Category", &TAction::SetCategory);
}

}  // namespace plat
