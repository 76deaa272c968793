#include "platform/ui/Dialogs.h"

#include <algorithm>
#include <array>
#include <optional>

#include "platform/gdi/DCStateSaver.h"
#include "platform/gdi/DrawText.h"
#include "platform/gdi/Font.h"
#include "platform/rtl/RtlConsts.h"
#include "platform/rtl/ScopeExit.h"
#include "platform/ui/TApplication.h"
#include "platform/ui/TButton.h"
#include "platform/ui/TCustomLabel.h"
#include "platform/win/Icons.h"
#include "platform/win/SystemMetrics.h"
#include "platform/win/WindowDC.h"

namespace plat {
namespace {

// Spacing in pixels at 96 DPI.
constexpr int HorzMargin = 8;
constexpr int VertMargin = 8;
constexpr int HorzSpacing = 10;
constexpr int VertSpacing = 10;
constexpr int ButtonMinWidth = 75;
constexpr int ButtonHeight = 25;
constexpr int ButtonSpacing = 4;
constexpr int IconSize = 32;

struct TButtonSpec {
  const char* Name;
  const TResStringRec* Caption;
  TModalResult Result;
};

// In the order of TMsgDlgBtn.
const std::array<TButtonSpec, 11> ButtonSpecs{{
    {"Yes", &SMsgDlgYes, mrYes},
    {"No", &SMsgDlgNo, mrNo},
    {"OK", &SMsgDlgOK, mrOk},
    {"Cancel", &SMsgDlgCancel, mrCancel},
    {"Abort", &SMsgDlgAbort, mrAbort},
    {"Retry", &SMsgDlgRetry, mrRetry},
    {"Ignore", &SMsgDlgIgnore, mrIgnore},
    {"All", &SMsgDlgAll, mrAll},
    {"NoToAll", &SMsgDlgNoToAll, mrNoToAll},
    {"YesToAll", &SMsgDlgYesToAll, mrYesToAll},
    {"Help", &SMsgDlgHelp, mrNone},
}};

const TButtonSpec& SpecOf(TMsgDlgBtn Button) { return ButtonSpecs[static_cast<std::size_t>(Button)]; }

// The type's title and standard icon (none for mtCustom).
const TResStringRec* TitleOf(TMsgDlgType DlgType) {
  switch (DlgType) {
    case TMsgDlgType::mtWarning: return &SMsgDlgWarning;
    case TMsgDlgType::mtError: return &SMsgDlgError;
    case TMsgDlgType::mtInformation: return &SMsgDlgInformation;
    case TMsgDlgType::mtConfirmation: return &SMsgDlgConfirm;
    case TMsgDlgType::mtCustom: return nullptr;
  }
  return nullptr;
}

const char* IconOf(TMsgDlgType DlgType) {
  switch (DlgType) {
    case TMsgDlgType::mtWarning: return IDI_EXCLAMATION;
    case TMsgDlgType::mtError: return IDI_HAND;
    case TMsgDlgType::mtInformation: return IDI_ASTERISK;
    case TMsgDlgType::mtConfirmation: return IDI_QUESTION;
    case TMsgDlgType::mtCustom: return nullptr;
  }
  return nullptr;
}

// The dialog's form: it paints its icon itself.
class TMessageForm : public TForm {
 public:
  TMessageForm(TComponent* AOwner, const char* IconName) : TForm(AOwner), FIconName(IconName) {}

 protected:
  void Paint() override {
    if (FIconName)
      DrawIconEx(Canvas()->Handle(), HorzMargin, VertMargin, LoadIcon(nullptr, FIconName), IconSize, IconSize, 0,
                 nullptr, DI_NORMAL);
    TForm::Paint();
  }

 private:
  const char* FIconName;
};

// The size of a text in a font, wrapped at most Width wide.
TSize MeasureText(TFont* Font, const String& Text, int Width, UINT Format) {
  const HDC dc = GetDC(nullptr);
  const ScopeExit released([dc] { ReleaseDC(nullptr, dc); });
  const DCStateSaver saved(dc);
  SelectObject(dc, Font->Handle());
  RECT r{0, 0, Width, 0};
  DrawTextA(dc, Text.c_str(), static_cast<int>(Text.size()), &r, Format | DT_CALCRECT);
  return {r.Width(), r.Height()};
}

}  // namespace

TForm* CreateMessageDialog(const String& Msg, TMsgDlgType DlgType, TMsgDlgButtons Buttons) {
  if (Buttons.Empty()) Buttons = {TMsgDlgBtn::mbOK};
  auto form = std::make_unique<TMessageForm>(Application, IconOf(DlgType));
  form->SetBorderStyle(TFormBorderStyle::bsDialog);
  form->SetPosition(TPosition::poScreenCenter);
  NONCLIENTMETRICS metrics;
  if (SystemParametersInfo(SPI_GETNONCLIENTMETRICS, sizeof(metrics), &metrics, 0))
    form->Font()->SetHandle(CreateFontIndirectA(&metrics.lfMessageFont));
  const TResStringRec* title = TitleOf(DlgType);
  form->SetCaption(title ? LoadResString(*title) : Application ? Application->Title() : String());

  // The text, wrapped at half the screen's width.
  const int textLeft = HorzMargin + (IconOf(DlgType) ? IconSize + HorzSpacing : 0);
  const UINT textFormat = DT_EXPANDTABS | DT_WORDBREAK | DT_NOPREFIX;
  const TSize text = MeasureText(form->Font(), Msg, std::max(GetSystemMetrics(SM_CXSCREEN) / 2, 100), textFormat);

  // The buttons: as wide as the widest caption needs, at least the standard width.
  std::vector<TMsgDlgBtn> buttons;
  int buttonWidth = ButtonMinWidth;
  for (std::size_t i = 0; i < ButtonSpecs.size(); ++i) {
    const auto b = static_cast<TMsgDlgBtn>(i);
    if (!Buttons.Contains(b)) continue;
    buttons.push_back(b);
    const String caption = LoadResString(*SpecOf(b).Caption);
    buttonWidth = std::max(buttonWidth, MeasureText(form->Font(), caption, 0, DT_SINGLELINE).cx + 16);
  }
  const int count = static_cast<int>(buttons.size());
  const int rowWidth = count * buttonWidth + (count - 1) * ButtonSpacing;
  const int topHeight = std::max(IconOf(DlgType) ? IconSize : 0, text.cy);
  const int clientWidth = std::max(textLeft + text.cx + HorzMargin, rowWidth + 2 * HorzMargin);
  const int clientHeight = VertMargin + topHeight + VertSpacing + ButtonHeight + VertMargin;
  form->SetClientWidth(clientWidth);
  form->SetClientHeight(clientHeight);

  auto* label = new TLabel(form.get());
  label->SetName("Message");
  label->SetParent(form.get());
  label->SetShowAccelChar(false);
  label->SetWordWrap(true);
  label->SetCaption(Msg);
  label->SetBounds(textLeft, VertMargin + (topHeight - text.cy) / 2, text.cx, text.cy);

  // The first of Yes and OK in the row, else the first button.
  const auto defaultAt = std::find_if(buttons.begin(), buttons.end(),
                                      [](TMsgDlgBtn b) { return b == TMsgDlgBtn::mbYes || b == TMsgDlgBtn::mbOK; });
  const TMsgDlgBtn defaultButton = defaultAt != buttons.end() ? *defaultAt : buttons.front();
  // Escape presses Cancel, else No, else OK.
  std::optional<TMsgDlgBtn> cancelButton;
  for (TMsgDlgBtn b : {TMsgDlgBtn::mbCancel, TMsgDlgBtn::mbNo, TMsgDlgBtn::mbOK}) {
    if (Buttons.Contains(b)) {
      cancelButton = b;
      break;
    }
  }
  int left = (clientWidth - rowWidth) / 2;
  const int top = VertMargin + topHeight + VertSpacing;
  for (TMsgDlgBtn b : buttons) {
    const TButtonSpec& spec = SpecOf(b);
    auto* button = new TButton(form.get());
    button->SetName(spec.Name);
    button->SetParent(form.get());
    button->SetCaption(LoadResString(*spec.Caption));
    button->SetModalResult(spec.Result);
    button->SetBounds(left, top, buttonWidth, ButtonHeight);
    if (b == defaultButton) {
      button->SetDefault(true);
      form->SetActiveControl(button);
    }
    if (b == cancelButton) button->SetCancel(true);
    left += buttonWidth + ButtonSpacing;
  }
  return form.release();
}

int MessageDlgPos(const String& Msg, TMsgDlgType DlgType, TMsgDlgButtons Buttons, int, int X, int Y) {
  std::unique_ptr<TForm> dialog(CreateMessageDialog(Msg, DlgType, Buttons));
  if (X >= 0 || Y >= 0) {
    // Centred on the axis not given.
    dialog->SetPosition(TPosition::poDesigned);
    dialog->SetBounds(X >= 0 ? X : (GetSystemMetrics(SM_CXSCREEN) - dialog->Width()) / 2,
                      Y >= 0 ? Y : (GetSystemMetrics(SM_CYSCREEN) - dialog->Height()) / 2, dialog->Width(),
                      dialog->Height());
  }
  return dialog->ShowModal();
}

int MessageDlg(const String& Msg, TMsgDlgType DlgType, TMsgDlgButtons Buttons, int HelpCtx) {
  return MessageDlgPos(Msg, DlgType, Buttons, HelpCtx, -1, -1);
}

}  // namespace plat
