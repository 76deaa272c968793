#pragma once
// TfmSetBootOptions: the Boot Options window. It shows the BIOS boot order
// as device names that the user reorders with the arrow buttons or by
// dragging within the list, and the fast-boot option; Apply writes both back.
//
// The list shows the devices of the boot device table (codes 0 to 14, by
// name) up to the end mark "FF". Codes the table does not know are not
// shown but keep their places: Apply writes them back where they were, and
// the known devices fill the other places in the list's order.
//
// Promises beyond the plain flows: a value whose read failed is never
// written unless the user changed it (a failed order read is never written
// as an empty order). A write that fails (refused, or its answer not come in
// time, when the service may still have carried it out) is followed by
// reading back what the BIOS holds: when that is what was written, the
// Apply went through after all and counts as done; otherwise the window
// shows what was read, never an order the BIOS does not hold (nothing when
// that read fails too), Apply is disabled until the next change and a
// failure message says the options were not saved. Up on the first item,
// Down on the last and no selection change nothing; dropping an item on
// itself enables Apply.
#include <cstdint>
#include <optional>
#include <vector>

#include "app/BaseWindows.h"

namespace plat {
class TDragObject;
}

namespace zorbit {

class TskButton;
class TskCheckBox;
class TskImageButton;
class TskListBox;

class TfmSetBootOptions : public TfmBaseDialog {
 public:
  explicit TfmSetBootOptions(plat::TComponent* AOwner);

  // The device names by boot code, as shown (never translated).
  static const std::vector<plat::String>& BootDevices();
  // Apply's caption colour while enabled and after it was used.
  static constexpr plat::TColor kApplyEnabledColor = 0x444E01;
  static constexpr plat::TColor kApplyUsedColor = 0x808080;

  TskListBox* listboxBootSequence() const { return FList; }
  TskButton* btnUp() const { return FbtnUp; }
  TskButton* btnDown() const { return FbtnDown; }
  TskCheckBox* imgcFastBoot() const { return FimgcFastBoot; }
  TskImageButton* imgbClose() const { return FimgbClose; }

 private:
  void FormCreate(plat::TObject* Sender);
  void FormKeyUp(plat::TObject* Sender, std::uint16_t& Key, plat::TShiftState Shift);
  void btnUpClick(plat::TObject* Sender);
  void btnDownClick(plat::TObject* Sender);
  void imgbCloseClick(plat::TObject* Sender);
  void listboxBootSequenceStartDrag(plat::TObject* Sender, plat::TDragObject*& DragObject);
  void listboxBootSequenceDragOver(plat::TObject* Sender, plat::TObject* Source, int X, int Y,
                                   plat::TDragState State, bool& Accept);
  void listboxBootSequenceDragDrop(plat::TObject* Sender, plat::TObject* Source, int X, int Y);
  void imgcFastBootClick(plat::TObject* Sender);

  // What one Apply writes: the order (its codes before the end mark) when it
  // was read, the fast-boot flag when it was read or set by the user.
  struct TBootSettings {
    std::optional<std::vector<plat::String>> Order;
    std::optional<bool> FastBoot;
  };

  // Shows what the BIOS holds; a value whose read fails shows as nothing.
  void Load();
  // Moves the item at From so that it ends at To, selected, and enables Apply.
  void MoveItem(int From, int To);
  void EnableApply();
  void DisableApply();
  // The codes to write: the list's devices in the places of the known codes read.
  std::vector<plat::String> OrderToWrite() const;
  TBootSettings SettingsToWrite() const;
  // Whether the values loaded are Settings.
  bool ShowsSettings(const TBootSettings& Settings) const;

  TskListBox* FList = nullptr;
  TskButton* FbtnUp = nullptr;
  TskButton* FbtnDown = nullptr;
  TskCheckBox* FimgcFastBoot = nullptr;
  TskImageButton* FimgbClose = nullptr;

  int FDragIndex = -1;
  bool FLoading = false;
  // The codes read before the end mark, known or not.
  std::vector<plat::String> FCodesRead;
  bool FOrderRead = false;
  bool FFlagRead = false;
  bool FFlagChanged = false;
};

}  // namespace zorbit
