#pragma once
// The three base windows every skinned window of the program derives from.
//
// TfmBaseUI: the skinned frame fmBase filling the window, the white body
// panel PanelBody inside it and the skin OvraFileTheme. Its creation handler
// gives the frame the skin file "msgbox.skn" (looked for as TskFileTheme
// says; missing, the frame keeps its built-in look), puts two blanks before
// the frame's caption and hands the skin to the window's skinned controls
// (GiveFileTheme, ApplyStyle.h); skinned image buttons keep their own.
// TfmBaseDialog adds the title panel PanelTitle with lbTitle; TfmBaseForm is
// the main window's base with its top panel. Both size the client area so
// that the body panel keeps the size its layout gives it (the layout places
// it unaligned; it fills the frame from creation on). The frame's title bar
// is as high as its skin makes it, so the client area is the body plus the
// frame's own parts as they are, not plus a fixed MenuBarHeight.
//
// Layouts inherit as the classes do: "TfmBaseDialog" and "TfmBaseForm"
// inherit "TfmBaseUI", and a derived window's layout inherits its base's.
// A derived class constructs its base with TDeferLayout, reads its own
// layout with the handlers of Handlers() plus its own, and calls its base's
// FormCreate first from its own. A component a handler needs that the
// layout lacks raises ELayoutError.
#include "app/FormPart.h"
#include "platform/ui/LayoutError.h"
#include "platform/ui/LayoutHandlers.h"
#include "platform/ui/TForm.h"

namespace plat {
class TControl;
class TImage;
class TLabel;
class TPanel;
}  // namespace plat

namespace zorbit {

class TskFileTheme;
class TskForm;
class TskImageButton;

class TfmBaseUI : public plat::TForm {
 public:
  // Reads the layout "TfmBaseUI".
  explicit TfmBaseUI(plat::TComponent* AOwner);

  TskForm* fmBase() const { return FfmBase; }
  plat::TPanel* PanelBody() const { return FPanelBody; }
  TskFileTheme* OvraFileTheme() const { return FOvraFileTheme; }
  // The body panel's size as the layout gave it.
  plat::TPoint DesignedBodySize() const { return FDesignedBodySize; }

 protected:
  struct TDeferLayout {};
  TfmBaseUI(plat::TComponent* AOwner, TDeferLayout) : TForm(AOwner) {}

  // The handlers this class's layout binds.
  plat::TLayoutHandlers Handlers();
  void FormCreate(plat::TObject* Sender);

  // Puts Control in the body panel's bottom-right corner, 20 pixels from the
  // right edge and 8 from the bottom: where every window keeps its one
  // closing button.
  void PlaceInBodyCorner(plat::TControl* Control) const;

  // The component of that name and class the layout made.
  template <typename T>
  T* Part(const plat::String& Name) {
    return FormPart<T>(*this, Name);
  }

 private:
  TskForm* FfmBase = nullptr;
  plat::TPanel* FPanelBody = nullptr;
  TskFileTheme* FOvraFileTheme = nullptr;
  plat::TPoint FDesignedBodySize;
};

class TfmBaseDialog : public TfmBaseUI {
 public:
  // Reads the layout "TfmBaseDialog".
  explicit TfmBaseDialog(plat::TComponent* AOwner);

  plat::TPanel* PanelTitle() const { return FPanelTitle; }
  plat::TLabel* lbTitle() const { return FlbTitle; }

 protected:
  TfmBaseDialog(plat::TComponent* AOwner, TDeferLayout Defer) : TfmBaseUI(AOwner, Defer) {}

  plat::TLayoutHandlers Handlers();
  void FormCreate(plat::TObject* Sender);

 private:
  plat::TPanel* FPanelTitle = nullptr;
  plat::TLabel* FlbTitle = nullptr;
};

class TfmBaseForm : public TfmBaseUI {
 public:
  // Reads the layout "TfmBaseForm".
  explicit TfmBaseForm(plat::TComponent* AOwner);

  plat::TLabel* lbWWW() const { return FlbWWW; }

 protected:
  TfmBaseForm(plat::TComponent* AOwner, TDeferLayout Defer) : TfmBaseUI(AOwner, Defer) {}

  plat::TLayoutHandlers Handlers();
  void FormCreate(plat::TObject* Sender);
  void lbWWWClick(plat::TObject*) {}

 private:
  plat::TLabel* FlbWWW = nullptr;
};

// Sizes the client area so that the body panel is Width by Height.
void SizeClientToBody(TfmBaseUI& Window, int Width, int Height);

}  // namespace zorbit
