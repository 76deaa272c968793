#include "platform/gdi/GdiObjects.h"

#include <array>
#include <unordered_map>

#include "platform/gdi/Bitmap.h"
#include "platform/gdi/Brush.h"
#include "platform/gdi/Font.h"
#include "platform/gdi/DeviceContext.h"
#include "platform/gdi/Pen.h"

namespace plat {

namespace {

std::unordered_map<const GdiObject*, std::unique_ptr<GdiObject>>& Table() {
  static std::unordered_map<const GdiObject*, std::unique_ptr<GdiObject>> table;
  return table;
}

HGDIOBJ MakeStock(int index) {
  switch (index) {
    case WHITE_BRUSH: return CreateSolidBrush(RGB(255, 255, 255));
    case LTGRAY_BRUSH: return CreateSolidBrush(RGB(192, 192, 192));
    case GRAY_BRUSH: return CreateSolidBrush(RGB(128, 128, 128));
    case DKGRAY_BRUSH: return CreateSolidBrush(RGB(64, 64, 64));
    case BLACK_BRUSH: return CreateSolidBrush(RGB(0, 0, 0));
    case NULL_BRUSH: return CreateBrushIndirect(std::array{LOGBRUSH{BS_NULL, 0, 0}}.data());
    case WHITE_PEN: return CreatePen(PS_SOLID, 0, RGB(255, 255, 255));
    case BLACK_PEN: return CreatePen(PS_SOLID, 0, RGB(0, 0, 0));
    case NULL_PEN: return CreatePen(PS_NULL, 0, 0);
    case OEM_FIXED_FONT:
    case ANSI_FIXED_FONT:
    case ANSI_VAR_FONT:
    case SYSTEM_FONT:
    case DEVICE_DEFAULT_FONT:
    case SYSTEM_FIXED_FONT:
    case DEFAULT_GUI_FONT: return CreateStockFont(index);
    default: return nullptr;
  }
}

}  // namespace

void GdiObjectTable::AdoptObject(std::unique_ptr<GdiObject> object) {
  const GdiObject* key = object.get();
  Table().emplace(key, std::move(object));
}

bool GdiObjectTable::IsLive(const GdiObject* handle) { return handle && Table().contains(handle); }

bool GdiObjectTable::Delete(HGDIOBJ handle) {
  auto it = handle ? Table().find(handle) : Table().end();
  if (it == Table().end()) return false;
  if (handle->FStock) return true;  // stock objects outlive every caller
  if (handle->FSelectCount > 0) return false;
  Table().erase(it);
  return true;
}

int GdiObjectTable::LiveCount() { return static_cast<int>(Table().size()); }

HGDIOBJ GetStockObject(int index) {
  static std::array<HGDIOBJ, STOCK_LAST + 1> stock{};
  if (index < 0 || index > STOCK_LAST) return nullptr;
  HGDIOBJ& slot = stock[static_cast<std::size_t>(index)];
  if (!slot) {
    slot = MakeStock(index);
    if (slot) GdiObjectTable::MarkStock(slot);
  }
  return slot;
}

HBITMAP GetStockBitmap() {
  static HBITMAP stock = nullptr;
  if (!stock) {
    stock = GdiObjectTable::Adopt(std::make_unique<Bitmap>(1, 1, true));
    GdiObjectTable::MarkStock(stock);
  }
  return stock;
}

HGDIOBJ SelectObject(HDC dc, HGDIOBJ object) {
  if (!DeviceContext::IsLive(dc)) return nullptr;
  return dc->Select(object);
}

bool DeleteObject(HGDIOBJ object) { return GdiObjectTable::Delete(object); }

int GetObject(HGDIOBJ object, int size, void* buffer) {
  if (!GdiObjectTable::IsLive(object) || size < 0) return 0;
  return object->Describe(size, buffer);
}

DWORD GetObjectType(HGDIOBJ object) { return GdiObjectTable::IsLive(object) ? object->ObjectType() : 0; }

HGDIOBJ GetCurrentObject(HDC dc, UINT type) {
  if (!DeviceContext::IsLive(dc)) return nullptr;
  const DcState& s = dc->State();
  switch (type) {
    case OBJ_PEN: return s.Pen;
    case OBJ_BRUSH: return s.Brush;
    case OBJ_FONT: return s.Font;
    case OBJ_BITMAP: return s.SelectedBitmap;
    default: return nullptr;
  }
}

}  // namespace plat
