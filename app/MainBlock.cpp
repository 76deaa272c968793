#include "app/MainBlock.h"

#include <iostream>

#include "app/About.h"
#include "app/Localization.h"
#include "app/ProgramUnits.h"
#include "app/ZorbitMain.h"
#include "platform/rtl/CommandLine.h"
#include "platform/rtl/Exception.h"
#include "platform/rtl/Paths.h"
#include "platform/ui/TApplication.h"
#include "platform/win/Display.h"
#include "service/GenericAPI.h"
#include "service/GenericShellAPI.h"
#include "service/ZorbitConfig.h"
#include "service/tcpClient.h"

namespace zorbit {

namespace {

constexpr const char* kAppName = "Ovra Zorbit Management";
constexpr const char* kMainWindowClass = "TfmZorbitMain";
constexpr const char* kExtractFolder = "\\Ovra\\Quilmo";
constexpr const char* kLanguageFolder = "Resources";
constexpr const char* kConfigKey = "\\Software\\Ovra\\Zorbit";
constexpr const char* kPackSuffix = "_ZorbitN";
constexpr const char* kDefaultPack = "English_ZorbitN";

}  // namespace

int RunMainBlock(int argc, char** argv) {
  plat::SetCommandLine(argc, argv);
  // The desktop before anything else: windows it cannot show would leave the
  // program running where nobody sees it, holding the single-instance mutex.
  try {
    plat::CurrentDisplay();
  } catch (const plat::Exception& e) {
    std::cerr << plat::ExtractFileName(argv[0]) << ": " << e.Message() << "\n";
    return 1;
  }
  const TProgramUnits units;

  if (CheckSingleInstance(kAppName, kMainWindowClass, true)) return 0;

  plat::Application->Initialize();
  plat::Application->SetTitle(kAppName);

  TLocalization& localization = CreateLocalization(GetExeDir() + kLanguageFolder, GetAppDataDir() + kExtractFolder);
  // Used as stored: a stray blank names a pack that does not exist.
  const plat::String language = ReadConfigString("Language", false, kConfigKey);
  localization.Load(language.empty() ? plat::String(kDefaultPack) : language + kPackSuffix);

  IpfqServPtr serv;
  GetServ(serv, nullptr);
  if (!serv) {
    plat::Application->Terminate();
    return 0;
  }

  TfmZorbitMain* fmZorbitMain = nullptr;
  plat::Application->CreateForm(fmZorbitMain);
  // Made at start and never shown; About makes a window of its own.
  TfmAbout* fmAbout = nullptr;
  plat::Application->CreateForm(fmAbout);
  plat::Application->Run();
  serv.reset();
  return 0;
}

}  // namespace zorbit
