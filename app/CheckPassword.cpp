#include "app/CheckPassword.h"

#include "app/ApplyStyle.h"
#include "app/OvraMessageBox.h"
#include "app/PasswordEdit.h"
#include "app/Translate.h"
#include "platform/ui/TApplication.h"
#include "platform/ui/TCustomLabel.h"
#include "platform/ui/TCustomPanel.h"
#include "service/NBFuncPassword.h"
#include "skin/SkButton.h"
#include "skin/SkEdit.h"
#include "skin/SkForm.h"

namespace zorbit {

namespace {

constexpr int kWindowWidth = 412;
constexpr int kWindowHeight = 231;
constexpr int kLabelLeft = 46;
constexpr int kBelowTitle = 20;
constexpr int kButtonGap = 6;

}  // namespace

TfmCheckPassword::TfmCheckPassword(plat::TComponent* AOwner) : TfmBaseDialog(AOwner, TDeferLayout{}) {
  plat::TLayoutHandlers handlers = Handlers();
  handlers.RegisterHandler("FormCreate", this, &TfmCheckPassword::FormCreate);
  handlers.RegisterHandler("FormShow", this, &TfmCheckPassword::FormShow);
  handlers.RegisterHandler("FormActivate", this, &TfmCheckPassword::FormActivate);
  handlers.RegisterHandler("btnOKClick", this, &TfmCheckPassword::btnOKClick);
  handlers.RegisterHandler("btnCancelClick", this, &TfmCheckPassword::btnCancelClick);
  CreateFromLayout("TfmCheckPassword", handlers);
}

void TfmCheckPassword::FormCreate(plat::TObject* Sender) {
  TfmBaseDialog::FormCreate(Sender);
  FedtPasswd = Part<TskEdit>("edtPasswd");
  FbtnOK = Part<TskButton>("btnOK");
  FbtnCancel = Part<TskButton>("btnCancel");
  auto* label1 = Part<plat::TLabel>("Label1");

  fmBase()->SetCaption(plat::Application->Title());
  SetWidth(kWindowWidth);
  SetHeight(kWindowHeight);
  label1->SetLeft(kLabelLeft);
  label1->SetTop(PanelTitle()->Height() + kBelowTitle);
  FedtPasswd->SetLeft(label1->Left());
  PlaceInBodyCorner(FbtnCancel);
  FbtnOK->SetLeft(FbtnCancel->Left() - kButtonGap - FbtnOK->Width());
  FbtnOK->SetTop(FbtnCancel->Top());
  ApplyStyle(this);
  MakePasswordEdit(*FedtPasswd, [this]() -> TVKeyPool& { return ModePool(); });
  FVerified = false;
  Translate(kFormComponentSection, this);
}

void TfmCheckPassword::FormShow(plat::TObject*) {
  FVerified = false;
  FedtPasswd->SetText("");
}

void TfmCheckPassword::FormActivate(plat::TObject*) {
  if (FedtPasswd->CanFocus()) FedtPasswd->SetFocus();
}

void TfmCheckPassword::btnOKClick(plat::TObject*) {
  FVerified = false;
  plat::String codes;
  if (DecodePasswordField(ModePool(), *FedtPasswd, codes))
    FVerified = FMode == pmUser ? VerifyUserPassword(codes) : VerifySupervisorPassword(codes);
  FedtPasswd->SetText("");
  if (FVerified) {
    SetModalResult(plat::mrOk);
  } else {
    SetModalResult(plat::mrNone);
    WindowMessage(*this, "HM000A", oiWarning, obOK);
  }
}

void TfmCheckPassword::btnCancelClick(plat::TObject*) {
  FedtPasswd->SetText("");
  FVerified = false;
  Close();
}

}  // namespace zorbit
