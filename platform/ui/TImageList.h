#pragma once
// A list of small pictures of one size, each with its transparent parts,
// drawn on canvases normally or greyed (for disabled commands). Every
// change is told to OnChange and to each registered TChangeLink.
#include <functional>
#include <vector>

#include "platform/gdi/Bitmap.h"
#include "platform/gdi/Colors.h"
#include "platform/ui/TChangeLink.h"
#include "platform/ui/TComponent.h"

namespace plat {

class TBitmap;
class TCanvas;

class TImageList : public TComponent {
 public:
  explicit TImageList(TComponent* AOwner) : TComponent(AOwner) {}
  // Lets go of the links still registered.
  ~TImageList() override;

  // The size of every picture (16 x 16 unless set); a new size clears the
  // list. Sizes outside 1..256 raise EInvalidOperation "Invalid image size".
  int Width() const { return FWidth; }
  int Height() const { return FHeight; }
  void SetWidth(int Value) { SetSize(Value, FHeight); }
  void SetHeight(int Value) { SetSize(FWidth, Value); }
  void SetSize(int AWidth, int AHeight);
  int Count() const { return static_cast<int>(FImages.size()); }

  // Adds Image, cut into pieces Width wide from the left (a narrower last
  // piece and rows below Image are transparent). White pixels of Mask (of
  // the same size) are transparent; without a mask nothing is. Answers the
  // index of the first piece. An empty image raises EInvalidOperation.
  int Add(TBitmap* Image, TBitmap* Mask);
  // The same, with the pixels of MaskColor transparent (clDefault: the
  // colour of the bottom-left pixel).
  int AddMasked(TBitmap* Image, TColor MaskColor);
  // Indices out of range raise EInvalidOperation "Invalid ImageList Index".
  void Delete(int Index);
  void Clear();

  // Draws picture Index with its top-left at X, Y; not Enabled: in grey.
  void Draw(TCanvas* Canvas, int X, int Y, int Index, bool Enabled = true);
  // Copies picture Index into Image (transparent parts in clBtnFace).
  void GetBitmap(int Index, TBitmap* Image);

  // Links hear every change from now on (registering twice counts once);
  // a link registered with another list leaves that one first.
  void RegisterChanges(TChangeLink* Value);
  void UnRegisterChanges(TChangeLink* Value);

  TNotifyEvent OnChange;

 private:
  struct TPicture {
    std::vector<TPixel> Pixels;     // Width x Height, row by row
    std::vector<bool> Transparent;  // likewise
  };

  int AddPieces(TBitmap* Image, const std::function<bool(int X, int Y)>& IsTransparent);
  const TPicture& Picture(int Index) const;
  void Change();

  int FWidth = 16;
  int FHeight = 16;
  std::vector<TPicture> FImages;
  std::vector<TChangeLink*> FLinks;
};

}  // namespace plat
