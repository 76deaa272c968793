#pragma once
// A picture for the HTML mini-language: it keeps the encoded bytes (the
// authoritative copy, saved back unchanged) and the picture the platform's
// loader decodes from them by content (BMP, icon, GIF, JPEG). A GIF shows
// one frame at a time (Frame, counted from 1) at its place in the
// animation; FrameXPos/FrameYPos and FrameWidth/FrameHeight say where.
// Sizes are the decoded picture's HIMETRIC size at 96 pixels per inch,
// rounded.
//
// Promises: bytes that fail to decode raise EInvalidGraphic with the
// loader's text from LoadFromStream, LoadFromResourceName and Assign and
// leave the picture as it was; LoadFromFile and LoadPictureFromSource raise
// nothing (a failure leaves the picture empty). A file is read as
// ReadPictureFile reads it (PictureFile.h): a FIFO, a device, a folder or a
// file larger than any picture is refused at once and shows nothing.
// Sources other than "RES://" and "FILE://" are only remembered: nothing is
// downloaded.
#include <memory>
#include <vector>

#include "platform/gdi/PictureLoader.h"
#include "platform/gdi/TGraphic.h"

namespace zorbit {

class THTMLPicture : public plat::TGraphic {
 public:
  THTMLPicture() = default;
  ~THTMLPicture() override;

  bool Empty() const override { return FEmpty; }
  int Width() const override;
  int Height() const override;
  void SetWidth(int) override {}
  void SetHeight(int) override {}

  // The rest of the stream.
  void LoadFromStream(plat::TStream& Stream) override;
  void SaveToStream(plat::TStream& Stream) override;
  void LoadFromFile(const plat::String& FileName);
  // The program's RCDATA resource Name; nothing when there is none.
  void LoadFromResourceName(const plat::String& Name);
  // "RES://name" or "FILE://path" in any case: loaded at once; anything
  // else only kept as the source.
  void LoadPictureFromSource(const plat::String& Source);
  // The bytes of Source (null: none), decoded; the frame resets to 1.
  void Assign(const THTMLPicture* Source);
  const std::vector<plat::Byte>& Data() const { return FData; }

  bool Stretch() const { return FStretch; }
  void SetStretch(bool Value) { FStretch = Value; }
  bool Asynch() const { return FAsynch; }
  void SetAsynch(bool Value) { FAsynch = Value; }
  const plat::String& ID() const { return FID; }
  void SetID(const plat::String& Value) { FID = Value; }

  // The frame shown; values outside 1..FrameCount are ignored.
  int Frame() const { return FFrame; }
  void SetFrame(int Value);
  // GIF frames in the bytes; -1 for other pictures or none.
  int FrameCount() const;
  int FrameXPos() const;
  int FrameYPos() const;
  // The whole animation's size (a GIF's logical screen), else the picture's.
  int FrameWidth() const;
  int FrameHeight() const;

  // The current frame scaled into Rect of a DC; nothing when empty.
  void Render(plat::HDC DC, const plat::TRect& Rect) const;

  plat::TNotifyEvent OnFrameChange;
  plat::TNotifyEvent OnDownLoadError;
  plat::TNotifyEvent OnDownLoadComplete;
  plat::TNotifyEvent OnDownLoadCancel;
  plat::TNotifyEvent OnDownLoadProgress;

 protected:
  // Nothing when empty; Stretch: scaled into Rect; else at its natural size
  // (at the canvas's pixels per inch) from Rect's top-left.
  void Draw(plat::TCanvas& Canvas, const plat::TRect& Rect) override;

 private:
  // Decodes Data at Frame and takes both, or raises and keeps what was.
  void Decode(std::vector<plat::Byte> Data, int Frame);

  std::vector<plat::Byte> FData;
  std::unique_ptr<plat::TLoadedPicture> FPicture;
  bool FEmpty = true;
  bool FStretch = false;
  bool FAsynch = true;
  int FFrame = 1;
  plat::String FID;  // the source it was asked for
};

}  // namespace zorbit
