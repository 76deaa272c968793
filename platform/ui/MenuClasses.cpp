#include "platform/ui/MenuClasses.h"

#include "platform/ui/LayoutClasses.h"
#include "platform/ui/TBasicAction.h"
#include "platform/ui/TImageList.h"
#include "platform/ui/TMainMenu.h"
#include "platform/ui/TPopupMenu.h"
#include "platform/ui/UiConsts.h"

namespace plat {

namespace {

constexpr const char* kMenuAutoFlagNames[] = {"maAutomatic", "maManual", "maParent"};
constexpr const char* kMenuBreakNames[] = {"mbNone", "mbBreak", "mbBarBreak"};
constexpr const char* kPopupAlignmentNames[] = {"paLeft", "paRight", "paCenter"};
constexpr const char* kTrackButtonNames[] = {"tbRightButton", "tbLeftButton"};

TShortCut ShortCutFromLayout(const String& Text) {
  if (Text.empty()) return scNone;
  const TShortCut value = TextToShortCut(Text);
  if (value == scNone) throw EMenuError(FmtLoadResString(SInvalidShortCut, {Text}));
  return value;
}

}  // namespace

void RegisterMenuClasses() {
  RegisterLayoutClass<TMenuItem, TComponent>("TMenuItem")
      .StringProperty("Caption", &TMenuItem::Caption, &TMenuItem::SetCaption)
      .TextProperty("ShortCut", &TMenuItem::ShortCut, &TMenuItem::SetShortCut, &ShortCutFromLayout, &ShortCutToText)
      .BooleanProperty("Checked", &TMenuItem::Checked, &TMenuItem::SetChecked)
      .BooleanProperty("RadioItem", &TMenuItem::RadioItem, &TMenuItem::SetRadioItem)
      .IntegerProperty("GroupIndex", &TMenuItem::GroupIndex, &TMenuItem::SetGroupIndex)
      .BooleanProperty("AutoCheck", &TMenuItem::AutoCheck, &TMenuItem::SetAutoCheck)
      .BooleanProperty("Default", &TMenuItem::Default, &TMenuItem::SetDefault)
      .BooleanProperty("Enabled", &TMenuItem::Enabled, &TMenuItem::SetEnabled)
      .BooleanProperty("Visible", &TMenuItem::Visible, &TMenuItem::SetVisible)
      .IntegerProperty("ImageIndex", &TMenuItem::ImageIndex, &TMenuItem::SetImageIndex)
      .StringProperty("Hint", &TMenuItem::Hint, &TMenuItem::SetHint)
      .EnumProperty("Break", &TMenuItem::Break, &TMenuItem::SetBreak, kMenuBreakNames)
      .ComponentProperty("Action", &TMenuItem::Action, &TMenuItem::SetAction)
      .EventProperty("OnClick", &TMenuItem::OnClick)
      .EventProperty("OnMeasureItem", &TMenuItem::OnMeasureItem)
      .EventProperty("OnDrawItem", &TMenuItem::OnDrawItem)
      .EventProperty("OnAdvancedDrawItem", &TMenuItem::OnAdvancedDrawItem);

  RegisterLayoutClass<TMenu, TComponent>("TMenu")
      .ComponentProperty("Images", &TMenu::Images, &TMenu::SetImages)
      .BooleanProperty("OwnerDraw", &TMenu::OwnerDraw, &TMenu::SetOwnerDraw)
      .EnumProperty("AutoHotkeys", &TMenu::AutoHotkeys, &TMenu::SetAutoHotkeys, kMenuAutoFlagNames)
      .EnumProperty("AutoLineReduction", &TMenu::AutoLineReduction, &TMenu::SetAutoLineReduction, kMenuAutoFlagNames)
      .EventProperty("OnChange", &TMenu::OnChange);
  RegisterLayoutClass<TMainMenu, TMenu>("TMainMenu");
  RegisterLayoutClass<TPopupMenu, TMenu>("TPopupMenu")
      .EnumProperty("Alignment", &TPopupMenu::Alignment, &TPopupMenu::SetAlignment, kPopupAlignmentNames)
      .BooleanProperty("AutoPopup", &TPopupMenu::AutoPopup, &TPopupMenu::SetAutoPopup)
      .EnumProperty("TrackButton", &TPopupMenu::TrackButton, &TPopupMenu::SetTrackButton, kTrackButtonNames)
      .EventProperty("OnPopup", &TPopupMenu::OnPopup);
}

}  // namespace plat
