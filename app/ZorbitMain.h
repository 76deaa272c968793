#pragma once
// TfmZorbitMain: the program's main window. A fixed-size skinned window with
// the picture header of TfmBaseForm and three large links (Security, Boot
// Options, System Info), each made of a picture, its label, a transparent
// click area beside it and a mark-up text under it; all parts of a link run
// the same action. An action creates its window owned by this one,
// translates it, shows it modally and frees it (also when the modal run
// raises).
//
// FormCreate sizes the window, places the link pictures in the frame's
// client coordinates, styles and translates the window and loads the theme
// settings file's "MainBitmaps" into the language pack's picture pool.
#include <cstdint>

#include "app/BaseWindows.h"
#include "platform/gdi/TFont.h"

namespace zorbit {

class TMarkupLabel;
class TskImagePanel;

class TfmZorbitMain : public TfmBaseForm {
 public:
  static constexpr plat::TColor kFontColor = 4608000;

  explicit TfmZorbitMain(plat::TComponent* AOwner);

  TskImagePanel* imgSecurity() const { return FimgSecurity; }
  TMarkupLabel* hlbSecurity() const { return FhlbSecurity; }

  // Open the Security, Boot Options, System Info and About windows modally.
  void ActSecurityExecute();
  void ActBootOptionsExecute();
  void ActSystemInfoExecute();
  void ActAboutExecute();
  // Shows the language pack's help file at its start topic.
  void ActHelpExecute();

 private:
  void FormCreate(plat::TObject* Sender);
  void FormKeyUp(plat::TObject* Sender, std::uint16_t& Key, plat::TShiftState Shift);
  void FormActivate(plat::TObject*) { SetVisible(true); }
  // The skinned parts may have changed the form's font colour; it keeps the window's own.
  void FormDeactivate(plat::TObject*) { Font()->SetColor(kFontColor); }
  void FormPaint(plat::TObject*) { Font()->SetColor(kFontColor); }
  void imgSecurityClick(plat::TObject*) { ActSecurityExecute(); }
  void lbSecurityClick(plat::TObject*) { ActSecurityExecute(); }
  void imgBootOptionsClick(plat::TObject*) { ActBootOptionsExecute(); }
  void lbBootOptionsClick(plat::TObject*) { ActBootOptionsExecute(); }
  void imgSysInfoClick(plat::TObject*) { ActSystemInfoExecute(); }
  void lbSysInfoClick(plat::TObject*) { ActSystemInfoExecute(); }
  void btnHelpClick(plat::TObject*) { ActHelpExecute(); }
  void btnAboutClick(plat::TObject*) { ActAboutExecute(); }

  // The body's, the link bars' and the Help and About buttons' pictures,
  // the program's own resources.
  void LoadPictures();
  // Moves a link picture to a point of the frame's client area.
  void PlaceInFrame(plat::TControl* Control, int X, int Y);
  // Puts a mark-up text under its picture, at its left, 6 pixels below.
  static void PlaceUnder(plat::TControl* Text, const plat::TControl* Picture);

  TskImagePanel* FimgSecurity = nullptr;
  TMarkupLabel* FhlbSecurity = nullptr;
};

}  // namespace zorbit
