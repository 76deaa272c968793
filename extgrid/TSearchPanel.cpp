#include "extgrid/TSearchPanel.h"

#include <memory>

#include "grid/ExtUtilDrawing.h"
#include "grid/TExtGridButton.h"
#include "platform/gdi/TBitmap.h"
#include "platform/gdi/TCanvas.h"
#include "platform/ui/TCustomCheckBox.h"
#include "platform/ui/TCustomEdit.h"

namespace zorbit {

namespace {

constexpr int kGradientSteps = 32;

std::unique_ptr<plat::TBitmap> ResourceGlyph(const char* Name) {
  auto glyph = std::make_unique<plat::TBitmap>();
  glyph->LoadFromResourceName(nullptr, Name);
  return glyph;
}

// The callback of the moment: the grid may connect it at any time.
plat::TNotifyEvent Forward(TSearchPanel* Panel, plat::TNotifyEvent TSearchPanel::*Callback) {
  return [Panel, Callback](plat::TObject*) {
    if (Panel->*Callback) (Panel->*Callback)(Panel);
  };
}

}  // namespace

TSearchPanel::TSearchPanel(plat::TComponent* AOwner) : plat::TCustomPanel(AOwner) {
  SetAlign(plat::TAlign::alBottom);
  SetHeight(0);
  FCloseButton = new TExtGridButton(this);
  FSearchEdit = new plat::TEdit(this);
  FFindNextButton = new TExtGridButton(this);
  FFindPrevButton = new TExtGridButton(this);
  FHighlightButton = new TExtGridButton(this);
  FMatchCaseBox = new plat::TCheckBox(this);

  const auto glyphs = [](TExtGridButton* Button, const char* Glyph, const char* Disabled) {
    Button->SetGlyph(ResourceGlyph(Glyph).get());
    Button->SetGlyphDisabled(ResourceGlyph(Disabled).get());
  };
  FCloseButton->SetGlyph(ResourceGlyph("ESGCLOSE").get());
  FCloseButton->SetGlyphHot(ResourceGlyph("ESGCLOSEH").get());
  FCloseButton->SetGlyphDown(ResourceGlyph("ESGCLOSED").get());
  glyphs(FFindNextButton, "ESGARDOWN", "ESGARDOWND");
  glyphs(FFindPrevButton, "ESGARUP", "ESGARUPD");
  glyphs(FHighlightButton, "ESGHI", "ESGHID");
  FHighlightButton->SetStyle(TExtGridButtonStyle::tasCheck);
  FHighlightButton->Font()->SetStyle({});
  for (TExtGridButton* button : {FFindNextButton, FFindPrevButton, FHighlightButton}) button->SetEnabled(false);

  FSearchEdit->OnChange = [this](plat::TObject*) { SearchTextChanged(); };
  FCloseButton->OnClick = Forward(this, &TSearchPanel::OnClose);
  FFindNextButton->OnClick = Forward(this, &TSearchPanel::OnFindNext);
  FFindPrevButton->OnClick = Forward(this, &TSearchPanel::OnFindPrev);
  FHighlightButton->OnClick = Forward(this, &TSearchPanel::OnHighlight);
  FMatchCaseBox->OnClick = Forward(this, &TSearchPanel::OnMatchCase);
}

void TSearchPanel::CreateWnd() {
  plat::TCustomPanel::CreateWnd();
  const struct {
    plat::TControl* Control;
    plat::TRect Bounds;
  } places[] = {
      {FCloseButton, {5, 7, 5 + 14, 7 + 14}},
      {FSearchEdit, {25, 5, 25 + 110, 5 + FSearchEdit->Height()}},
      {FFindNextButton, {140, 5, 140 + 90, 5 + ButtonHeight}},
      {FFindPrevButton, {235, 5, 235 + 90, 5 + ButtonHeight}},
      {FHighlightButton, {330, 5, 330 + 90, 5 + ButtonHeight}},
      {FMatchCaseBox, {MatchCaseLeft, 8, MatchCaseLeft + FMatchCaseBox->Width(), 8 + MatchCaseHeight}},
  };
  for (const auto& place : places) {
    if (place.Control->Parent() == this) continue;
    place.Control->SetParent(this);
    place.Control->SetBoundsRect(place.Bounds);
  }
}

void TSearchPanel::SetColorTo(plat::TColor Value) {
  if (FColorTo == Value) return;
  FColorTo = Value;
  Invalidate();
}

void TSearchPanel::SearchTextChanged() {
  const bool hasText = !FSearchEdit->Text().empty();
  for (TExtGridButton* button : {FFindNextButton, FFindPrevButton, FHighlightButton}) button->SetEnabled(hasText);
  if (OnTextChange) OnTextChange(this);
}

void TSearchPanel::Paint() {
  plat::TCustomPanel::Paint();
  FillGradientRect(*Canvas(), Color(), FColorTo, false, ClientRect(), kGradientSteps);
}

}  // namespace zorbit
