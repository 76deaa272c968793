// The start-up benchmark's baseline: a program that shows one bare form of
// the class library in the headless display, under the same script runner
// as uidrive ("wait TForm", "print painted", "quit").
#include <iostream>

#include "platform/ui/ClassLibrary.h"
#include "platform/ui/TApplication.h"
#include "platform/ui/TForm.h"
#include "platform/win/Display.h"
#include "tools/uidrive/Script.h"
#include "tools/uidrive/ScriptRunner.h"

int main() {
  plat::SetDisplay(plat::CreateHeadlessDisplay());
  plat::InitClassLibrary();
  plat::InitForms();
  int exitCode = 0;
  {
    uidrive::TScriptRunner runner(uidrive::ParseScript("wait TForm\nprint painted\nquit\n"), std::cout);
    runner.Start();
    plat::Application->Initialize();
    plat::TForm* form = nullptr;
    plat::Application->CreateForm(form);
    form->SetCaption("Bare");
    form->SetBounds(0, 0, 652, 511);
    plat::Application->Run();
    exitCode = runner.Finish(0);
  }
  plat::DoneForms();
  return exitCode;
}
