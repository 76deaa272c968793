#pragma once
// The smallest and largest size a control may take; 0 means no limit. A
// maximum below the minimum is raised to it.
#include "platform/ui/TPersistent.h"

namespace plat {

class TSizeConstraints : public TPersistent {
 public:
  int MaxHeight() const { return FMaxHeight; }
  int MaxWidth() const { return FMaxWidth; }
  int MinHeight() const { return FMinHeight; }
  int MinWidth() const { return FMinWidth; }
  // Negative values count as 0.
  void SetMaxHeight(int Value);
  void SetMaxWidth(int Value);
  void SetMinHeight(int Value);
  void SetMinWidth(int Value);

  // Width and Height brought within the limits.
  void Apply(int& Width, int& Height) const;

  void Assign(const TPersistent* Source) override;

  TNotifyEvent OnChange;

 private:
  void Change();

  int FMaxHeight = 0;
  int FMaxWidth = 0;
  int FMinHeight = 0;
  int FMinWidth = 0;
};

}  // namespace plat
