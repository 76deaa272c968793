#include "app/ProgramUnits.h"

#include "app/DebugLog.h"
#include "app/HtmlHelpControl.h"
#include "app/Localization.h"
#include "app/OvraMessageBox.h"
#include "app/StringTable.h"
#include "app/gnugettext.h"
#include "extgrid/ExtGridClasses.h"
#include "grid/ComboClasses.h"
#include "grid/EditBtnClasses.h"
#include "grid/MarkupLabelClasses.h"
#include "grid/SpinEditClasses.h"
#include "grid/UniEditClasses.h"
#include "platform/ui/ClassLibrary.h"
#include "platform/ui/TApplication.h"
#include "platform/win/HtmlHelp.h"
#include "service/AppHooks.h"
#include "service/ServiceUnits.h"
#include "skin/SkinClasses.h"

namespace zorbit {

TProgramUnits::TProgramUnits() {
  plat::InitClassLibrary();
  plat::InitForms();
  InitializeServiceUnits();
  InitializeLocalization();
  InstallStringTableLookup();
  InitializeGnuGettext();
  RegisterSkinClasses();
  RegisterMarkupLabelClass();
  RegisterSpinEditClasses();
  RegisterEditBtnClasses();
  RegisterComboClasses();
  RegisterUniEditClasses();
  RegisterExtGridClasses();
  plat::RegisterHelpControl();
  // The debug log's header describes the help control, so it is found first.
  InitializeHtmlHelp();
  InitializeDebugLog();
  InitializeMessageBox();

  TAppHooks& hooks = AppHooks();
  hooks.MessageBox = [](const plat::String& Caption, const plat::String& Title, const plat::String& Text, int Icon,
                        int Buttons) { return static_cast<int>(OvraMessageBox(nullptr, Caption, Title, Text, Icon, Buttons, 0)); };
  hooks.ProcessMessages = [] { plat::Application->ProcessMessages(); };
  hooks.Terminate = [] { plat::Application->Terminate(); };
  hooks.Title = [] { return plat::Application->Title(); };
}

TProgramUnits::~TProgramUnits() {
  AppHooks() = TAppHooks{};
  FinalizeDebugLog();
  FinalizeHtmlHelp();
  plat::DoneForms();
  FinalizeGnuGettext();
  FinalizeLocalization();
  FinalizeServiceUnits();
}

}  // namespace zorbit
