#pragma once
// TfmCheckPassword: the prompt that asks for the current supervisor (mode 0)
// or user (mode 1) password before the Security window removes it. The
// owner sets the mode, shows it modally and reads Verified.
//
// OK decodes the field with the mode's key pool and asks the BIOS to verify
// it: verified, the prompt closes; not (a field that cannot be decoded
// counts as a wrong password), the message "HM000A" shows and the prompt
// stays open. The field is emptied either way. Verified is reset every time
// the prompt is shown, so a prompt left by Cancel or its close box never
// reads as verified.
#include "app/BaseWindows.h"
#include "app/TVKeyPool.h"

namespace zorbit {

class TskButton;
class TskEdit;

enum TPasswordMode { pmSupervisor = 0, pmUser = 1 };

class TfmCheckPassword : public TfmBaseDialog {
 public:
  explicit TfmCheckPassword(plat::TComponent* AOwner);

  int Mode() const { return FMode; }
  void SetMode(int Value) { FMode = Value; }
  bool Verified() const { return FVerified; }

  TskEdit* edtPasswd() const { return FedtPasswd; }
  TskButton* btnOK() const { return FbtnOK; }
  TskButton* btnCancel() const { return FbtnCancel; }

 private:
  void FormCreate(plat::TObject* Sender);
  void FormShow(plat::TObject* Sender);
  void FormActivate(plat::TObject* Sender);
  void btnOKClick(plat::TObject* Sender);
  void btnCancelClick(plat::TObject* Sender);
  TVKeyPool& ModePool() { return FMode == pmUser ? FUserPool : FSupervisorPool; }

  int FMode = pmSupervisor;
  bool FVerified = false;
  TVKeyPool FSupervisorPool;
  TVKeyPool FUserPool;
  TskEdit* FedtPasswd = nullptr;
  TskButton* FbtnOK = nullptr;
  TskButton* FbtnCancel = nullptr;
};

}  // namespace zorbit
