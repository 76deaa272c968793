#pragma once
// The panel: a container with an outer and an inner bevel, a border
// between them, an optional frame of its own (BorderStyle), and a caption
// drawn in its middle. Aligned children go inside the bevels and the
// border.
#include "platform/ui/TCustomControl.h"

namespace plat {

enum class TBevelCut { bvNone, bvLowered, bvRaised, bvSpace };
using TPanelBevel = TBevelCut;

class TCustomPanel : public TCustomControl {
 public:
  explicit TCustomPanel(TComponent* AOwner);

  TAlignment Alignment() const { return FAlignment; }
  void SetAlignment(TAlignment Value);
  TPanelBevel BevelInner() const { return FBevelInner; }
  void SetBevelInner(TPanelBevel Value);
  TPanelBevel BevelOuter() const { return FBevelOuter; }
  void SetBevelOuter(TPanelBevel Value);
  int BevelWidth() const { return FBevelWidth; }
  // At least 1.
  void SetBevelWidth(int Value);
  TBorderStyle BorderStyle() const { return FBorderStyle; }
  void SetBorderStyle(TBorderStyle Value);

 protected:
  void Paint() override;
  void AdjustClientRect(TRect& Rect) override;
  void CreateParams(TCreateParams& Params) override;
  void WndProc(TMessage& Message) override;

 private:
  void BevelChanged();

  TAlignment FAlignment = TAlignment::taCenter;
  TPanelBevel FBevelInner = TPanelBevel::bvNone;
  TPanelBevel FBevelOuter = TPanelBevel::bvRaised;
  int FBevelWidth = 1;
  TBorderStyle FBorderStyle = TBorderStyle::bsNone;
};

class TPanel : public TCustomPanel {
 public:
  using TCustomPanel::TCustomPanel;
};

}  // namespace plat
