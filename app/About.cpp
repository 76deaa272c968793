#include "app/About.h"

#include "app/FormPart.h"
#include "app/Translate.h"
#include "platform/gdi/TBitmap.h"
#include "platform/gdi/TPicture.h"
#include "platform/rtl/Format.h"
#include "platform/rtl/ResourceStrings.h"
#include "platform/rtl/RtlConsts.h"
#include "platform/rtl/StringList.h"
#include "platform/ui/LayoutHandlers.h"
#include "platform/ui/TApplication.h"
#include "platform/ui/TCustomLabel.h"
#include "platform/ui/TImage.h"
#include "service/ZorbitConfig.h"
#include "skin/SkImageButton.h"

namespace zorbit {

namespace {

constexpr const char* kProgramKey = "\\Software\\Ovra\\Zorbit";

void LoadPicture(plat::TPicture& Picture, const plat::String& Resource) {
  Picture.Bitmap()->LoadFromResourceName(nullptr, Resource);
}

plat::String ProgramVersion() {
  const plat::String version = ReadConfigString("Version", false, kProgramKey);
  return version.empty() ? VersionStrings().Values("ProductVersion") : version;
}

}  // namespace

TfmAbout::TfmAbout(plat::TComponent* AOwner) : TForm(AOwner) {
  plat::TLayoutHandlers handlers;
  handlers.RegisterHandler("FormCreate", this, &TfmAbout::FormCreate);
  handlers.RegisterHandler("FormActivate", this, &TfmAbout::FormActivate);
  handlers.RegisterHandler("lblCaptionMouseDown", this, &TfmAbout::lblCaptionMouseDown);
  handlers.RegisterHandler("lblCaptionMouseMove", this, &TfmAbout::lblCaptionMouseMove);
  handlers.RegisterHandler("btnCloseClick", this, &TfmAbout::btnCloseClick);
  handlers.RegisterHandler("skImageButton4Click", this, &TfmAbout::skImageButton4Click);
  CreateFromLayout("TfmAbout", handlers);
}

void TfmAbout::FormCreate(plat::TObject*) {
  FlblCaption = FormPart<plat::TLabel>(*this, "lblCaption");
  FlblProductName = FormPart<plat::TLabel>(*this, "lblProductName");
  FlblVersion = FormPart<plat::TLabel>(*this, "lblVersion");
  FbtnClose = FormPart<TskImageButton>(*this, "btnClose");
  FbtnOK = FormPart<TskImageButton>(*this, "btnOK");
  LoadPicture(*FormPart<plat::TImage>(*this, "Image2")->Picture(), "AboutBack");
  LoadPicture(*FormPart<plat::TImage>(*this, "Image3")->Picture(), "AboutMark");
  LoadPicture(*FormPart<plat::TImage>(*this, "Image1")->Picture(), "AboutRule");
  LoadPicture(*FbtnClose->PicNormal(), "AboutClose");
  FPressX = 0;
  FPressY = 0;
  Translate(kFormComponentSection, this);
}

void TfmAbout::FormActivate(plat::TObject*) {
  FbtnOK->SetCaption(plat::LoadResString(plat::SMsgDlgOK));
  FlblCaption->SetCaption(plat::Application->Title());
  FlblProductName->SetCaption(plat::Application->Title());
  FlblVersion->SetCaption(plat::Format("Version %s", {ProgramVersion()}));
}

void TfmAbout::lblCaptionMouseDown(plat::TObject*, plat::TMouseButton, plat::TShiftState, int X, int Y) {
  FPressX = X;
  FPressY = Y;
}

void TfmAbout::lblCaptionMouseMove(plat::TObject*, plat::TShiftState Shift, int X, int Y) {
  if (!Shift.Contains(plat::TShiftStateItem::ssLeft) || FPressX < 0) return;
  SetLeft(X + Left() - FPressX + 1);
  SetTop(Y + Top() - FPressY + 1);
}

void TfmAbout::btnCloseClick(plat::TObject*) { Close(); }

void TfmAbout::skImageButton4Click(plat::TObject*) { Close(); }

}  // namespace zorbit
