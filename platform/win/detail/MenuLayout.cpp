#include "platform/win/detail/MenuLayout.h"

#include <algorithm>

#include "platform/gdi/Bitmap.h"
#include "platform/gdi/DrawText.h"
#include "platform/gdi/Font.h"
#include "platform/rtl/Unicode.h"
#include "platform/win/MessageQueue.h"
#include "platform/win/SystemMetrics.h"
#include "platform/win/detail/SystemFonts.h"

namespace plat {
namespace {

constexpr int SeparatorHeight = 9;

// Asks the owner for the size of each owner-drawn item not measured yet.
// The owner may change or destroy the menu meanwhile: the menu is found
// again after every message.
void MeasureOwnerDrawn(HWND owner, HMENU handle, int defaultHeight) {
  for (std::size_t i = 0;; ++i) {
    MenuRecord* menu = MenuStore::Instance().Find(handle);
    if (!menu || i >= menu->Items.size()) return;
    const MenuItem& item = menu->Items[i];
    if (!item.IsOwnerDraw() || item.Measured) continue;
    MEASUREITEMSTRUCT mis;
    mis.CtlType = ODT_MENU;
    mis.itemID = item.Id;
    mis.itemData = item.Data;
    mis.itemHeight = static_cast<UINT>(defaultHeight);
    SendMessageA(owner, WM_MEASUREITEM, 0, reinterpret_cast<LPARAM>(&mis));
    menu = MenuStore::Instance().Find(handle);
    if (menu && i < menu->Items.size())
      menu->Items[i].Measured = TSize{static_cast<int>(std::min<UINT>(mis.itemWidth, 0x7FFF)),
                                      static_cast<int>(std::min<UINT>(mis.itemHeight, 0x7FFF))};
  }
}

// A memory DC with the menu font, for measuring.
class MeasuringDc {
 public:
  MeasuringDc() : FDc(CreateCompatibleDC(nullptr)) { SelectObject(FDc, MenuFont()); }
  ~MeasuringDc() { DeleteDC(FDc); }
  MeasuringDc(const MeasuringDc&) = delete;
  MeasuringDc& operator=(const MeasuringDc&) = delete;

  // The size of a line of text as an item shows it ("&" marks are not drawn).
  TSize Measure(const String& text, bool bold) const {
    SelectObject(FDc, bold ? MenuDefaultItemFont() : MenuFont());
    RECT r{0, 0, 0, 0};
    DrawTextA(FDc, text.c_str(), static_cast<int>(text.size()), &r, DT_SINGLELINE | DT_CALCRECT);
    return {r.Width(), r.Height()};
  }

 private:
  HDC FDc;
};

int TextItemHeight(const MeasuringDc& dc) {
  return std::max(dc.Measure("Ag", false).cy + 4, GetSystemMetrics(SM_CYMENU) - 2);
}

}  // namespace

ItemText SplitItemText(const String& text) {
  const std::size_t tab = text.find('\t');
  if (tab == String::npos) return {text, String()};
  return {text.substr(0, tab), text.substr(tab + 1)};
}

Bitmap* ItemPicture(const MenuItem& item) {
  if (!(item.Type & MFT_BITMAP) || !item.Bitmap) return nullptr;
  return GdiObjectTable::As<Bitmap>(item.Bitmap, OBJ_BITMAP);
}

char32_t MnemonicOf(const String& text) {
  for (std::size_t i = 0; i + 1 < text.size(); ++i) {
    if (text[i] != '&') continue;
    if (text[i + 1] == '&') {
      ++i;  // "&&" is a plain "&"
      continue;
    }
    std::size_t pos = i + 1;
    return UnicodeLower(DecodeUtf8(text, pos));
  }
  return 0;
}

PopupLayout LayOutPopup(HWND owner, HMENU handle) {
  const MeasuringDc dc;
  const int textHeight = TextItemHeight(dc);
  MeasureOwnerDrawn(owner, handle, textHeight);
  PopupLayout layout;
  const MenuRecord* menu = MenuStore::Instance().Find(handle);
  if (!menu) return layout;

  int labelWidth = 0, shortcutWidth = 0;
  for (const MenuItem& item : menu->Items) {
    if (item.IsOwnerDraw() || item.IsSeparator() || (item.Type & MFT_BITMAP)) continue;
    const ItemText text = SplitItemText(item.Text);
    labelWidth = std::max(labelWidth, dc.Measure(text.Label, item.IsDefault()).cx);
    if (!text.Shortcut.empty()) shortcutWidth = std::max(shortcutWidth, dc.Measure(text.Shortcut, false).cx);
  }
  layout.ShortcutLeft = MenuCheckColumn + labelWidth + MenuShortcutGap;
  const int textWidth =
      MenuCheckColumn + labelWidth + (shortcutWidth ? MenuShortcutGap + shortcutWidth : 0) + MenuArrowColumn;

  // Each item's size, then columns.
  std::vector<TSize> sizes;
  for (const MenuItem& item : menu->Items) {
    if (item.IsOwnerDraw())
      sizes.push_back(item.Measured.value_or(TSize{0, textHeight}));
    else if (item.IsSeparator())
      sizes.push_back({0, SeparatorHeight});
    else if (const Bitmap* picture = ItemPicture(item))
      sizes.push_back({MenuCheckColumn + picture->Width() + MenuArrowColumn, picture->Height() + 4});
    else
      sizes.push_back({textWidth, textHeight});
  }
  int x = MenuPopupBorder, height = 0;
  std::size_t columnStart = 0;
  auto closeColumn = [&](std::size_t end) {
    int width = 0, y = MenuPopupBorder;
    for (std::size_t i = columnStart; i < end; ++i) width = std::max(width, sizes[i].cx);
    for (std::size_t i = columnStart; i < end; ++i) {
      layout.Items.push_back({x, y, x + width, y + sizes[i].cy});
      y += sizes[i].cy;
    }
    height = std::max(height, y - MenuPopupBorder);
    x += width;
    columnStart = end;
  };
  for (std::size_t i = 0; i < sizes.size(); ++i)
    if (i > columnStart && (menu->Items[i].Type & (MFT_MENUBREAK | MFT_MENUBARBREAK))) closeColumn(i);
  closeColumn(sizes.size());
  layout.Size = {x + MenuPopupBorder, height + 2 * MenuPopupBorder};
  return layout;
}

BarLayout LayOutMenuBar(HWND owner, HMENU handle, int width) {
  const MeasuringDc dc;
  const int rowHeight = GetSystemMetrics(SM_CYMENU);
  MeasureOwnerDrawn(owner, handle, rowHeight);
  BarLayout layout;
  layout.Height = rowHeight;
  const MenuRecord* menu = MenuStore::Instance().Find(handle);
  if (!menu) return layout;
  int x = 0, y = 0;
  for (const MenuItem& item : menu->Items) {
    int w = 2 * MenuBarItemPadding;
    if (item.IsOwnerDraw())
      w = item.Measured ? item.Measured->cx : 0;
    else if (const Bitmap* picture = ItemPicture(item))
      w += picture->Width();
    else if (!item.IsSeparator())
      w += dc.Measure(SplitItemText(item.Text).Label, item.IsDefault()).cx;
    if (x > 0 && (x + w > width || (item.Type & (MFT_MENUBREAK | MFT_MENUBARBREAK)))) {
      x = 0;
      y += rowHeight;
    }
    layout.Items.push_back({x, y, x + w, y + rowHeight});
    x += w;
  }
  layout.Height = y + rowHeight;
  return layout;
}

}  // namespace plat
