#include "app/AssetTag.h"

#include "app/ApplyStyle.h"
#include "app/OvraMessageBox.h"
#include "app/Translate.h"
#include "platform/rtl/StringUtils.h"
#include "platform/ui/TApplication.h"
#include "platform/ui/TCustomLabel.h"
#include "platform/ui/TCustomPanel.h"
#include "service/NBFuncAssetTag.h"
#include "skin/SkButton.h"
#include "skin/SkEdit.h"
#include "skin/SkForm.h"

namespace zorbit {

namespace {

constexpr int kWindowWidth = 412;
constexpr int kWindowHeight = 231;
constexpr int kLabelLeft = 46;
constexpr int kBelowTitle = 20;
constexpr const char* kStoreFailed = "HM0021";

// U+00FF and U+FFFD in UTF-8: what an unwritten field (bytes 255) reads as.
constexpr const char* kUnwrittenMarks[] = {"\xC3\xBF", "\xEF\xBF\xBD"};

}  // namespace

TfmAssetTag::TfmAssetTag(plat::TComponent* AOwner) : TfmBaseDialog(AOwner, TDeferLayout{}) {
  plat::TLayoutHandlers handlers = Handlers();
  handlers.RegisterHandler("FormCreate", this, &TfmAssetTag::FormCreate);
  handlers.RegisterHandler("btnOKClick", this, &TfmAssetTag::btnOKClick);
  CreateFromLayout("TfmAssetTag", handlers);
}

void TfmAssetTag::FormCreate(plat::TObject* Sender) {
  TfmBaseDialog::FormCreate(Sender);
  FedtTag = Part<TskEdit>("edtTag");
  FbtnOK = Part<TskButton>("btnOK");
  auto* label1 = Part<plat::TLabel>("Label1");

  SetWidth(kWindowWidth);
  SetHeight(kWindowHeight);
  label1->SetLeft(kLabelLeft);
  label1->SetTop(PanelTitle()->Height() + kBelowTitle);
  FedtTag->SetLeft(label1->Left());
  PlaceInBodyCorner(FbtnOK);
  ApplyStyle(this);
  fmBase()->SetCaption(plat::Application->Title());
  Translate(kFormComponentSection, this);
}

bool TfmAssetTag::NoTagStored(const plat::String& StoredTag) {
  for (const char* mark : kUnwrittenMarks)
    if (StoredTag.starts_with(mark)) return true;
  return StoredTag.empty();
}

plat::String TfmAssetTag::ShownTag(const plat::String& StoredTag) {
  return NoTagStored(StoredTag) ? plat::String() : plat::Trim(StoredTag);
}

bool TfmAssetTag::Execute(plat::String& Tag) {
  plat::String stored;
  if (!GetAssetTag(stored)) return false;
  FedtTag->SetText(ShownTag(stored));
  FOKPressed = false;
  ShowModal();
  if (FOKPressed) Tag = FedtTag->Text();
  return FOKPressed;
}

void TfmAssetTag::btnOKClick(plat::TObject*) {
  FStored = SetAssetTag(FedtTag->Text());
  FOKPressed = FStored;
  if (!FStored) {
    SetModalResult(plat::mrNone);
    WindowMessage(*this, kStoreFailed, oiWarning, obOK);
    return;
  }
  Close();
}

}  // namespace zorbit
