#pragma once
// Message dialogs: a form made by code with the icon of its type, the text
// and a row of buttons, sized to the text and shown modally.
//
// The caption is the type's title ("Warning", "Error", "Information",
// "Confirm"; mtCustom: the application's title); the buttons come in the
// order of TMsgDlgBtn, captioned "&Yes", "&No", "OK"... All texts are the
// runtime's resource strings, so an installed translator changes them. The
// default button is the first of Yes and OK in that order, else the first
// button; Escape presses Cancel, else No, else OK (when the set has none of
// them, Escape does nothing and the close box answers mrCancel). Help
// answers nothing and leaves the dialog open.
//
// Components of the form, for finding them: the text is the label
// "Message"; the buttons are named "Yes", "No", "OK", "Cancel", "Abort",
// "Retry", "Ignore", "All", "NoToAll", "YesToAll" and "Help".
#include "platform/rtl/Set.h"
#include "platform/ui/TForm.h"

namespace plat {

enum class TMsgDlgType { mtWarning, mtError, mtInformation, mtConfirmation, mtCustom };
enum class TMsgDlgBtn { mbYes, mbNo, mbOK, mbCancel, mbAbort, mbRetry, mbIgnore, mbAll, mbNoToAll, mbYesToAll, mbHelp };
using TMsgDlgButtons = TSet<TMsgDlgBtn>;

inline constexpr TMsgDlgButtons mbYesNoCancel{TMsgDlgBtn::mbYes, TMsgDlgBtn::mbNo, TMsgDlgBtn::mbCancel};
inline constexpr TMsgDlgButtons mbYesAllNoAllCancel{TMsgDlgBtn::mbYes, TMsgDlgBtn::mbYesToAll, TMsgDlgBtn::mbNo,
                                                    TMsgDlgBtn::mbNoToAll, TMsgDlgBtn::mbCancel};
inline constexpr TMsgDlgButtons mbOKCancel{TMsgDlgBtn::mbOK, TMsgDlgBtn::mbCancel};
inline constexpr TMsgDlgButtons mbAbortRetryIgnore{TMsgDlgBtn::mbAbort, TMsgDlgBtn::mbRetry, TMsgDlgBtn::mbIgnore};
inline constexpr TMsgDlgButtons mbAbortIgnore{TMsgDlgBtn::mbAbort, TMsgDlgBtn::mbIgnore};

// The dialog, not shown; the caller owns it (owned by the application when
// there is one). An empty button set gets an OK button.
TForm* CreateMessageDialog(const String& Msg, TMsgDlgType DlgType, TMsgDlgButtons Buttons);

// Shows the dialog centred on the screen (MessageDlgPos: its top-left at
// X, Y; a negative coordinate keeps the centre on that axis) and answers the
// modal result of the button pressed (mrYes, mrOk...). The help context is
// accepted for a help system; there is none to call.
int MessageDlg(const String& Msg, TMsgDlgType DlgType, TMsgDlgButtons Buttons, int HelpCtx);
int MessageDlgPos(const String& Msg, TMsgDlgType DlgType, TMsgDlgButtons Buttons, int HelpCtx, int X, int Y);

}  // namespace plat
