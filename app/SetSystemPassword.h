#pragma once
// TfmSetSystemPassword: the Security window. It sets, changes and removes
// the BIOS supervisor and user passwords and starts the smart-card
// product's options program.
//
// The two password sections work alike and share one implementation
// (TPasswordSection): a check box that shows whether the BIOS holds the
// password, an input link that opens the entry (Old, New, Confirm; Old only
// for a change), a remove link, and Apply/Cancel. The user section is
// enabled only while a supervisor password is set. Passwords never pass as
// characters: each field is fed by its own key pool (PasswordEdit.h).
//
// Promises beyond the plain flows: a set or change the BIOS refuses shows
// its failure message, refreshes the window from the BIOS and marks nothing
// as set; a removal that fails leaves its box checked; keyboard toggles of
// the check boxes take the same road as the mouse; removing asks for the
// current password through the prompt (CheckPassword.h) first.
//
// The smart-card program is "VXconfig.exe" in the folder named by the value
// "InstallFolder" of HKEY_CLASSES_ROOT\EncryptFileInfo\INIT ("c:\Vaultix"
// when the key is missing); its button is disabled when no such file exists.
#include <array>
#include <cstdint>

#include "app/BaseWindows.h"
#include "app/TVKeyPool.h"

namespace plat {
class TControl;
}

namespace zorbit {

class TfmCheckPassword;
class TMarkupLabel;
class TskButton;
class TskCheckBox;
class TskEdit;
class TskGroupBox;
class TskImageButton;

// The controls, key pools, state and BIOS calls of one password section.
struct TPasswordSection {
  enum TField { fdOld, fdNew, fdConfirm };

  TskGroupBox* Group = nullptr;
  plat::TLabel* Detail = nullptr;
  TskCheckBox* Box = nullptr;
  TMarkupLabel* InputLink = nullptr;
  TMarkupLabel* RemoveLink = nullptr;
  std::array<plat::TLabel*, 3> Labels{};
  std::array<TskEdit*, 3> Edits{};
  std::array<TVKeyPool, 3> Pools;
  TskButton* Apply = nullptr;
  TskButton* Cancel = nullptr;

  bool PasswordSet = false;
  bool EntryOpen = false;

  int PromptMode = 0;
  bool (*Verify)(const plat::String&) = nullptr;
  bool (*Store)(const plat::String&) = nullptr;
  bool (*Clear)() = nullptr;
};

class TfmSetSystemPassword : public TfmBaseDialog {
 public:
  explicit TfmSetSystemPassword(plat::TComponent* AOwner);

  // Reads both passwords' state from the BIOS and closes both entries; the
  // main window calls it again after translating the window.
  void Refresh();

  TPasswordSection& Supervisor() { return FSupervisor; }
  TPasswordSection& User() { return FUser; }
  bool UserSectionEnabled() const { return FUserEnabled; }
  TskImageButton* imgbSetSmart() const { return FimgbSetSmart; }
  const plat::String& SmartCardPath() const { return FSmartCardPath; }
  TfmCheckPassword* Prompt() const { return FPrompt; }

 private:
  void FormCreate(plat::TObject* Sender);
  void FormClose(plat::TObject* Sender, plat::TCloseAction& Action);
  void FormKeyUp(plat::TObject* Sender, std::uint16_t& Key, plat::TShiftState Shift);
  void imgcSuperPasswdEnableMouseUp(plat::TObject*) { BoxToggled(FSupervisor); }
  void imgcUserPasswdEnableMouseUp(plat::TObject*) { BoxToggled(FUser); }
  void hlbSInputPasswdClick(plat::TObject*) { OpenEntry(FSupervisor); }
  void hlbInputPasswdClick(plat::TObject*) { OpenEntry(FUser); }
  void hlbSRemovePasswdClick(plat::TObject*) { RemoveClicked(FSupervisor); }
  void hlbRemovePasswdClick(plat::TObject*) { RemoveClicked(FUser); }
  void hlbSApplyClick(plat::TObject*) { ApplyEntry(FSupervisor); }
  void hlbApplyClick(plat::TObject*) { ApplyEntry(FUser); }
  void hlbSCancelClick(plat::TObject*) { CancelEntry(FSupervisor); }
  void hlbCancelClick(plat::TObject*) { CancelEntry(FUser); }
  void imgbSetSmartClick(plat::TObject* Sender);

  void BindSection(TPasswordSection& Section, const char* Group, const char* Detail, const char* Box,
                   const char* InputLink, const char* RemoveLink, std::array<const char*, 3> Labels,
                   std::array<const char*, 3> Edits, const char* Apply, const char* Cancel);
  // Places a control at a point of the form's client area, in its parent's coordinates.
  void PlaceAt(plat::TControl* Control, int X, int Y);

  // Sets a box without taking it for the user's toggle.
  void SetBox(TPasswordSection& Section, bool Checked);
  void BoxToggled(TPasswordSection& Section);
  void RemoveSupervisor();
  void RemoveUser();
  void RemoveClicked(TPasswordSection& Section);
  void OpenEntry(TPasswordSection& Section);
  void CloseEntry(TPasswordSection& Section);
  void ApplyEntry(TPasswordSection& Section);
  void CancelEntry(TPasswordSection& Section);
  void UpdateLinks(TPasswordSection& Section);
  void EnableUserSection(bool Enabled);
  // The prompt in the section's mode: whether the password was verified.
  bool PromptVerifies(TPasswordSection& Section);
  bool IsSupervisor(const TPasswordSection& Section) const { return &Section == &FSupervisor; }

  TPasswordSection FSupervisor;
  TPasswordSection FUser;
  bool FUserEnabled = false;
  bool FSettingBox = false;
  plat::String FSmartCardPath;
  TskImageButton* FimgbSetSmart = nullptr;
  TfmCheckPassword* FPrompt = nullptr;
};

}  // namespace zorbit
