#include "app/SystemInfo.h"

#include "app/ApplyStyle.h"
#include "app/AssetTag.h"
#include "app/FilePool.h"
#include "app/HelpKey.h"
#include "app/Localization.h"
#include "app/OvraMessageBox.h"
#include "app/SystemInfoReport.h"
#include "extgrid/GridUpdateScope.h"
#include "extgrid/TExtStringGrid.h"
#include "platform/os/Launcher.h"
#include "platform/rtl/Exception.h"
#include "platform/rtl/FileUtils.h"
#include "platform/rtl/FolderHandle.h"
#include "platform/rtl/ScopeExit.h"
#include "platform/rtl/StringList.h"
#include "platform/ui/TApplication.h"
#include "platform/ui/TClipboard.h"
#include "platform/ui/TCustomLabel.h"
#include "platform/ui/TCustomPanel.h"
#include "platform/win/VirtualKeys.h"
#include "platform/win/WindowStyles.h"
#include "platform/win/WindowDC.h"
#include "service/tcpClient.h"
#include "skin/ImgBtn.h"
#include "skin/SkButton.h"
#include "skin/SkForm.h"
#include "skin/SkImageButton.h"

namespace zorbit {

namespace {

constexpr int kWindowWidth = 588;
constexpr int kWindowHeight = 462;
constexpr int kFirstColWidth = 103;
constexpr int kSecondColWidth = 271;
constexpr int kFitMargin = 10;
constexpr const char* kNamePad = "  ";
constexpr const char* kReportMark = "======";

struct TPageInfo {
  TfmSystemInfo::TPage Page;
  const char* Button;
  const char* Title;
  const char* Picture;  // + "_a.bmp" normal, "_b.bmp" chosen
};

constexpr TPageInfo kPages[] = {
    {TfmSystemInfo::pgSummary, "imgbSystemSumary", "Summary", "sys_1"},
    {TfmSystemInfo::pgProcessor, "imgbProcessor", "Processor", "sys_2"},
    {TfmSystemInfo::pgBoardAndBios, "imgbMotherboardBios", "Motherboard and BIOS", "sys_4"},
    {TfmSystemInfo::pgNetwork, "imgbNetwork", "Network", "sys_network"},
    {TfmSystemInfo::pgMemory, "imgbMemory", "Memory", "sys_5"},
    {TfmSystemInfo::pgVideo, "imgbVideo", "Video", "sys_6"},
    {TfmSystemInfo::pgAudio, "imgbAudio", "Audio", "sys_7"},
};

const TPageInfo& InfoOf(TfmSystemInfo::TPage Page) {
  for (const TPageInfo& info : kPages)
    if (info.Page == Page) return info;
  return kPages[0];
}

}  // namespace

TfmSystemInfo::TfmSystemInfo(plat::TComponent* AOwner)
    : TfmBaseDialog(AOwner, TDeferLayout{}), FPageReport(std::make_unique<plat::TStringList>()) {
  plat::TLayoutHandlers handlers = Handlers();
  using T = TfmSystemInfo;
  handlers.RegisterHandler("FormCreate", this, &T::FormCreate);
  handlers.RegisterHandler("FormKeyUp", this, &T::FormKeyUp);
  handlers.RegisterHandler("imgbSystemSumaryClick", this, &T::imgbSystemSumaryClick);
  handlers.RegisterHandler("imgbProcessorClick", this, &T::imgbProcessorClick);
  handlers.RegisterHandler("imgbMotherboardBiosClick", this, &T::imgbMotherboardBiosClick);
  handlers.RegisterHandler("imgbNetworkClick", this, &T::imgbNetworkClick);
  handlers.RegisterHandler("imgbMemoryClick", this, &T::imgbMemoryClick);
  handlers.RegisterHandler("imgbVideoClick", this, &T::imgbVideoClick);
  handlers.RegisterHandler("imgbAudioClick", this, &T::imgbAudioClick);
  handlers.RegisterHandler("skImageButton1Click", this, &T::skImageButton1Click);
  handlers.RegisterHandler("skImageButton2Click", this, &T::skImageButton2Click);
  handlers.RegisterHandler("imgbAssetTagClick", this, &T::imgbAssetTagClick);
  CreateFromLayout("TfmSystemInfo", handlers);
}

TfmSystemInfo::~TfmSystemInfo() = default;

const plat::TStrings& TfmSystemInfo::PageReport() const { return *FPageReport; }

TImgBtn* TfmSystemInfo::PageButton(TPage Page) { return Part<TImgBtn>(InfoOf(Page).Button); }

void TfmSystemInfo::FormCreate(plat::TObject* Sender) {
  SetWidth(kWindowWidth);
  SetHeight(kWindowHeight);
  TfmBaseDialog::FormCreate(Sender);
  fmBase()->SetCaption(plat::Application->Title());
  ApplyStyle(this);
  FGrid = Part<TExtStringGrid>("esgSystemInfo");
  FlbHint = Part<plat::TLabel>("lbhint");
  FimgbAssetTag = Part<TskButton>("imgbAssetTag");
  FCopyPage = Part<TskImageButton>("skImageButton1");
  FCopyAll = Part<TskImageButton>("skImageButton2");
  PlaceInBodyCorner(FimgbAssetTag);
  SetDoubleBuffered(true);

  // What a layout cannot carry: the column widths and the cell hints.
  FGrid->SetColWidths(0, kFirstColWidth);
  FGrid->SetColWidths(1, kSecondColWidth);
  FGrid->SetHintShowCells(true);
  FGrid->SetRowCount(11);
  FGrid->SetCells(0, 0, InfoCaption("Item"));
  FGrid->SetCells(1, 0, InfoCaption("Value"));
  FSerialPortHidden = zorbit::SerialPortHidden(ServLink());
  ShowPage(pgSummary);
}

void TfmSystemInfo::SetPagePictures(TPage Page) {
  TFilePool* pool = FilePool();
  const auto show = [pool](TImgBtn* Button, const plat::String& Name) {
    plat::TBitmap* picture = pool ? pool->GetImage(Name) : nullptr;
    if (!picture) return;
    Button->Picture()->SetGraphic(picture);
    Button->Pic()->SetGraphic(picture);
  };
  for (const TPageInfo& info : kPages) {
    TImgBtn* button = PageButton(info.Page);
    if (button->Visible()) show(button, plat::String(info.Picture) + "_a.bmp");
  }
  show(PageButton(Page), plat::String(InfoOf(Page).Picture) + "_b.bmp");
}

TScreenMode TfmSystemInfo::ScreenMode() {
  const plat::HWND window = Handle();
  const plat::HDC dc = plat::GetDC(window);
  const plat::ScopeExit release([window, dc] { plat::ReleaseDC(window, dc); });
  return GetScreenMode(dc);
}

TInfoPage TfmSystemInfo::BuildPage(TPage Page) {
  const IpfqServPtr serv = ServLink();
  switch (Page) {
    case pgSummary: {
      plat::String tag;
      TInfoPage page = SummaryPage(serv, FSerialPortHidden, tag);
      FimgbAssetTag->SetVisible(TfmAssetTag::NoTagStored(tag));
      return page;
    }
    case pgProcessor: return ProcessorPage(serv);
    case pgBoardAndBios: return MotherboardAndBiosPage(serv);
    case pgNetwork: return NetworkPage(serv);
    case pgMemory: return MemoryPage(serv);
    case pgVideo: return VideoPage(serv, ScreenMode());
    case pgAudio: return AudioPage(serv);
  }
  return {};
}

void TfmSystemInfo::ShowPage(TPage Page) {
  // A click that arrives while a page is read waits for nothing: it is dropped.
  if (FBusy) return;
  FBusy = true;
  const plat::ScopeExit done([this] { FBusy = false; });
  FPage = Page;
  SetPagePictures(Page);
  FlbHint->SetCaption(InfoCaption(InfoOf(Page).Title));
  FillGrid(BuildPage(Page));
  FitColumns();
}

void TfmSystemInfo::FillGrid(const TInfoPage& Page) {
  const TGridUpdateScope update(*FGrid);
  FGrid->ClearDataCells();
  FGrid->SetRowCount(2);
  FPageReport->Clear();
  int row = 1;
  const auto addRow = [&](const plat::String& Name, const plat::String& Value) {
    FGrid->SetRowCount(FGrid->RowCount() + 1);
    FGrid->SetCells(0, row, Name);
    FGrid->SetCells(1, row, Value);
    ++row;
  };
  for (std::size_t g = 0; g < Page.Groups.size(); ++g) {
    const TInfoGroup& group = Page.Groups[g];
    if (Page.Grouped) {
      addRow(group.Caption, {});
      FGrid->SetCellFontStyle(0, row - 1, plat::TFontStyles{plat::TFontStyle::fsBold});
    }
    for (const TInfoRow& line : group.Rows)
      addRow(Page.Grouped && !line.Name.empty() ? kNamePad + line.Name : line.Name, line.Value);
    if (Page.Grouped && g + 1 < Page.Groups.size()) addRow({}, {});
  }
  // The row left empty by the start goes again.
  if (FGrid->RowCount() > 2) FGrid->DeleteRows(FGrid->RowCount() - 1, 1);
  WritePageReport(Page, kReportMark, *FPageReport);
}

void TfmSystemInfo::FitColumns() {
  FGrid->ColumnSize()->SetStretch(false);
  FGrid->FitColumnsToText(false, kFitMargin);
  if (FGrid->Width() - FGrid->ScrollWidth() < FGrid->ColWidths(0) + FGrid->ColWidths(1))
    FGrid->SetColWidths(1, FGrid->Width());
  else
    FGrid->ColumnSize()->SetStretch(true);
}

void TfmSystemInfo::CopyToEditor(const plat::TStrings& Report) {
  plat::Clipboard()->SetAsText(Report.Text());
  FLastReportFile.clear();
  const plat::String folder = plat::CreatePrivateFolder(plat::GetTempDir(), "zorbit-report-");
  if (folder.empty()) return;
  const plat::String file = folder + "SystemInfo.txt";
  try {
    Report.SaveToFile(file);
  } catch (const plat::EStreamError&) {
    return;
  }
  FLastReportFile = file;
  plat::ShellExecute("open", file, "", folder, plat::SW_SHOWNORMAL);
}

void TfmSystemInfo::skImageButton1Click(plat::TObject*) {
  if (FBusy) return;
  CopyToEditor(*FPageReport);
}

void TfmSystemInfo::skImageButton2Click(plat::TObject*) {
  if (FBusy) return;
  FBusy = true;
  const plat::ScopeExit done([this] { FBusy = false; });
  plat::TStringList report;
  WriteAllPagesReport(ServLink(), ScreenMode(), FSerialPortHidden, report);
  CopyToEditor(report);
}

void TfmSystemInfo::FormKeyUp(plat::TObject*, std::uint16_t& Key, plat::TShiftState) {
  HelpKeyReleased(Key);
  // Ctrl, Shift, F9, then F11 or F12; Ctrl always starts afresh.
  if (Key == plat::VK_CONTROL) {
    FSequence = "C";
  } else if (FSequence == "C" && Key == plat::VK_SHIFT) {
    FSequence += "S";
  } else if (FSequence == "CS" && Key == plat::VK_F9) {
    FSequence += "9";
  } else if (FSequence == "CS9" && (Key == plat::VK_F11 || Key == plat::VK_F12)) {
    FSequence.clear();
    FimgbAssetTag->SetVisible(true);
  } else {
    FSequence.clear();
  }
}

void TfmSystemInfo::imgbAssetTagClick(plat::TObject*) {
  plat::String tag;
  bool stored = false;
  {
    const std::unique_ptr<TfmAssetTag> dialog = std::make_unique<TfmAssetTag>(this);
    stored = dialog->Execute(tag);
  }
  // A refused store has shown its own message; nothing was changed.
  if (!stored) {
    FGrid->SetRow(1);
    return;
  }
  WindowMessage(*this, "Reboot", oiInformation, obOK);
  const plat::String caption = InfoCaption("AssetTag");
  for (int row = 1; row < FGrid->RowCount(); ++row) {
    if (FGrid->Cells(0, row) != caption) continue;
    FGrid->SetCells(1, row, tag);
    FimgbAssetTag->SetVisible(false);
    return;
  }
  FGrid->SetRow(1);
}

}  // namespace zorbit
