#include "app/OvraMessageBox.h"

#include <exception>
#include <vector>

#include "platform/gdi/TBitmap.h"
#include "platform/gdi/TCanvas.h"
#include "platform/gdi/TFont.h"
#include "platform/gdi/TPicture.h"
#include "platform/rtl/ResourceStrings.h"
#include "platform/rtl/RtlConsts.h"
#include "platform/rtl/StringUtils.h"
#include "platform/ui/TApplication.h"
#include "platform/ui/TCustomLabel.h"
#include "platform/ui/TCustomPanel.h"
#include "platform/ui/TImage.h"
#include "platform/win/Icons.h"
#include "app/StringTable.h"
#include "service/GenericAPI.h"
#include "skin/SkButton.h"
#include "skin/SkForm.h"

namespace zorbit {

namespace {

TfmOvraMessageBox* gWindow = nullptr;

constexpr int kBodyWidth = 400;
constexpr int kBodyHeight = 200;
constexpr int kTextLeftBesidePicture = 88;
constexpr int kTextLeftAlone = 28;
constexpr int kButtonWidth = 105;
constexpr int kButtonHeight = 25;
constexpr int kButtonPitch = 111;
constexpr int kButtonRightMargin = 8;
constexpr int kButtonBottomMargin = 31;
constexpr plat::TColor kButtonTextColor = 0x3C3C19;

struct TButtonKind {
  const plat::TResStringRec* Caption;
  plat::TModalResult Result;
  bool Default;
  bool Cancel;
};

const TButtonKind kOK{&plat::SMsgDlgOK, plat::mrOk, true, false};
const TButtonKind kCancel{&plat::SMsgDlgCancel, plat::mrCancel, false, true};
const TButtonKind kAbort{&plat::SMsgDlgAbort, plat::mrAbort, false, false};
const TButtonKind kRetry{&plat::SMsgDlgRetry, plat::mrRetry, false, false};
const TButtonKind kIgnore{&plat::SMsgDlgIgnore, plat::mrIgnore, false, false};
const TButtonKind kYes{&plat::SMsgDlgYes, plat::mrYes, true, false};
const TButtonKind kNo{&plat::SMsgDlgNo, plat::mrNo, false, true};

// The buttons of each set, from the right.
std::vector<const TButtonKind*> ButtonSet(int Buttons) {
  switch (Buttons) {
    case obOKCancel: return {&kCancel, &kOK};
    case obAbortRetryIgnore: return {&kIgnore, &kRetry, &kAbort};
    case obYesNoCancel: return {&kCancel, &kNo, &kYes};
    case obYesNo: return {&kNo, &kYes};
    case obRetryCancel: return {&kCancel, &kRetry};
    default: return {&kOK};
  }
}

// One of the platform's standard icons as the picture of Image.
void DrawStandardIcon(plat::TImage* Image, const char* IconName) {
  plat::TBitmap* bitmap = Image->Picture()->Bitmap();
  bitmap->SetSize(Image->Width(), Image->Height());
  bitmap->Canvas()->Brush()->SetColor(plat::clWhite);
  bitmap->Canvas()->FillRect(plat::TRect{0, 0, Image->Width(), Image->Height()});
  plat::DrawIconEx(bitmap->Canvas()->Handle(), 0, 0, plat::LoadIcon(nullptr, IconName), Image->Width(),
                   Image->Height(), 0, nullptr, plat::DI_NORMAL);
}

}  // namespace

TfmOvraMessageBox::TfmOvraMessageBox(plat::TComponent* AOwner) : TfmBaseDialog(AOwner, TDeferLayout{}) {
  plat::TLayoutHandlers handlers = Handlers();
  handlers.RegisterHandler("FormCreate", this, &TfmOvraMessageBox::FormCreate);
  CreateFromLayout("TfmOvraMessageBox", handlers);
}

TfmOvraMessageBox::~TfmOvraMessageBox() {
  if (gWindow == this) gWindow = nullptr;
}

void TfmOvraMessageBox::FormCreate(plat::TObject* Sender) {
  TfmBaseDialog::FormCreate(Sender);
  FlblText = Part<plat::TLabel>("lblText");
  FImgError = Part<plat::TImage>("Img_Error");
  FImgInfo = Part<plat::TImage>("Img_Info");
  FImgWarning = Part<plat::TImage>("Img_Warning");
  DrawStandardIcon(FImgError, plat::IDI_HAND);
  DrawStandardIcon(FImgInfo, plat::IDI_ASTERISK);
  DrawStandardIcon(FImgWarning, plat::IDI_EXCLAMATION);
}

void TfmOvraMessageBox::Prepare(const plat::String& Caption, const plat::String& Title, const plat::String& Text,
                                int Icon, int Buttons) {
  fmBase()->SetCaption(Caption);
  lbTitle()->SetCaption(Title);
  FlblText->SetCaption(Text);
  ShowIcon(Icon);
  SizeClientToBody(*this, kBodyWidth, kBodyHeight);
  MakeButtons(Buttons);
}

void TfmOvraMessageBox::ShowIcon(int Icon) {
  for (plat::TImage* image : {FImgError, FImgInfo, FImgWarning}) image->SetVisible(false);
  plat::TImage* shown = nullptr;
  switch (Icon) {
    case oiError: shown = FImgError; break;
    case oiInformation: shown = FImgInfo; break;
    case oiWarning:
    case oiWarningToo: shown = FImgWarning; break;
    default: break;
  }
  if (shown) shown->SetVisible(true);
  // Placed every time: a message without a picture must not leave the next one's text at the edge.
  FlblText->SetLeft(shown ? kTextLeftBesidePicture : kTextLeftAlone);
}

void TfmOvraMessageBox::MakeButtons(int Buttons) {
  plat::TPanel* body = PanelBody();
  for (int i = body->ControlCount() - 1; i >= 0; --i)
    if (auto* old = dynamic_cast<TskButton*>(body->Controls(i))) delete old;

  const std::vector<const TButtonKind*> kinds = ButtonSet(Buttons);
  for (std::size_t k = 0; k < kinds.size(); ++k) {
    const TButtonKind& kind = *kinds[k];
    auto* button = new TskButton(this);
    button->SetParent(body);
    button->SetFileTheme(OvraFileTheme());
    button->SetUIStyle(TskUIStyle::FromThemeFile);
    button->SetFocusedRectMargin(5);
    button->Font()->SetName("Arial");
    button->Font()->SetHeight(-12);
    button->Font()->SetStyle({plat::TFontStyle::fsBold});
    button->Font()->SetPitch(plat::TFontPitch::fpFixed);
    button->Font()->SetColor(kButtonTextColor);
    const int left = body->Width() - static_cast<int>(k + 1) * kButtonPitch - kButtonRightMargin;
    button->SetBounds(left, body->Height() - kButtonBottomMargin, kButtonWidth, kButtonHeight);
    button->SetCaption(plat::StringReplace(plat::LoadResString(*kind.Caption), "&", "", plat::rfReplaceAll));
    button->SetModalResult(kind.Result);
    button->SetDefault(kind.Default);
    button->SetCancel(kind.Cancel);
  }
}

TfmOvraMessageBox* OvraMessageBoxWindow() { return gWindow; }

void InitializeMessageBox() {
  if (!gWindow) gWindow = new TfmOvraMessageBox(plat::Application);
}

std::uint16_t OvraMessageBox(const void*, const plat::String& Caption, const plat::String& Title,
                             const plat::String& Text, int Icon, int Buttons, int) {
  if (!gWindow) return 0;
  try {
    gWindow->Prepare(Caption, Title, Text, Icon, Buttons);
    return static_cast<std::uint16_t>(gWindow->ShowModal());
  } catch (const std::exception& error) {
    WriteLog(plat::String("[OvraMessageBox]:") + error.what());
    return 0;
  }
}

int WindowMessage(TfmBaseDialog& Window, const plat::String& Code, int Icon, int Buttons) {
  const plat::String text = StringTable() ? StringTable()->Lookup("Messages", Code) : Code;
  return OvraMessageBox(nullptr, plat::Application->Title(), plat::Trim(Window.lbTitle()->Caption()), text, Icon,
                        Buttons, 0);
}

}  // namespace zorbit
