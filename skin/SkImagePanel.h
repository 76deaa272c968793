#pragma once
// The picture panel: TskCustomPanel paints a picture (at the origin,
// stretched or tiled), its caption on one line over it, and holds other
// controls like any panel; TskImagePanel publishes it. It has no theme.
//
// Painting goes through an off-screen bitmap of the panel's size; the
// background is never erased first. Transparent puts the parent's
// background under the picture and makes the picture see-through (its own
// transparent colour); a panel that is not transparent shows Color where
// the picture does not reach. A change of the picture, by assignment or inside it, sizes
// an AutoSize panel to the picture in the directions its alignment leaves
// free, and repaints.
#include <memory>

#include "platform/gdi/TPicture.h"
#include "platform/ui/TCustomPanel.h"

namespace zorbit {

enum class TskDrawStyle { skNormal, skStretch, skTile };

class TskCustomPanel : public plat::TCustomPanel {
 public:
  explicit TskCustomPanel(plat::TComponent* AOwner);
  ~TskCustomPanel() override;

  plat::TPicture* Picture() const { return FPicture.get(); }
  // A copy of Value's graphic.
  void SetPicture(const plat::TPicture* Value);
  TskDrawStyle DrawStyle() const { return FDrawStyle; }
  void SetDrawStyle(TskDrawStyle Value);
  // Stores and, with a picture, sizes the panel to it.
  void SetAutoSize(bool Value) override;
  bool Transparent() const { return FTransparent; }
  // Stores and passes the flag to the picture.
  virtual void SetTransparent(bool Value);

 protected:
  // Fills the client area with Color, for a panel hosted without a parent
  // control (its window placed in a foreign one); otherwise the parent's
  // painting covers it.
  virtual void FillBackground();
  // The caption's place may have moved; nothing here.
  virtual void CaptionRectChanged() {}
  // Sizes (AutoSize), passes Transparent to the picture, FillBackground,
  // repaint.
  virtual void PictureChanged();

  // The panel's own drawing on Canvas: the background, the picture and the
  // caption (the group box draws its frame instead).
  virtual void PaintTo(plat::TCanvas& Canvas);
  void PaintPicture(plat::TCanvas& Canvas);

  void Paint() override;
  void Resize() override;
  void WndProc(plat::TMessage& Message) override;

 private:
  std::unique_ptr<plat::TPicture> FPicture;
  TskDrawStyle FDrawStyle = TskDrawStyle::skNormal;
  bool FTransparent = false;
};

class TskImagePanel : public TskCustomPanel {
 public:
  using TskCustomPanel::TskCustomPanel;
};

}  // namespace zorbit
