#include "app/BaseWindows.h"

#include "app/ApplyStyle.h"
#include "app/StringTable.h"
#include "platform/gdi/TBitmap.h"
#include "platform/gdi/TPicture.h"
#include "platform/ui/TImage.h"
#include "platform/ui/TCustomLabel.h"
#include "platform/ui/TCustomPanel.h"
#include "skin/SkForm.h"
#include "skin/SkMgr.h"

namespace zorbit {

namespace {

constexpr const char* kSkinFile = "msgbox.skn";

}  // namespace

TfmBaseUI::TfmBaseUI(plat::TComponent* AOwner) : TForm(AOwner) { CreateFromLayout("TfmBaseUI", Handlers()); }

plat::TLayoutHandlers TfmBaseUI::Handlers() {
  plat::TLayoutHandlers handlers;
  handlers.RegisterHandler("FormCreate", this, &TfmBaseUI::FormCreate);
  return handlers;
}

void TfmBaseUI::FormCreate(plat::TObject*) {
  FfmBase = Part<TskForm>("fmBase");
  FPanelBody = Part<plat::TPanel>("PanelBody");
  FOvraFileTheme = Part<TskFileTheme>("OvraFileTheme");
  FDesignedBodySize = {FPanelBody->Width(), FPanelBody->Height()};
  FPanelBody->SetAlign(plat::TAlign::alClient);
  FOvraFileTheme->SetThemeFile(kSkinFile);
  FfmBase->SetFileTheme(FOvraFileTheme);
  FfmBase->SetUIStyle(TskUIStyle::FromThemeFile);
  FfmBase->SetCaption("  " + FfmBase->Caption());
  GiveFileTheme(this, FOvraFileTheme);
}

void TfmBaseUI::PlaceInBodyCorner(plat::TControl* Control) const {
  constexpr int kRightMargin = 20;
  constexpr int kBottomMargin = 8;
  Control->SetLeft(FPanelBody->Width() - kRightMargin - Control->Width());
  Control->SetTop(FPanelBody->Height() - kBottomMargin - Control->Height());
}

void SizeClientToBody(TfmBaseUI& Window, int Width, int Height) {
  // The frame strips the system caption once the window exists: measure it as it will be shown.
  Window.HandleNeeded();
  plat::TPanel* body = Window.PanelBody();
  Window.SetClientHeight(Height + Window.ClientHeight() - body->Height());
  Window.SetClientWidth(Width + Window.ClientWidth() - body->Width());
}

TfmBaseDialog::TfmBaseDialog(plat::TComponent* AOwner) : TfmBaseUI(AOwner, TDeferLayout{}) {
  CreateFromLayout("TfmBaseDialog", Handlers());
}

plat::TLayoutHandlers TfmBaseDialog::Handlers() {
  plat::TLayoutHandlers handlers = TfmBaseUI::Handlers();
  handlers.RegisterHandler("FormCreate", this, &TfmBaseDialog::FormCreate);
  return handlers;
}

void TfmBaseDialog::FormCreate(plat::TObject* Sender) {
  TfmBaseUI::FormCreate(Sender);
  FPanelTitle = Part<plat::TPanel>("PanelTitle");
  FlbTitle = Part<plat::TLabel>("lbTitle");
  SizeClientToBody(*this, DesignedBodySize().X, DesignedBodySize().Y);
}

TfmBaseForm::TfmBaseForm(plat::TComponent* AOwner) : TfmBaseUI(AOwner, TDeferLayout{}) {
  CreateFromLayout("TfmBaseForm", Handlers());
}

plat::TLayoutHandlers TfmBaseForm::Handlers() {
  plat::TLayoutHandlers handlers = TfmBaseUI::Handlers();
  handlers.RegisterHandler("FormCreate", this, &TfmBaseForm::FormCreate);
  handlers.RegisterHandler("lbWWWClick", this, &TfmBaseForm::lbWWWClick);
  return handlers;
}

void TfmBaseForm::FormCreate(plat::TObject* Sender) {
  TfmBaseUI::FormCreate(Sender);
  FlbWWW = Part<plat::TLabel>("lbWWW");
  // The header's pictures are the program's own resources of the same names.
  for (const char* picture : {"MainLeft", "MainMiddle", "MainRight"})
    Part<plat::TImage>(plat::String("img") + picture)->Picture()->Bitmap()->LoadFromResourceName(nullptr, picture);
  SizeClientToBody(*this, DesignedBodySize().X, DesignedBodySize().Y);
  if (StringTable()) FlbWWW->SetHint(StringTable()->Lookup("Hint", "Tessaro Technology"));
}

}  // namespace zorbit
