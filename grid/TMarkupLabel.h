#pragma once
// TMarkupLabel: a label that shows a text of the HTML mini-language (the
// label dialect of RenderHtml) with anchors that react to the mouse, an
// optional background gradient or 2-pixel accent line, bevels and borders,
// and sizing to its text. An anchor whose value holds "://" or "mailto:" is
// opened through the program launcher when clicked; any other fires
// OnAnchorClick. The hint shows the anchor under the pointer (AnchorHint)
// or the whole text (HintShowFull).
//
// Promises: the inherited caption stays empty (the label never draws it);
// an image list or picture container removed from the form is forgotten;
// pictures of "://" sources are cached until the text changes.
#include <functional>
#include <memory>

#include "grid/HtmlRenderer.h"
#include "grid/THTMLPictureCache.h"
#include "platform/rtl/StringList.h"
#include "platform/ui/TChangeLink.h"
#include "platform/ui/TComponentRef.h"
#include "platform/ui/TCustomLabel.h"
#include "platform/ui/TCustomPanel.h"

namespace plat {
class TImageList;
}

namespace zorbit {

class TPictureContainer;

enum class TAutoSizeType { asVertical, asHorizontal, asBoth };
enum class TGradientType { gtFullHorizontal, gtFullVertical, gtBottomLine, gtCenterLine, gtTopLine };
enum class TVAlignment { tvaTop, tvaCenter, tvaBottom };

using TAnchorClick = std::function<void(plat::TObject* Sender, const plat::String& Anchor)>;
using TAnchorHintEvent = std::function<void(plat::TObject* Sender, plat::String& Anchor)>;

class TMarkupLabel : public plat::TCustomLabel {
 public:
  explicit TMarkupLabel(plat::TComponent* AOwner);
  ~TMarkupLabel() override;

  // The lines are joined without separators: breaks are written as BR.
  plat::TStringList* HTMLText() const { return FHTMLText.get(); }
  // Copies Value's text with CR and LF removed.
  void SetHTMLText(const plat::TStrings* Value);

  bool AnchorHint() const { return FAnchorHint; }
  void SetAnchorHint(bool Value) { FAnchorHint = Value; }
  bool AutoSizing() const { return FAutoSizing; }
  void SetAutoSizing(bool Value);
  TAutoSizeType AutoSizeType() const { return FAutoSizeType; }
  void SetAutoSizeType(TAutoSizeType Value);
  plat::TPanelBevel BevelInner() const { return FBevelInner; }
  void SetBevelInner(plat::TPanelBevel Value) { Set(FBevelInner, Value); }
  plat::TPanelBevel BevelOuter() const { return FBevelOuter; }
  void SetBevelOuter(plat::TPanelBevel Value) { Set(FBevelOuter, Value); }
  int BevelWidth() const { return FBevelWidth; }
  void SetBevelWidth(int Value) { Set(FBevelWidth, Value); }
  plat::TBorderStyle BorderStyle() const { return FBorderStyle; }
  void SetBorderStyle(plat::TBorderStyle Value) { Set(FBorderStyle, Value); }
  int BorderWidth() const { return FBorderWidth; }
  void SetBorderWidth(int Value) { Set(FBorderWidth, Value); }
  plat::TColor ColorTo() const { return FColorTo; }
  void SetColorTo(plat::TColor Value) { Set(FColorTo, Value); }
  TGradientType GradientType() const { return FGradientType; }
  void SetGradientType(TGradientType Value) { Set(FGradientType, Value); }
  bool Ellipsis() const { return FEllipsis; }
  void SetEllipsis(bool Value);
  bool Hover() const { return FHover; }
  void SetHover(bool Value) { Set(FHover, Value); }
  plat::TColor HoverColor() const { return FHoverColor; }
  void SetHoverColor(plat::TColor Value) { Set(FHoverColor, Value); }
  plat::TColor HoverFontColor() const { return FHoverFontColor; }
  void SetHoverFontColor(plat::TColor Value) { Set(FHoverFontColor, Value); }
  bool HTMLHint() const { return FHTMLHint; }
  void SetHTMLHint(bool Value) { FHTMLHint = Value; }
  bool HintShowFull() const { return FHintShowFull; }
  void SetHintShowFull(bool Value) { FHintShowFull = Value; }
  plat::TImageList* Images() const { return FImages; }
  void SetImages(plat::TImageList* Value);
  TPictureContainer* PictureContainer() const { return FPictureContainer; }
  void SetPictureContainer(TPictureContainer* Value);
  int LineWidth() const { return FLineWidth; }
  void SetLineWidth(int Value) { Set(FLineWidth, Value); }
  plat::TColor ShadowColor() const { return FShadowColor; }
  void SetShadowColor(plat::TColor Value) { Set(FShadowColor, Value); }
  int ShadowOffset() const { return FShadowOffset; }
  void SetShadowOffset(int Value) { Set(FShadowOffset, Value); }
  plat::TColor URLColor() const { return FURLColor; }
  void SetURLColor(plat::TColor Value);
  TVAlignment VAlignment() const { return FVAlignment; }
  void SetVAlignment(TVAlignment Value);
  // "1.7.1.1"; setting it does nothing.
  plat::String Version() const;
  void SetVersion(const plat::String&) {}

  // The anchor at a client point (empty when none) and its number (-1).
  plat::String AnchorAt(int X, int Y, int& Number);
  // The text without mark-up, Z blocks removed with their text: the hint's.
  plat::String PlainText() const;

  TAnchorClick OnAnchorClick;
  TAnchorClick OnAnchorEnter;
  TAnchorClick OnAnchorExit;
  TAnchorHintEvent OnAnchorHint;

 protected:
  void Paint() override;
  void Loaded() override;
  void MouseDown(plat::TMouseButton Button, plat::TShiftState Shift, int X, int Y) override;
  void MouseMove(plat::TShiftState Shift, int X, int Y) override;
  void WndProc(plat::TMessage& Message) override;

 private:
  template <typename T>
  void Set(T& Field, const T& Value) {
    Field = Value;
    Invalidate();
  }
  plat::String Joined() const;
  // The rectangle the text is drawn in, its top placed by VAlignment.
  // The options every pass of the label shares.
  THtmlRenderOptions RenderOptions() const;
  plat::TRect TextRect(plat::TCanvas& Canvas, const plat::String& Html);
  bool SizesWidth() const;
  bool SizesHeight() const;
  void TextChanged(plat::TObject* Sender);
  void CMHintShow(plat::TMessage& Message);
  void CMMouseLeave(plat::TMessage& Message);

  std::unique_ptr<plat::TStringList> FHTMLText;
  std::unique_ptr<THTMLPictureCache> FCache;
  std::unique_ptr<plat::TChangeLink> FImageChangeLink;
  bool FAnchorHint = false;
  bool FAutoSizing = false;
  TAutoSizeType FAutoSizeType = TAutoSizeType::asVertical;
  plat::TPanelBevel FBevelInner = plat::TPanelBevel::bvNone;
  plat::TPanelBevel FBevelOuter = plat::TPanelBevel::bvNone;
  int FBevelWidth = 1;
  plat::TBorderStyle FBorderStyle = plat::TBorderStyle::bsNone;
  int FBorderWidth = 0;
  plat::TColor FColorTo = plat::clNone;
  TGradientType FGradientType = TGradientType::gtFullHorizontal;
  bool FEllipsis = false;
  bool FHover = false;
  plat::TColor FHoverColor = plat::clNone;
  plat::TColor FHoverFontColor = plat::clNone;
  bool FHTMLHint = false;
  bool FHintShowFull = false;
  plat::TComponentRef<plat::TImageList> FImages;
  plat::TComponentRef<TPictureContainer> FPictureContainer;
  int FLineWidth = 0;
  plat::TColor FShadowColor = plat::clGray;
  int FShadowOffset = 2;
  plat::TColor FURLColor = plat::clBlue;
  TVAlignment FVAlignment = TVAlignment::tvaTop;
  // The anchor last under the mouse.
  plat::String FAnchor;
  int FHoverLink = -1;
};

}  // namespace zorbit
