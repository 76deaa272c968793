#include "app/ZorbitMain.h"

#include <memory>

#include "app/About.h"
#include "app/ApplyStyle.h"
#include "app/HelpLauncher.h"
#include "app/Localization.h"
#include "app/SetBootOptions.h"
#include "app/SystemInfo.h"
#include "app/SetSystemPassword.h"
#include "app/Translate.h"
#include "grid/TMarkupLabel.h"
#include "platform/gdi/TBitmap.h"
#include "platform/gdi/TPicture.h"
#include "platform/ui/TApplication.h"
#include "platform/ui/TCustomLabel.h"
#include "platform/ui/TCustomPanel.h"
#include "platform/win/VirtualKeys.h"
#include "service/GenericShellAPI.h"
#include "skin/SkForm.h"
#include "skin/SkImageButton.h"
#include "skin/SkImagePanel.h"

namespace zorbit {
namespace {

constexpr int kWindowWidth = 652;
constexpr int kWindowHeight = 511;
constexpr int kBodyWidth = 640;
constexpr int kBodyHeight = 480;
constexpr int kTextGap = 6;
constexpr const char* kHelpFile = "ZHELP_ZorbitN.CHM";
constexpr const char* kHelpTopic = "/html/ZRHELP.htm";

struct TLinkPlace {
  const char* Picture;
  int X;
  int Y;
};
constexpr TLinkPlace kLinkPlaces[] = {{"imgSecurity", 158, 199}, {"imgBootOptions", 158, 348}, {"imgSysInfo", 458, 199}};

}  // namespace

TfmZorbitMain::TfmZorbitMain(plat::TComponent* AOwner) : TfmBaseForm(AOwner, TDeferLayout{}) {
  plat::TLayoutHandlers handlers = Handlers();
  using T = TfmZorbitMain;
  handlers.RegisterHandler("FormCreate", this, &T::FormCreate);
  handlers.RegisterHandler("FormKeyUp", this, &T::FormKeyUp);
  handlers.RegisterHandler("FormActivate", this, &T::FormActivate);
  handlers.RegisterHandler("FormDeactivate", this, &T::FormDeactivate);
  handlers.RegisterHandler("FormPaint", this, &T::FormPaint);
  handlers.RegisterHandler("imgSecurityClick", this, &T::imgSecurityClick);
  handlers.RegisterHandler("lbSecurityClick", this, &T::lbSecurityClick);
  handlers.RegisterHandler("imgBootOptionsClick", this, &T::imgBootOptionsClick);
  handlers.RegisterHandler("lbBootOptionsClick", this, &T::lbBootOptionsClick);
  handlers.RegisterHandler("imgSysInfoClick", this, &T::imgSysInfoClick);
  handlers.RegisterHandler("lbSysInfoClick", this, &T::lbSysInfoClick);
  handlers.RegisterHandler("btnHelpClick", this, &T::btnHelpClick);
  handlers.RegisterHandler("btnAboutClick", this, &T::btnAboutClick);
  CreateFromLayout("TfmZorbitMain", handlers);
}

void TfmZorbitMain::FormCreate(plat::TObject* Sender) {
  SetHeight(kWindowHeight);
  SetWidth(kWindowWidth);
  plat::TPanel* body = Part<plat::TPanel>("PanelBody");
  body->SetHeight(kBodyHeight);
  body->SetWidth(kBodyWidth);
  TfmBaseForm::FormCreate(Sender);

  fmBase()->SetCaption(plat::Application->Title());
  Part<plat::TLabel>("lbCaption")->SetCaption(plat::Application->Title());
  for (const TLinkPlace& place : kLinkPlaces) PlaceInFrame(Part<TskImagePanel>(place.Picture), place.X, place.Y);
  LoadPictures();
  FimgSecurity = Part<TskImagePanel>("imgSecurity");
  FhlbSecurity = Part<TMarkupLabel>("hlbSecurity");
  PlaceUnder(FhlbSecurity, FimgSecurity);
  PlaceUnder(Part<TMarkupLabel>("hlbBootOptions"), Part<TskImagePanel>("imgBootOptions"));
  ApplyStyle(this);

  Translate(kFormComponentSection, this);
  // The System Info window takes its page pictures from this pool later.
  if (TFilePool* pool = FilePool()) pool->LoadImages(GetExeDir() + "pfqtheme.ini", "MainBitmaps");
}

void TfmZorbitMain::LoadPictures() {
  const auto load = [](plat::TPicture& Picture, const char* Resource) {
    Picture.Bitmap()->LoadFromResourceName(nullptr, Resource);
  };
  load(*Part<TskImagePanel>("SubPanelBody")->Picture(), "MainBody");
  for (const TLinkPlace& place : kLinkPlaces) load(*Part<TskImagePanel>(place.Picture)->Picture(), "MainLink");
  for (const char* button : {"btnHelp", "btnAbout"}) load(*Part<TskImageButton>(button)->PicNormal(), "MainButton");
}

void TfmZorbitMain::PlaceInFrame(plat::TControl* Control, int X, int Y) {
  for (const plat::TControl* parent : {static_cast<const plat::TControl*>(PanelBody()),
                                      static_cast<const plat::TControl*>(Control->Parent())}) {
    X -= parent->Left();
    Y -= parent->Top();
  }
  Control->SetLeft(X);
  Control->SetTop(Y);
}

void TfmZorbitMain::PlaceUnder(plat::TControl* Text, const plat::TControl* Picture) {
  Text->SetLeft(Picture->Left());
  Text->SetTop(Picture->Top() + Picture->Height() + kTextGap);
}

void TfmZorbitMain::FormKeyUp(plat::TObject*, std::uint16_t& Key, plat::TShiftState) {
  if (Key == plat::VK_F1) Part<TskImageButton>("btnHelp")->Click();
}

void TfmZorbitMain::ActSecurityExecute() {
  const std::unique_ptr<TfmSetSystemPassword> window = std::make_unique<TfmSetSystemPassword>(this);
  Translate(kFormComponentSection, window.get());
  window->Refresh();
  window->ShowModal();
}

void TfmZorbitMain::ActBootOptionsExecute() {
  const std::unique_ptr<TfmSetBootOptions> window = std::make_unique<TfmSetBootOptions>(this);
  Translate(kFormComponentSection, window.get());
  window->ShowModal();
}

void TfmZorbitMain::ActSystemInfoExecute() {
  const std::unique_ptr<TfmSystemInfo> window = std::make_unique<TfmSystemInfo>(this);
  Translate(kFormComponentSection, window.get());
  window->ShowModal();
}

void TfmZorbitMain::ActAboutExecute() {
  // Without owner: freed right after it closes, not with this window.
  const std::unique_ptr<TfmAbout> window = std::make_unique<TfmAbout>(nullptr);
  Translate(kFormComponentSection, window.get());
  window->ShowModal();
}

void TfmZorbitMain::ActHelpExecute() {
  TFilePool* pool = FilePool();
  ShowHelpTopic(pool ? pool->GetFile(kHelpFile) : plat::String(), kHelpTopic, "", 0);
}

}  // namespace zorbit
