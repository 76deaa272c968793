#include "grid/ExtSpeedButton.h"

#include <algorithm>

#include "grid/detail/ThemeDataScope.h"
#include "platform/gdi/StandardLooks.h"
#include "platform/gdi/TCanvas.h"
#include "platform/ui/TWinControl.h"

namespace zorbit {

namespace {

// The visual style's push-button part and its states.
constexpr int kPushButton = 1;
constexpr int kNormal = 1;
constexpr int kHot = 2;
constexpr int kPressed = 3;

}  // namespace

void TExtSpeedButton::SetIsWinXP(bool Value) {
  if (FIsWinXP == Value) return;
  FIsWinXP = Value;
  Invalidate();
}

void TExtSpeedButton::WndProc(plat::TMessage& Message) {
  plat::TSpeedButton::WndProc(Message);
  if (Message.Msg == plat::CM_MOUSEENTER || Message.Msg == plat::CM_MOUSELEAVE) {
    FMouseOver = Message.Msg == plat::CM_MOUSEENTER;
    if (FIsWinXP) Invalidate();
  }
}

bool TExtSpeedButton::PaintThemedFace(bool Pressed) {
  if (!FIsWinXP || !plat::IsThemeActive() || !Parent()) return false;
  const detail::TThemeDataScope theme(Parent()->Handle(), u"button");
  if (!theme.Theme()) return false;
  const int state = Pressed ? kPressed : (FMouseOver ? kHot : kNormal);
  const plat::TRect rect = ClientRect();
  return plat::DrawThemeBackground(theme.Theme(), Canvas()->Handle(), kPushButton, state, &rect, nullptr) ==
         plat::S_OK;
}

void TExtSpeedButton::PaintContent(bool Pressed) {
  plat::TCanvas& canvas = *Canvas();
  const int shift = Pressed ? 1 : 0;
  const plat::TBitmap* glyph = Glyph();
  if (!glyph->Empty()) {
    // The first frame, centred when it fits, else from the corner.
    const int width = glyph->Width() / NumGlyphs();
    DrawGlyph({std::max(0, (Width() - width) / 2) + shift, std::max(0, (Height() - glyph->Height()) / 2) + shift}, 0,
              !Enabled());
  }
  if (!Caption().empty()) {
    canvas.Font()->Assign(*Font());
    canvas.Brush()->SetStyle(plat::TBrushStyle::bsClear);
    canvas.TextOut(2 + shift, 2 + shift, Caption());
  }
}

void TExtSpeedButton::PaintClassicFace(bool Pressed) {
  plat::TRect rect = ClientRect();
  if (Flat()) {
    plat::DrawEdge(Canvas()->Handle(), &rect, Pressed ? plat::BDR_SUNKENOUTER : plat::BDR_RAISEDINNER,
                   plat::BF_RECT | plat::BF_MIDDLE);
  } else {
    plat::DrawFrameControl(Canvas()->Handle(), &rect, plat::DFC_BUTTON,
                           plat::DFCS_BUTTONPUSH | (Pressed ? plat::DFCS_PUSHED : 0));
  }
}

void TExtSpeedButton::Paint() {
  const bool pressed = State() == plat::TButtonState::bsDown;
  if (!PaintThemedFace(pressed)) PaintClassicFace(pressed);
  PaintContent(pressed);
}

}  // namespace zorbit
