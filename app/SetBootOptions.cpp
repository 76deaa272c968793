#include "app/SetBootOptions.h"

#include "platform/gdi/TBitmap.h"

#include <algorithm>
#include <charconv>

#include "app/ApplyStyle.h"
#include "app/HelpKey.h"
#include "app/OvraMessageBox.h"
#include "platform/gdi/TFont.h"
#include "platform/rtl/ScopeExit.h"
#include "platform/rtl/StringList.h"
#include "platform/ui/TApplication.h"
#include "platform/ui/TCustomPanel.h"
#include "service/NBFuncBoot.h"
#include "skin/SkButton.h"
#include "skin/SkCheckBox.h"
#include "skin/SkForm.h"
#include "skin/SkImageButton.h"
#include "skin/SkListBox.h"

namespace zorbit {

namespace {

constexpr int kWindowWidth = 588;
constexpr int kWindowHeight = 462;
constexpr int kEndMark = 255;
constexpr const char* kEndMarkText = "FF";
constexpr const char* kWriteFailed = "HM0020";

// An entry of the BIOS order read as "0x" + entry: 255 when it is not a number.
int CodeValue(const plat::String& Entry) {
  unsigned value = 0;
  const char* end = Entry.data() + Entry.size();
  const auto [at, error] = std::from_chars(Entry.data(), end, value, 16);
  if (Entry.empty() || error != std::errc{} || at != end) return kEndMark;
  // Past a byte it is no device either way; kept small so that it stays an int.
  return value > 0xFFFF ? kEndMark + 1 : static_cast<int>(value);
}

bool IsKnownDevice(int Code) { return Code >= 0 && Code < static_cast<int>(TfmSetBootOptions::BootDevices().size()); }

plat::String CodeText(int Code) {
  static constexpr char kDigits[] = "0123456789ABCDEF";
  return {kDigits[(Code >> 4) & 0xF], kDigits[Code & 0xF]};
}

int DeviceCode(const plat::String& Name) {
  const auto& devices = TfmSetBootOptions::BootDevices();
  for (std::size_t i = 0; i < devices.size(); ++i)
    if (devices[i] == Name) return static_cast<int>(i);
  return kEndMark;
}

}  // namespace

const std::vector<plat::String>& TfmSetBootOptions::BootDevices() {
  static const std::vector<plat::String> devices{
      "Floppy Devices", "1st HDD",     "CD-ROM/DVD Drive", "SCSI",       "D2D recovery",
      "LS-120",         "PCMCIA",      "Network Boot",     "ZIP",        "1394 CD-ROM",
      "USB HDD",        "USB CD-ROM",  "USB Floppy",       "USB Key",    "2nd HDD"};
  return devices;
}

TfmSetBootOptions::TfmSetBootOptions(plat::TComponent* AOwner) : TfmBaseDialog(AOwner, TDeferLayout{}) {
  plat::TLayoutHandlers handlers = Handlers();
  using T = TfmSetBootOptions;
  handlers.RegisterHandler("FormCreate", this, &T::FormCreate);
  handlers.RegisterHandler("FormKeyUp", this, &T::FormKeyUp);
  handlers.RegisterHandler("btnUpClick", this, &T::btnUpClick);
  handlers.RegisterHandler("btnDownClick", this, &T::btnDownClick);
  handlers.RegisterHandler("imgbCloseClick", this, &T::imgbCloseClick);
  handlers.RegisterHandler("listboxBootSequenceStartDrag", this, &T::listboxBootSequenceStartDrag);
  handlers.RegisterHandler("listboxBootSequenceDragOver", this, &T::listboxBootSequenceDragOver);
  handlers.RegisterHandler("listboxBootSequenceDragDrop", this, &T::listboxBootSequenceDragDrop);
  handlers.RegisterHandler("imgcFastBootClick", this, &T::imgcFastBootClick);
  CreateFromLayout("TfmSetBootOptions", handlers);
}

void TfmSetBootOptions::FormCreate(plat::TObject* Sender) {
  SetWidth(kWindowWidth);
  SetHeight(kWindowHeight);
  TfmBaseDialog::FormCreate(Sender);
  fmBase()->SetCaption(plat::Application->Title());
  FList = Part<TskListBox>("listboxBootSequence");
  FbtnUp = Part<TskButton>("btnUp");
  FbtnDown = Part<TskButton>("btnDown");
  // The arrows are the program's own resources.
  FbtnUp->Glyph()->LoadFromResourceName(nullptr, "ArrowUp");
  FbtnDown->Glyph()->LoadFromResourceName(nullptr, "ArrowDown");
  FimgcFastBoot = Part<TskCheckBox>("imgcFastBoot");
  FimgbClose = Part<TskImageButton>("imgbClose");
  PlaceInBodyCorner(FimgbClose);
  ApplyStyle(this);
  Load();
  FimgbClose->SetEnabled(false);
}

void TfmSetBootOptions::FormKeyUp(plat::TObject*, std::uint16_t& Key, plat::TShiftState) { HelpKeyReleased(Key); }

void TfmSetBootOptions::Load() {
  FLoading = true;
  const plat::ScopeExit loaded([this] { FLoading = false; });
  // What was shown goes first, so that none of it stays should a read raise.
  FimgcFastBoot->SetChecked(false);
  FList->Items()->Clear();
  FCodesRead.clear();
  FFlagRead = FOrderRead = FFlagChanged = false;

  bool fast = false;
  FFlagRead = GetBootFlag(fast);
  FimgcFastBoot->SetChecked(FFlagRead && fast);

  plat::TStringList order;
  FOrderRead = GetBootOrder(order);
  for (int i = 0; i < order.Count(); ++i) {
    const int code = CodeValue(order.Strings(i));
    if (code == kEndMark) break;
    FCodesRead.push_back(order.Strings(i));
    if (IsKnownDevice(code)) FList->Items()->Add(BootDevices()[static_cast<std::size_t>(code)]);
  }
}

void TfmSetBootOptions::EnableApply() {
  FimgbClose->SetEnabled(true);
  FimgbClose->Font()->SetColor(kApplyEnabledColor);
}

void TfmSetBootOptions::DisableApply() {
  FimgbClose->SetEnabled(false);
  FimgbClose->Font()->SetColor(kApplyUsedColor);
}

void TfmSetBootOptions::MoveItem(int From, int To) {
  FList->Items()->Move(From, To);
  FList->SetItemIndex(To);
  EnableApply();
}

void TfmSetBootOptions::btnUpClick(plat::TObject*) {
  const int selected = FList->ItemIndex();
  if (selected > 0) MoveItem(selected, selected - 1);
}

void TfmSetBootOptions::btnDownClick(plat::TObject*) {
  const int selected = FList->ItemIndex();
  if (selected >= 0 && selected < FList->Items()->Count() - 1) MoveItem(selected, selected + 1);
}

void TfmSetBootOptions::listboxBootSequenceStartDrag(plat::TObject*, plat::TDragObject*&) {
  FDragIndex = FList->ItemIndex();
}

void TfmSetBootOptions::listboxBootSequenceDragOver(plat::TObject*, plat::TObject* Source, int, int, plat::TDragState,
                                                    bool& Accept) {
  Accept = Source == FList;
}

void TfmSetBootOptions::listboxBootSequenceDragDrop(plat::TObject*, plat::TObject* Source, int X, int Y) {
  const int count = FList->Items()->Count();
  if (Source != FList || count == 0 || FDragIndex < 0 || FDragIndex >= count) return;
  int target = FList->ItemAtPos({X, Y}, true);
  if (target < 0) target = count - 1;
  // Taken out and put back before the target when moving up, after it otherwise.
  MoveItem(FDragIndex, target);
}

void TfmSetBootOptions::imgcFastBootClick(plat::TObject*) {
  if (FLoading) return;
  FFlagChanged = true;
  EnableApply();
}

std::vector<plat::String> TfmSetBootOptions::OrderToWrite() const {
  std::vector<plat::String> codes;
  int next = 0;
  for (const plat::String& code : FCodesRead) {
    if (IsKnownDevice(CodeValue(code)) && next < FList->Items()->Count()) {
      codes.push_back(CodeText(DeviceCode(FList->Items()->Strings(next++))));
    } else {
      codes.push_back(code);
    }
  }
  return codes;
}

TfmSetBootOptions::TBootSettings TfmSetBootOptions::SettingsToWrite() const {
  TBootSettings settings;
  if (FOrderRead) settings.Order = OrderToWrite();
  if (FFlagRead || FFlagChanged) settings.FastBoot = FimgcFastBoot->Checked();
  return settings;
}

bool TfmSetBootOptions::ShowsSettings(const TBootSettings& Settings) const {
  if (Settings.FastBoot && (!FFlagRead || FimgcFastBoot->Checked() != *Settings.FastBoot)) return false;
  if (!Settings.Order) return true;
  // Codes compare by value: the BIOS may give back in upper case what was read in lower.
  const auto sameCode = [](const plat::String& A, const plat::String& B) { return CodeValue(A) == CodeValue(B); };
  return FOrderRead &&
         std::equal(Settings.Order->begin(), Settings.Order->end(), FCodesRead.begin(), FCodesRead.end(), sameCode);
}

void TfmSetBootOptions::imgbCloseClick(plat::TObject*) {
  if (!FimgbClose->Enabled()) return;
  const TBootSettings settings = SettingsToWrite();
  bool written = true;
  if (settings.Order) {
    plat::TStringList order;
    for (const plat::String& code : *settings.Order) order.Add(code);
    order.Add(kEndMarkText);
    written = SetBootOrder(order);
  }
  if (settings.FastBoot) written = SetBootFlag(*settings.FastBoot) && written;
  if (!written) {
    // A write whose answer never came may have been carried out all the same,
    // and one of the two may have gone through alone: from here on the window
    // shows what the BIOS holds, and only what it does not hold is a failure.
    Load();
    if (!ShowsSettings(settings)) {
      DisableApply();
      WindowMessage(*this, kWriteFailed, oiWarning, obOK);
      return;
    }
  }
  if (settings.FastBoot) FFlagRead = true;
  FFlagChanged = false;
  DisableApply();
}

}  // namespace zorbit
