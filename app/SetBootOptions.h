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
// as an empty order); a write the BIOS refuses shows a failure message and
// leaves Apply enabled so that it can be tried again. Up on the first item,
// Down on the last and no selection change nothing; dropping an item on
// itself enables Apply.
#include <cstdint>
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

  void Load();
  // Moves the item at From so that it ends at To, selected, and enables Apply.
  void MoveItem(int From, int To);
  void EnableApply();
  // The codes to write: the list's devices in the places of the known codes read.
  std::vector<plat::String> OrderToWrite() const;

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
