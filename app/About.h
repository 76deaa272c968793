#pragma once
// TfmAbout: the borderless About window, the program's title and version
// over a full-window picture. Its caption label stands in for a title bar:
// dragging it with the left button moves the window. The close box and OK
// both close it.
//
// Each time it becomes active it fills its texts: OK's caption from the
// runtime's translated "OK", the caption and product name from the
// application title, and "Version %s" from the registry value "Version"
// of HKEY_LOCAL_MACHINE\Software\Ovra\Zorbit, or the program file's
// "ProductVersion" when that value is missing or empty.
#include "platform/ui/TForm.h"
#include "platform/ui/ControlTypes.h"

namespace plat {
class TImage;
class TLabel;
}  // namespace plat

namespace zorbit {

class TskImageButton;

class TfmAbout : public plat::TForm {
 public:
  explicit TfmAbout(plat::TComponent* AOwner);

  plat::TLabel* lblCaption() const { return FlblCaption; }
  plat::TLabel* lblProductName() const { return FlblProductName; }
  plat::TLabel* lblVersion() const { return FlblVersion; }
  TskImageButton* btnClose() const { return FbtnClose; }
  TskImageButton* btnOK() const { return FbtnOK; }

 private:
  void FormCreate(plat::TObject* Sender);
  void FormActivate(plat::TObject* Sender);
  void lblCaptionMouseDown(plat::TObject* Sender, plat::TMouseButton Button, plat::TShiftState Shift, int X, int Y);
  void lblCaptionMouseMove(plat::TObject* Sender, plat::TShiftState Shift, int X, int Y);
  void btnCloseClick(plat::TObject* Sender);
  void skImageButton4Click(plat::TObject* Sender);

  plat::TLabel* FlblCaption = nullptr;
  plat::TLabel* FlblProductName = nullptr;
  plat::TLabel* FlblVersion = nullptr;
  TskImageButton* FbtnClose = nullptr;
  TskImageButton* FbtnOK = nullptr;
  // Where the caption was pressed.
  int FPressX = 0;
  int FPressY = 0;
};

}  // namespace zorbit
