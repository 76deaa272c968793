#include "app/SetSystemPassword.h"

#include "app/ApplyStyle.h"
#include "app/CheckPassword.h"
#include "app/HelpKey.h"
#include "app/OvraMessageBox.h"
#include "app/PasswordEdit.h"
#include "app/StringTable.h"
#include "app/Translate.h"
#include "grid/TMarkupLabel.h"
#include "platform/os/Launcher.h"
#include "platform/os/Registry.h"
#include "platform/rtl/FileUtils.h"
#include "platform/ui/TApplication.h"
#include "platform/ui/TCustomLabel.h"
#include "platform/ui/TCustomPanel.h"
#include "platform/win/WindowStyles.h"
#include "service/NBFuncPassword.h"
#include "skin/SkButton.h"
#include "skin/SkCheckBox.h"
#include "skin/SkEdit.h"
#include "skin/SkForm.h"
#include "skin/SkGroupBox.h"
#include "skin/SkImageButton.h"

namespace zorbit {

namespace {

constexpr int kWindowWidth = 588;
constexpr int kWindowHeight = 462;
constexpr int kEntryButtonsTop = 341;
constexpr int kSupervisorApplyLeft = 64;
constexpr int kSupervisorCancelLeft = 172;
constexpr int kUserApplyLeft = 325;
constexpr int kUserCancelLeft = 433;

constexpr const char* kSmartCardKey = "EncryptFileInfo\\INIT";
constexpr const char* kSmartCardValue = "InstallFolder";
constexpr const char* kSmartCardDefaultFolder = "c:\\Vaultix";
constexpr const char* kSmartCardProgram = "\\VXconfig.exe";

plat::String Lookup(const plat::String& Section, const plat::String& Key) {
  return StringTable() ? StringTable()->Lookup(Section, Key) : Key;
}

plat::String SmartCardFolder() {
  plat::TRegistry registry;
  registry.SetRootKey(plat::HKEY_CLASSES_ROOT);
  if (!registry.OpenKeyReadOnly(kSmartCardKey)) return kSmartCardDefaultFolder;
  return registry.ReadString(kSmartCardValue);
}

}  // namespace

TfmSetSystemPassword::TfmSetSystemPassword(plat::TComponent* AOwner) : TfmBaseDialog(AOwner, TDeferLayout{}) {
  plat::TLayoutHandlers handlers = Handlers();
  using T = TfmSetSystemPassword;
  handlers.RegisterHandler("FormCreate", this, &T::FormCreate);
  handlers.RegisterHandler("FormClose", this, &T::FormClose);
  handlers.RegisterHandler("FormKeyUp", this, &T::FormKeyUp);
  handlers.RegisterHandler("imgcSuperPasswdEnableMouseUp", this, &T::imgcSuperPasswdEnableMouseUp);
  handlers.RegisterHandler("imgcUserPasswdEnableMouseUp", this, &T::imgcUserPasswdEnableMouseUp);
  handlers.RegisterHandler("hlbSInputPasswdClick", this, &T::hlbSInputPasswdClick);
  handlers.RegisterHandler("hlbInputPasswdClick", this, &T::hlbInputPasswdClick);
  handlers.RegisterHandler("hlbSRemovePasswdClick", this, &T::hlbSRemovePasswdClick);
  handlers.RegisterHandler("hlbRemovePasswdClick", this, &T::hlbRemovePasswdClick);
  handlers.RegisterHandler("hlbSApplyClick", this, &T::hlbSApplyClick);
  handlers.RegisterHandler("hlbApplyClick", this, &T::hlbApplyClick);
  handlers.RegisterHandler("hlbSCancelClick", this, &T::hlbSCancelClick);
  handlers.RegisterHandler("hlbCancelClick", this, &T::hlbCancelClick);
  handlers.RegisterHandler("imgbSetSmartClick", this, &T::imgbSetSmartClick);
  CreateFromLayout("TfmSetSystemPassword", handlers);
}

void TfmSetSystemPassword::BindSection(TPasswordSection& Section, const char* Group, const char* Detail,
                                       const char* Box, const char* InputLink, const char* RemoveLink,
                                       std::array<const char*, 3> Labels, std::array<const char*, 3> Edits,
                                       const char* Apply, const char* Cancel) {
  Section.Group = Part<TskGroupBox>(Group);
  Section.Detail = Part<plat::TLabel>(Detail);
  Section.Box = Part<TskCheckBox>(Box);
  Section.InputLink = Part<TMarkupLabel>(InputLink);
  Section.RemoveLink = Part<TMarkupLabel>(RemoveLink);
  for (std::size_t i = 0; i < 3; ++i) {
    Section.Labels[i] = Part<plat::TLabel>(Labels[i]);
    Section.Edits[i] = Part<TskEdit>(Edits[i]);
    TVKeyPool& pool = Section.Pools[i];
    MakePasswordEdit(*Section.Edits[i], [&pool]() -> TVKeyPool& { return pool; });
  }
  Section.Apply = Part<TskButton>(Apply);
  Section.Cancel = Part<TskButton>(Cancel);
}

void TfmSetSystemPassword::FormCreate(plat::TObject* Sender) {
  SetWidth(kWindowWidth);
  SetHeight(kWindowHeight);
  TfmBaseDialog::FormCreate(Sender);
  fmBase()->SetCaption(plat::Application->Title());
  ApplyStyle(this);

  BindSection(FSupervisor, "skGroupBox4", "Label1", "imgcSuperPasswdEnable", "hlbSInputPasswd", "hlbSRemovePasswd",
              {"lbSOld", "lbSNew", "lbSConfirm"}, {"edtSOldPasswd", "edtSNewPasswd", "edtSConfirmPasswd"},
              "hlbSApply", "hlbSCancel");
  FSupervisor.PromptMode = pmSupervisor;
  FSupervisor.Verify = VerifySupervisorPassword;
  FSupervisor.Store = SetSupervisorPassword;
  FSupervisor.Clear = ClearSupervisorPassword;
  BindSection(FUser, "lbUTitle", "lbUDetail", "imgcUserPasswdEnable", "hlbInputPasswd", "hlbRemovePasswd",
              {"lbOld", "lbNew", "lbConfirm"}, {"edtOldPasswd", "edtNewPasswd", "edtConfirmPasswd"}, "hlbApply",
              "hlbCancel");
  FUser.PromptMode = pmUser;
  FUser.Verify = VerifyUserPassword;
  FUser.Store = SetUserPassword;
  FUser.Clear = ClearUserPassword;

  FimgbSetSmart = Part<TskImageButton>("imgbSetSmart");
  PlaceInBodyCorner(FimgbSetSmart);
  PlaceAt(FSupervisor.Apply, kSupervisorApplyLeft, kEntryButtonsTop);
  PlaceAt(FSupervisor.Cancel, kSupervisorCancelLeft, kEntryButtonsTop);
  PlaceAt(FUser.Apply, kUserApplyLeft, kEntryButtonsTop);
  PlaceAt(FUser.Cancel, kUserCancelLeft, kEntryButtonsTop);

  Refresh();
  for (TPasswordSection* section : {&FSupervisor, &FUser})
    for (TskEdit* edit : section->Edits) edit->SetText("");
  FSmartCardPath = SmartCardFolder() + kSmartCardProgram;
  FimgbSetSmart->SetEnabled(plat::FileExists(FSmartCardPath));
  FPrompt = new TfmCheckPassword(this);
}

void TfmSetSystemPassword::PlaceAt(plat::TControl* Control, int X, int Y) {
  for (plat::TControl* parent = Control->Parent(); parent && parent != this; parent = parent->Parent()) {
    X -= parent->Left();
    Y -= parent->Top();
  }
  Control->SetLeft(X);
  Control->SetTop(Y);
}

void TfmSetSystemPassword::FormClose(plat::TObject*, plat::TCloseAction&) {
  if (FPrompt && FPrompt->Visible()) FPrompt->Close();
}

void TfmSetSystemPassword::FormKeyUp(plat::TObject*, std::uint16_t& Key, plat::TShiftState) { HelpKeyReleased(Key); }

void TfmSetSystemPassword::Refresh() {
  SetBox(FSupervisor, IsSupervisorPasswordSet());
  SetBox(FUser, IsUserPasswordSet());
  FSupervisor.PasswordSet = FSupervisor.Box->Checked();
  FUser.PasswordSet = FUser.Box->Checked();
  EnableUserSection(FSupervisor.PasswordSet);
  for (TPasswordSection* section : {&FSupervisor, &FUser}) {
    CloseEntry(*section);
    UpdateLinks(*section);
  }
}

void TfmSetSystemPassword::SetBox(TPasswordSection& Section, bool Checked) {
  const bool wasSetting = FSettingBox;
  FSettingBox = true;
  Section.Box->SetChecked(Checked);
  FSettingBox = wasSetting;
}

void TfmSetSystemPassword::EnableUserSection(bool Enabled) {
  FUserEnabled = Enabled;
  FUser.Group->SetEnabled(Enabled);
  FUser.Detail->SetEnabled(Enabled);
  for (std::size_t i = 0; i < 3; ++i) {
    FUser.Labels[i]->SetEnabled(Enabled);
    FUser.Edits[i]->SetEnabled(Enabled);
  }
  for (plat::TControl* control : {static_cast<plat::TControl*>(FUser.InputLink),
                                  static_cast<plat::TControl*>(FUser.RemoveLink),
                                  static_cast<plat::TControl*>(FUser.Apply), static_cast<plat::TControl*>(FUser.Cancel)})
    control->SetEnabled(Enabled);
  if (Enabled) {
    EnableStyledCheckBox(FUser.Box);
  } else {
    DisableStyledCheckBox(FUser.Box);
  }
  const plat::TColor anchor = Enabled ? plat::clBlack : plat::clGrayText;
  FUser.InputLink->SetURLColor(anchor);
  FUser.RemoveLink->SetURLColor(anchor);
  FUser.Group->Invalidate();
}

void TfmSetSystemPassword::UpdateLinks(TPasswordSection& Section) {
  plat::TStringList text;
  text.SetText(Lookup(kFormComponentSection, Section.PasswordSet ? "HS0408" : "HS040B"));
  Section.InputLink->SetHTMLText(&text);
  Section.InputLink->SetEnabled(Section.PasswordSet || IsSupervisor(Section) || FUserEnabled);
  Section.RemoveLink->SetVisible(Section.PasswordSet);
  Section.RemoveLink->SetEnabled(Section.PasswordSet);
}

void TfmSetSystemPassword::OpenEntry(TPasswordSection& Section) {
  if (Section.EntryOpen) return;
  const bool change = Section.PasswordSet;
  Section.Labels[TPasswordSection::fdOld]->SetVisible(change);
  Section.Edits[TPasswordSection::fdOld]->SetVisible(change);
  for (auto field : {TPasswordSection::fdNew, TPasswordSection::fdConfirm}) {
    Section.Labels[field]->SetVisible(true);
    Section.Edits[field]->SetVisible(true);
  }
  Section.Apply->SetVisible(true);
  Section.Cancel->SetVisible(true);
  TskEdit* first = Section.Edits[change ? TPasswordSection::fdOld : TPasswordSection::fdNew];
  if (Showing() && first->CanFocus()) first->SetFocus();
  Section.EntryOpen = true;
  Section.InputLink->SetEnabled(false);
  Section.RemoveLink->SetEnabled(false);
}

void TfmSetSystemPassword::CloseEntry(TPasswordSection& Section) {
  Section.EntryOpen = false;
  for (std::size_t i = 0; i < 3; ++i) {
    Section.Labels[i]->SetVisible(false);
    Section.Edits[i]->SetVisible(false);
  }
  Section.Apply->SetVisible(false);
  Section.Cancel->SetVisible(false);
}

void TfmSetSystemPassword::RemoveClicked(TPasswordSection& Section) {
  if (Section.EntryOpen) return;
  SetBox(Section, false);
  BoxToggled(Section);
}

void TfmSetSystemPassword::BoxToggled(TPasswordSection& Section) {
  if (FSettingBox) return;
  if (Section.EntryOpen) {
    SetBox(Section, !Section.Box->Checked());
  } else if (!Section.PasswordSet) {
    SetBox(Section, false);
    OpenEntry(Section);
  } else if (IsSupervisor(Section)) {
    RemoveSupervisor();
  } else {
    RemoveUser();
  }
}

bool TfmSetSystemPassword::PromptVerifies(TPasswordSection& Section) {
  FPrompt->SetMode(Section.PromptMode);
  FPrompt->ShowModal();
  return FPrompt->Verified();
}

void TfmSetSystemPassword::RemoveSupervisor() {
  const char* question = FUser.PasswordSet ? "HM0001" : "HM0002";
  if (WindowMessage(*this, question, oiWarningToo, obYesNo) != plat::mrYes || !PromptVerifies(FSupervisor)) {
    SetBox(FSupervisor, true);
    return;
  }
  if (!ClearSupervisorPassword()) {
    WindowMessage(*this, "HM0003", oiInformation, obOK);
    SetBox(FSupervisor, true);
    return;
  }
  WindowMessage(*this, "HM0004", oiInformation, obOK);
  if (!ClearUserPassword()) WindowMessage(*this, "HM0007", oiWarning, obOK);
  SetBox(FUser, false);
  FUser.PasswordSet = false;
  UpdateLinks(FUser);
  CloseEntry(FUser);
  SetBox(FSupervisor, false);
  FSupervisor.PasswordSet = false;
  EnableUserSection(false);
  CloseEntry(FSupervisor);
  UpdateLinks(FSupervisor);
}

void TfmSetSystemPassword::RemoveUser() {
  if (WindowMessage(*this, "HM0006", oiWarningToo, obYesNo) != plat::mrYes || !PromptVerifies(FUser)) {
    SetBox(FUser, true);
    return;
  }
  if (!ClearUserPassword()) {
    // The BIOS still holds it: the box keeps saying so.
    WindowMessage(*this, "HM0007", oiWarning, obOK);
    SetBox(FUser, true);
    return;
  }
  WindowMessage(*this, "HM0008", oiInformation, obOK);
  SetBox(FUser, false);
  FUser.PasswordSet = false;
  UpdateLinks(FUser);
  CloseEntry(FUser);
}

void TfmSetSystemPassword::ApplyEntry(TPasswordSection& Section) {
  using F = TPasswordSection;
  plat::String fresh;
  plat::String confirmation;
  const bool decoded = DecodePasswordField(Section.Pools[F::fdNew], *Section.Edits[F::fdNew], fresh) &&
                       DecodePasswordField(Section.Pools[F::fdConfirm], *Section.Edits[F::fdConfirm], confirmation);
  if (decoded && fresh.empty()) return;
  if (!decoded || confirmation != fresh) {
    WindowMessage(*this, "HM000C", oiWarning, obOK);
    return;
  }

  const bool supervisor = IsSupervisor(Section);
  const bool change = Section.PasswordSet;
  if (change) {
    plat::String old;
    if (!DecodePasswordField(Section.Pools[F::fdOld], *Section.Edits[F::fdOld], old) || !Section.Verify(old)) {
      WindowMessage(*this, "HM000A", oiWarning, obOK);
      fresh.clear();
    }
  }
  if (!fresh.empty()) {
    if (!Section.Store(fresh)) {
      // Nothing may read as set that the BIOS did not take: show what it holds.
      WindowMessage(*this, supervisor ? (change ? "HM0011" : "HM0010") : (change ? "HM0013" : "HM0012"), oiWarning,
                    obOK);
      for (TskEdit* edit : Section.Edits) edit->SetText("");
      Refresh();
      return;
    }
    plat::String done = supervisor ? (change ? "HM0009" : "HM000B") : "HM000D";
    if (!supervisor && change && Lookup("Messages", "HM000F") != "HM000F") done = "HM000F";
    WindowMessage(*this, done, oiInformation, obOK);
    SetBox(Section, true);
  }
  Section.PasswordSet = true;
  EnableUserSection(true);
  CloseEntry(Section);
  UpdateLinks(Section);
  for (TskEdit* edit : Section.Edits) edit->SetText("");
}

void TfmSetSystemPassword::CancelEntry(TPasswordSection& Section) {
  Section.EntryOpen = false;
  Section.InputLink->SetEnabled(true);
  Section.RemoveLink->SetEnabled(true);
  for (TskEdit* edit : Section.Edits) edit->SetText("");
  Refresh();
}

void TfmSetSystemPassword::imgbSetSmartClick(plat::TObject*) {
  plat::ShellExecute("open", FSmartCardPath, "", "", plat::SW_RESTORE);
}

}  // namespace zorbit
