#pragma once
// The rich edit: a memo (TCustomMemo: Lines, Text, SelStart, SelLength,
// typing) whose characters carry a character format each (RichText.h):
// font name, size, bold, italic, underline and colour. Typed or inserted
// text takes the format before the caret (SelAttributes may set it first);
// text that replaces the whole content takes the default (DefAttributes,
// which follows the control's Font). SelAttributes reads and formats the
// selection.
//
// Lines->LoadFromStream and SaveToStream read and write rich text (RTF,
// RichTextReader.h and RichTextWriter.h) unless PlainText is set; a damaged
// rich text raises ERichTextError and leaves the content as it was. Lines
// as a list of strings, Text and the selection work on the plain text.
//
// The window paints its rich text (wrapped at the formatting rectangle
// when WordWrap is on) and answers the rich edit's messages:
// EM_FORMATRANGE draws a range into any device context within a rectangle
// given in twips and answers the first character that did not fit;
// EM_EXGETSEL and EM_EXSETSEL; EM_POSFROMCHAR and EM_CHARFROMPOS on the
// drawn text; EM_SETEVENTMASK and EM_GETEVENTMASK. With
// ENM_REQUESTRESIZE in the mask, every change of the content (and
// EM_REQUESTRESIZE) sends the parent WM_NOTIFY EN_REQUESTRESIZE with the
// rectangle the content needs (the client width, or without WordWrap the
// longest line's; the height of its lines)
// and calls RequestSize, whose default fires OnResizeRequest. With
// ENM_SELCHANGE, a moved selection sends EN_SELCHANGE; OnSelectionChange
// follows every moved selection.
//
// The caret stands and the mouse points where the text is drawn, in its
// fonts; the keys that move by lines (Up, Down, the page keys) and
// scrolling follow the memo's lines, measured in the control's font, and
// the drawing starts at the memo's first visible line.
#include <functional>
#include <memory>
#include <optional>

#include "platform/ui/RichText.h"
#include "platform/ui/TCustomMemo.h"
#include "platform/ui/TTextAttributes.h"
#include "platform/win/RichEditMessages.h"

namespace plat {

class TRichTextLayout;

using TRichEditResizeEvent = std::function<void(TObject* Sender, const TRect& Rect)>;

class TCustomRichEdit : public TCustomMemo {
 public:
  explicit TCustomRichEdit(TComponent* AOwner);
  ~TCustomRichEdit() override;

  // The rich-text view of the lines (hides TCustomMemo::Lines): the same
  // lines, with LoadFromStream and SaveToStream in rich text.
  TStrings* Lines();

  TTextAttributes* DefAttributes() const { return FDefAttributes.get(); }
  void SetDefAttributes(const TTextAttributes& Value) { FDefAttributes->Assign(&Value); }
  TTextAttributes* SelAttributes() const { return FSelAttributes.get(); }
  void SetSelAttributes(const TTextAttributes& Value) { FSelAttributes->Assign(&Value); }
  // Lines load and save plain text.
  bool PlainText() const { return FPlainText; }
  void SetPlainText(bool Value) { FPlainText = Value; }

  // The characters and their formats.
  const TRichText& RichText() const { return FRichText; }

  // For TTextAttributes: the format it shows, and changing it.
  TCharFormat CharFormat(TAttributeType Type);
  void ChangeCharFormat(TAttributeType Type, const std::function<void(TCharFormat&)>& Change);

  TRichEditResizeEvent OnResizeRequest;
  TNotifyEvent OnSelectionChange;

 protected:
  // The content asks for Rect (EN_REQUESTRESIZE): fires OnResizeRequest.
  virtual void RequestSize(const TRect& Rect);
  // The selection moved: fires OnSelectionChange.
  virtual void SelectionChange();

  void Change() override;
  void WndProc(TMessage& Message) override;
  void PaintWindow(HDC DC) override;

 private:
  class TRichEditStrings;

  // Reads a whole rich text (or plain text) in place of the content.
  void LoadRichText(const String& Document);
  String SaveRichText() const;
  // Takes the memo's plain text into the model: characters that came in
  // take the insertion format, those that went are dropped.
  void Reconcile();
  void CheckSelection();
  void SendRequestResize();
  LRESULT FormatRange(bool Render, const FORMATRANGE* Range);
  TCharFormat InsertionFormat();
  // The lines as the window shows them, made again after a change of the
  // content, a format or the width; and the first of them shown.
  const TRichTextLayout& View();
  int FirstViewLine();
  void ModelChanged();
  // The caret where the window draws its character.
  void PlaceCaret();
  // The character boundary nearest to a point of the drawn text.
  int DrawnCharAt(TPoint Client);
  // A press, double click or drag chooses the caret and selection by the
  // drawn text, after the memo chose by its own measure.
  void SelectByDrawnText(const TMessage& Message);

  TRichText FRichText;
  std::unique_ptr<TRichTextLayout> FView;
  int FViewWidth = 0;
  TCharFormat FDefault;
  std::optional<TCharFormat> FTyping;  // set through SelAttributes with no selection
  std::unique_ptr<TTextAttributes> FDefAttributes;
  std::unique_ptr<TTextAttributes> FSelAttributes;
  std::unique_ptr<TRichEditStrings> FRichLines;
  bool FPlainText = false;
  DWORD FEventMask = 0;
  int FLastSelStart = 0;
  int FLastSelLength = 0;
  bool FPlacingCaret = false;  // PlaceCaret asks the window, which would place it again
};

class TRichEdit : public TCustomRichEdit {
 public:
  using TCustomRichEdit::TCustomRichEdit;
};

}  // namespace plat
