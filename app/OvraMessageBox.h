#pragma once
// The program's own message box: one skinned dialog, made once and reused
// for every message, with an error, information or warning picture (or
// none) and one of the platform's six button sets, right-aligned at the
// foot of a 400 by 200 body.
//
// Every message replaces the texts, the picture, the text's place (88 from
// the left beside a picture, 28 without one, every time) and the buttons:
// the buttons of an earlier message are freed before the new ones are made.
// Button captions are the runtime's button texts as translated, without "&".
//
// OvraMessageBox never raises: without the window it shows nothing, and a
// failure is logged as "[OvraMessageBox]: " + its message; both give 0,
// which no caller takes for a button.
#include <cstdint>

#include "app/BaseWindows.h"

namespace zorbit {

enum TOvraIcon { oiWarning = 0, oiError = 1, oiInformation = 2, oiWarningToo = 3, oiNone = 4 };
enum TOvraButtons { obOK = 0, obOKCancel = 1, obAbortRetryIgnore = 2, obYesNoCancel = 3, obYesNo = 4, obRetryCancel = 5 };

class TfmOvraMessageBox : public TfmBaseDialog {
 public:
  explicit TfmOvraMessageBox(plat::TComponent* AOwner);
  ~TfmOvraMessageBox() override;

  plat::TLabel* lblText() const { return FlblText; }
  plat::TImage* Img_Error() const { return FImgError; }
  plat::TImage* Img_Info() const { return FImgInfo; }
  plat::TImage* Img_Warning() const { return FImgWarning; }

  // Steps 1 to 3 of a message: texts, picture and buttons (no showing).
  void Prepare(const plat::String& Caption, const plat::String& Title, const plat::String& Text, int Icon,
               int Buttons);

 private:
  void FormCreate(plat::TObject* Sender);
  void ShowIcon(int Icon);
  void MakeButtons(int Buttons);

  plat::TLabel* FlblText = nullptr;
  plat::TImage* FImgError = nullptr;
  plat::TImage* FImgInfo = nullptr;
  plat::TImage* FImgWarning = nullptr;
};

// The one message-box window, made with the application as its owner;
// null before InitializeMessageBox and after the application freed it.
TfmOvraMessageBox* OvraMessageBoxWindow();
void InitializeMessageBox();

// Shows a message modally and gives the modal result of the pressed button
// (1 OK, 2 Cancel, 3 Abort, 4 Retry, 5 Ignore, 6 Yes, 7 No), or 0. The first
// and last arguments are ignored (callers pass nullptr and 0).
std::uint16_t OvraMessageBox(const void* Ignored, const plat::String& Caption, const plat::String& Title,
                             const plat::String& Text, int Icon, int Buttons, int IgnoredToo);

// A message of one of the program's windows: the application title as
// caption, the window's title (trimmed) as title, the lookup of Code in the
// section "Messages" as text.
int WindowMessage(TfmBaseDialog& Window, const plat::String& Code, int Icon, int Buttons);

}  // namespace zorbit
