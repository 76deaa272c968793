#pragma once
// TfmAssetTag: the asset-tag dialog. It shows the tag the BIOS holds and
// stores the one the user types, exactly as typed (blanks included).
//
// A stored tag whose first character is U+00FF or U+FFFD (an unwritten BIOS
// field: byte 255 read as text) counts as no tag and shows an empty edit.
// The edit sets no length limit; the BIOS decides what it takes.
//
// Promises beyond the plain flow: a tag the BIOS refuses is never reported
// as stored: a failure message is shown and the dialog stays open with the
// text typed, so that it can be corrected or the dialog closed (which
// stores nothing and keeps the old tag).
#include "app/BaseWindows.h"

namespace zorbit {

class TskButton;
class TskEdit;

class TfmAssetTag : public TfmBaseDialog {
 public:
  explicit TfmAssetTag(plat::TComponent* AOwner);

  // Reads the stored tag and shows the dialog modally. True when OK stored a
  // tag, which is then in Tag; false at once, showing nothing, when the tag
  // cannot be read, and false when the dialog is closed without storing.
  bool Execute(plat::String& Tag);
  // Whether the last OK stored its tag.
  bool Stored() const { return FStored; }

  TskEdit* edtTag() const { return FedtTag; }
  TskButton* btnOK() const { return FbtnOK; }

  // The tag as the dialog shows it: trimmed, and empty for an unwritten field.
  static plat::String ShownTag(const plat::String& StoredTag);
  // Whether a stored tag counts as none: empty or an unwritten field.
  static bool NoTagStored(const plat::String& StoredTag);

 private:
  void FormCreate(plat::TObject* Sender);
  void btnOKClick(plat::TObject* Sender);

  TskEdit* FedtTag = nullptr;
  TskButton* FbtnOK = nullptr;
  bool FOKPressed = false;
  bool FStored = false;
};

}  // namespace zorbit
