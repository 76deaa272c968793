// Creation, window creation, loading, copying and destruction of the grid.
#include "extgrid/TExtStringGrid.h"
#include "extgrid/detail/SortRun.h"

#include "extgrid/TExtRichEdit.h"

#include "platform/gdi/ThemeServices.h"
#include "platform/os/OsVersion.h"
#include "platform/rtl/Streams.h"
#include "platform/rtl/SwallowedException.h"
#include "platform/ui/TCustomForm.h"
#include "platform/ui/TScreen.h"
#include "platform/win/CommonControls.h"
#include "platform/win/Messages.h"
#include "platform/win/SystemMetrics.h"
#include "platform/win/Timers.h"
#include "platform/win/WindowStyles.h"
#include "platform/win/Windows.h"

namespace zorbit {

using plat::TComponentStateItem;

namespace {

constexpr int kShownColumns = 512;
constexpr std::uint32_t kVersionNumber = (3u << 24) | (3u << 16) | (0u << 8) | 1u;

}  // namespace

TExtStringGrid::TExtStringGrid(plat::TComponent* AOwner) : TBaseGrid(AOwner) {
  plat::TControlStyle style = ControlStyle();
  style.Include(plat::TControlStyleItem::csAcceptsControls);
  SetControlStyle(style);
  FFooterPanel = new TFooterPanel(this);
  FSearchPanel = new TSearchPanel(this);
  FSearchFooter = std::make_unique<TSearchFooter>();
  ConnectSearchPanel();
  FFloatingFooter = std::make_unique<TFloatingFooter>(this);
  FPrintSettings = std::make_unique<TPrintSettings>(this);
  FHTMLSettings = std::make_unique<THTMLSettings>();
  FSortSettings = std::make_unique<TSortSettings>(this);
  FDragDropSettings = std::make_unique<TDragDropSettings>(this);
  FDragScrollOptions = std::make_unique<TDragScrollOptions>();
  FControlLook = std::make_unique<TControlLook>(this);
  FNavigation = std::make_unique<TNavigation>();
  FColumnSize = std::make_unique<TColumnSize>(this);
  FCellNode = std::make_unique<TCellNode>(this);
  FBands = std::make_unique<TBands>(this);
  FSizeWhileTyping = std::make_unique<TSizeWhileTyping>();
  FMouseActions = std::make_unique<TMouseActions>(this);
  FMergedColumns = std::make_unique<TIntList>(-1, -1);
  FMergedColumns->OnChange = [this](plat::TObject*, int, int) { ReapplyColumnMerges(); };
  FGrouping = std::make_unique<TGrouping>();
  FColumnHeaders = std::make_unique<plat::TStringList>();
  FColumnHeaders->OnChange = [this](plat::TObject*) { ApplyColumnHeaders(); };
  FFixedFont = std::make_unique<plat::TFont>();
  FFixedFont->SetName("Tahoma");
  FFixedFont->SetStyle({plat::TFontStyle::fsBold});
  FFixedFont->OnChange = [this](plat::TObject*) { Invalidate(); };
  FActiveCellFont = std::make_unique<plat::TFont>();
  FActiveCellFont->SetStyle({plat::TFontStyle::fsBold});
  FActiveCellFont->OnChange = [this](plat::TObject*) { Invalidate(); };
  FRowHeaders = std::make_unique<plat::TStringList>();
  FRowHeaders->OnChange = [this](plat::TObject*) { ApplyRowHeaders(); };
  FLookupItems = std::make_unique<plat::TStringList>();
  FRowIndicator = std::make_unique<plat::TBitmap>();
  FBackGround = std::make_unique<TBackGround>(this);
  TBaseGrid::SetWordWrap(true);
  SetRowCount(10);
  SetWidth(400);
  SetHeight(250);
  FFilter = std::make_unique<TFilter>(this);
  FBalloon = std::make_unique<TBalloonSettings>();
  FBalloon->OnEnableChange = [this](plat::TObject*) { BalloonEnableChanged(); };
  FShowModified = std::make_unique<TShowModified>();
  FShowModified->OnChange = [this](plat::TObject*) { Invalidate(); };

  if (auto* form = dynamic_cast<plat::TCustomForm*>(AOwner); form && !Designing()) {
    FResizeForm = form;
    FResizeSubscription = form->SubscribeResize([this](plat::TObject*) { FormResized(); });
    FFormWidth = form->Width();
    FFormHeight = form->Height();
  }
  FColumnShown.assign(kShownColumns, true);
  SetDefaultRowHeight(21);
  FFixedRowHeight = 21;
  FLook = TGridLook::glXP;
  FLookColor1 = plat::clWhite;
  FLookColor2 = plat::ColorToRGB(plat::clBtnFace);
  FScrollWidth = plat::GetSystemMetrics(plat::SM_CXVSCROLL);
  TakePlatformFacts();
  // Owned as components: freed with the grid.
  FRichEdit = new TExtRichEdit(this, false);
  FSecondRichEdit = new TExtRichEdit(this, false);
  FSecondRichEdit->OnSelectionChange = [this](plat::TObject*) {
    if (OnRichEditSelectionChange) OnRichEditSelectionChange(this);
  };
  ResetColumnOrder();
}

TExtStringGrid::~TExtStringGrid() {
  if (FResizeForm) FResizeForm->UnsubscribeResize(FResizeSubscription);
  if (FColumnSize->Save()) {
    // An exception leaving a destructor would end the process.
    try {
      SaveColumnWidths();
    } catch (const plat::Exception&) {
      plat::LogSwallowedException("TExtStringGrid::~TExtStringGrid");
    }
  }
  // The header lists must not write into cells while the grid goes.
  FColumnHeaders->OnChange = nullptr;
  FRowHeaders->OnChange = nullptr;
  if (FGridLoaded && !Designing() && plat::Screen) plat::Screen->SetCursor(FDesignCursor);
}

void TExtStringGrid::TakePlatformFacts() {
  plat::OSVERSIONINFO version;
  const bool xpOrLater = plat::GetVersionEx(&version) &&
                         (version.dwMajorVersion > 5 || (version.dwMajorVersion == 5 && version.dwMinorVersion >= 1));
  FIsWinXP = xpOrLater && plat::IsThemeActive();
  plat::DLLVERSIONINFO comctl;
  FHasComCtl6 = plat::CommonControlsGetVersion(&comctl) == plat::S_OK && comctl.dwMajorVersion > 5;
  FWheelMessage = plat::WM_MOUSEWHEEL;
  unsigned lines = 3;
  if (plat::SystemParametersInfo(plat::SPI_GETWHEELSCROLLLINES, 0, &lines, 0)) FWheelLines = static_cast<int>(lines);
}

bool TExtStringGrid::Designing() const { return ComponentState().Contains(TComponentStateItem::csDesigning); }

bool TExtStringGrid::Loading() const { return ComponentState().Contains(TComponentStateItem::csLoading); }

void TExtStringGrid::CreateWnd() {
  TBaseGrid::CreateWnd();
  if (!Parent() || Designing()) return;
  PlaceRichEdit();
  FFooterPanel->SetParent(this);
  FFooterPanel->SetVisible(FFloatingFooter->Visible());
  FSearchPanel->SetParent(this);
  ApplySearchFooter();
  CreateBalloonWindow();
  if (FColumnSize->Save()) LoadColumnWidths();
  plat::SetTimer(Handle(), GridTimer, GridTimerPeriod, nullptr);
}

void TExtStringGrid::PlaceRichEdit() {
  // A converter only: present as a window, never seen nor in the way.
  FRichEdit->SetParent(this);
  FRichEdit->SetVisible(false);
  FRichEdit->SetBounds(0, 0, 0, 0);
  FRichEdit->SetBorderStyle(plat::TBorderStyle::bsNone);
  const plat::HWND handle = FRichEdit->Handle();
  plat::SetWindowLongPtrA(handle, plat::GWL_EXSTYLE,
                          plat::GetWindowLongPtrA(handle, plat::GWL_EXSTYLE) | plat::WS_EX_TRANSPARENT);
}


void TExtStringGrid::Loaded() {
  TBaseGrid::Loaded();
  if (plat::Screen) FDesignCursor = plat::Screen->Cursor();
  ApplyColumnHeaders();
  ApplyRowHeaders();
  if (FLook == TGridLook::glSilver) {
    FLookColor1 = 0xC0C0C0;
    FLookColor2 = plat::clWhite;
  }
  if (FColumnSize->Save()) LoadColumnWidths();
  FSavedFixedRows = TBaseGrid::FixedRows();
  FSavedFixedCols = TBaseGrid::FixedCols();
  FLoadedRowHeight = DefaultRowHeight();
  FMinColWidth = 10;
  FMinRowHeight = DefaultRowHeight();
  FGridLoaded = true;
  plat::TGridOptions options = Options();
  if (options.Contains(plat::TGridOption::goAlwaysShowEditor)) {
    FNavigation->SetAlwaysEdit(true);
    options.Exclude(plat::TGridOption::goAlwaysShowEditor);
    SetOptions(options);
  }
  if (!FIsWinXP && FControlLook->ControlStyle() == TControlStyle::csTheme && !Designing())
    FControlLook->SetControlStyle(TControlStyle::csClassic);
  UpdateScrollBars(false);
  if (FAutoThemeAdapt) ApplyXPColors();
}

void TExtStringGrid::Assign(const plat::TPersistent* Source) {
  const auto* source = dynamic_cast<const TExtStringGrid*>(Source);
  if (!source) return;
  Font()->Assign(*source->Font());
  FActiveCellColor = source->FActiveCellColor;
  FActiveCellColorTo = source->FActiveCellColorTo;
  FActiveCellFont->Assign(*source->FActiveCellFont);
  FActiveCellShow = source->FActiveCellShow;
  SetActiveRowShow(source->ActiveRowShow());
  SetAlign(source->Align());
  FAnchorHint = source->FAnchorHint;
  FAutoNumAlign = source->FAutoNumAlign;
  FAutoSizeFlag = source->FAutoSizeFlag;
  FAutoThemeAdapt = source->FAutoThemeAdapt;
  FMouseActions->Assign(source->FMouseActions.get());
  FNavigation->Assign(source->FNavigation.get());
  FGrouping->Assign(source->FGrouping.get());
  FSearchFooter->Assign(source->FSearchFooter.get());
  FPrintSettings->Assign(source->FPrintSettings.get());
  FFilter->Assign(source->FFilter.get());
  FHTMLSettings->Assign(source->FHTMLSettings.get());
  FBands->Assign(source->FBands.get());
  FCellNode->Assign(source->FCellNode.get());
  FSortSettings->Assign(source->FSortSettings.get());
  FDragScrollOptions->Assign(source->FDragScrollOptions.get());
  SetColCount(source->ColCount());
  SetRowCount(source->RowCount());
  SetFixedRows(source->TBaseGrid::FixedRows());
  SetFixedCols(source->TBaseGrid::FixedCols());
  SetDefaultColWidth(source->DefaultColWidth());
  SetDefaultRowHeight(source->DefaultRowHeight());
  SetOptions(source->Options());
  // The cells travel as the source's text grid stream, written through its
  // export hook, an overridable (non-const) operation.
  plat::TMemoryStream cells;
  const_cast<TExtStringGrid*>(source)->SaveGridText(cells);
  cells.SetPosition(0);
  LoadGridText(cells);
}

std::uint32_t TExtStringGrid::GetVersionNumber() { return kVersionNumber; }

plat::String TExtStringGrid::Version() const {
  const std::uint32_t v = GetVersionNumber();
  return std::to_string(v >> 24) + "." + std::to_string((v >> 16) & 0xFF) + "." + std::to_string((v >> 8) & 0xFF) +
         "." + std::to_string(v & 0xFF);
}

plat::String TExtStringGrid::GetVersionString() const { return Version() + " Dec, 2005"; }

}  // namespace zorbit
