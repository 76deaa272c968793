#pragma once
// TfmSystemInfo: the System Info window. Picture buttons choose a page
// (Summary, Processor, Motherboard and BIOS, Network, Memory, Video,
// Audio); the page is read from the service (SystemInfoPages.h) and shown
// in the grid esgSystemInfo as caption and value rows, grouped pages with
// their captions in bold, two blanks before each row name and an empty row
// between groups; the columns are fitted to their texts. Two buttons copy
// the page, or every page, as aligned text (SystemInfoReport.h) to the
// clipboard and into a new text file that the desktop's text editor opens.
//
// The Asset Tag button shows when no tag is stored (empty, or starting with
// U+00FF or U+FFFD, an unwritten field) and after the key releases Ctrl,
// Shift, F9, then F11 or F12; it opens the asset-tag dialog and, once a tag
// is stored, shows it in the Summary's row and hides again. F1 released
// clicks the main window's Help button.
//
// Promises beyond the plain flow: page and copy clicks that arrive while a
// page is being read (the service link lets messages run while it waits)
// are ignored, so one page's rows never stand under another's title.
#include <cstdint>
#include <memory>

#include "app/BaseWindows.h"
#include "app/SystemInfoPages.h"

namespace plat {
class TStringList;
class TStrings;
}  // namespace plat

namespace zorbit {

class TExtStringGrid;
class TImgBtn;
class TskButton;
class TskImageButton;
class TskImagePanel;

class TfmSystemInfo : public TfmBaseDialog {
 public:
  enum TPage { pgSummary = 0, pgProcessor = 1, pgMemory = 4, pgVideo = 5, pgAudio = 6, pgBoardAndBios = 7, pgNetwork = 8 };

  explicit TfmSystemInfo(plat::TComponent* AOwner);
  ~TfmSystemInfo() override;

  int CurrentPage() const { return FPage; }
  // The current page as the copy buttons give it.
  const plat::TStrings& PageReport() const;
  bool SerialPortHidden() const { return FSerialPortHidden; }
  // The report file the last copy wrote ("" before any, or when it could not be written).
  const plat::String& LastReportFile() const { return FLastReportFile; }

  TExtStringGrid* esgSystemInfo() const { return FGrid; }
  plat::TLabel* lbhint() const { return FlbHint; }
  TskButton* imgbAssetTag() const { return FimgbAssetTag; }
  TImgBtn* PageButton(TPage Page);
  TskImageButton* skImageButton1() const { return FCopyPage; }
  TskImageButton* skImageButton2() const { return FCopyAll; }

 private:
  void FormCreate(plat::TObject* Sender);
  void FormKeyUp(plat::TObject* Sender, std::uint16_t& Key, plat::TShiftState Shift);
  void imgbSystemSumaryClick(plat::TObject*) { ShowPage(pgSummary); }
  void imgbProcessorClick(plat::TObject*) { ShowPage(pgProcessor); }
  void imgbMotherboardBiosClick(plat::TObject*) { ShowPage(pgBoardAndBios); }
  void imgbNetworkClick(plat::TObject*) { ShowPage(pgNetwork); }
  void imgbMemoryClick(plat::TObject*) { ShowPage(pgMemory); }
  void imgbVideoClick(plat::TObject*) { ShowPage(pgVideo); }
  void imgbAudioClick(plat::TObject*) { ShowPage(pgAudio); }
  void skImageButton1Click(plat::TObject* Sender);
  void skImageButton2Click(plat::TObject* Sender);
  void imgbAssetTagClick(plat::TObject* Sender);

  // Pictures and title, then the page read, shown and fitted.
  void ShowPage(TPage Page);
  void SetPagePictures(TPage Page);
  TInfoPage BuildPage(TPage Page);
  void FillGrid(const TInfoPage& Page);
  void FitColumns();
  // The report on the clipboard and in a new text file for the desktop's editor.
  void CopyToEditor(const plat::TStrings& Report);
  TScreenMode ScreenMode();

  TExtStringGrid* FGrid = nullptr;
  plat::TLabel* FlbHint = nullptr;
  TskButton* FimgbAssetTag = nullptr;
  TskImageButton* FCopyPage = nullptr;
  TskImageButton* FCopyAll = nullptr;
  std::unique_ptr<plat::TStringList> FPageReport;
  int FPage = pgSummary;
  bool FSerialPortHidden = false;
  // One letter per accepted release of the hidden sequence.
  plat::String FSequence;
  bool FBusy = false;
  plat::String FLastReportFile;
};

}  // namespace zorbit
