#pragma once
// The object model of the drawing layer. Pens, brushes, fonts, bitmaps and
// regions are GdiObjects owned by one handle table; a handle is a pointer to
// the object, checked against the table wherever it comes from a caller, so a
// stale or foreign handle fails cleanly instead of crashing.
#include <memory>

#include "platform/gdi/GdiConstants.h"

namespace plat {

class GdiObject {
 public:
  GdiObject() = default;
  // Copies take the value, never the table's bookkeeping.
  GdiObject(const GdiObject&) {}
  GdiObject& operator=(const GdiObject&) { return *this; }
  virtual ~GdiObject() = default;

  // OBJ_PEN, OBJ_BRUSH, ...
  virtual DWORD ObjectType() const = 0;
  // Fills the object's description (LOGPEN, LOGBRUSH, BITMAP, LOGFONT...)
  // for GetObject. With buffer null, returns the size needed; otherwise the
  // bytes written (at most size), or 0 when size is too small.
  virtual int Describe(int size, void* buffer) const = 0;

  bool IsStock() const { return FStock; }
  int SelectCount() const { return FSelectCount; }

 private:
  friend class GdiObjectTable;
  bool FStock = false;
  int FSelectCount = 0;  // device contexts that have it selected
};

class Pen;
class Brush;
class Font;
class Bitmap;
class Region;
class DeviceContext;

using HGDIOBJ = GdiObject*;
using HPEN = Pen*;
using HBRUSH = Brush*;
using HFONT = Font*;
using HBITMAP = Bitmap*;
using HRGN = Region*;
using HDC = DeviceContext*;

// The handle table. Objects enter through Adopt and leave through Delete.
class GdiObjectTable {
 public:
  template <class T>
  static T* Adopt(std::unique_ptr<T> object) {
    T* handle = object.get();
    AdoptObject(std::unique_ptr<GdiObject>(std::move(object)));
    return handle;
  }
  static void MarkStock(GdiObject* object) { object->FStock = true; }
  static bool IsLive(const GdiObject* handle);
  // The object as T when the handle is live and of that type, else null.
  template <class T>
  static T* As(HGDIOBJ handle, DWORD type) {
    return IsLive(handle) && handle->ObjectType() == type ? static_cast<T*>(handle) : nullptr;
  }
  // Selection bookkeeping of device contexts.
  static void AddSelection(GdiObject* object) { ++object->FSelectCount; }
  static void RemoveSelection(GdiObject* object) { --object->FSelectCount; }
  // Frees the object; refuses stock objects and objects still selected.
  static bool Delete(HGDIOBJ handle);
  static int LiveCount();

 private:
  static void AdoptObject(std::unique_ptr<GdiObject> object);
};

HGDIOBJ SelectObject(HDC dc, HGDIOBJ object);
bool DeleteObject(HGDIOBJ object);

// An object freed with its owner: OwnedGdiObject<Brush> brush(CreateSolidBrush(c)).
struct GdiObjectDeleter {
  void operator()(GdiObject* object) const { DeleteObject(object); }
};
template <class T>
using OwnedGdiObject = std::unique_ptr<T, GdiObjectDeleter>;
HGDIOBJ GetStockObject(int index);
int GetObject(HGDIOBJ object, int size, void* buffer);
DWORD GetObjectType(HGDIOBJ object);
HGDIOBJ GetCurrentObject(HDC dc, UINT type);

// The 1x1 monochrome bitmap every memory DC starts with.
HBITMAP GetStockBitmap();

// Made by the font code: the stock font for SYSTEM_FONT, DEFAULT_GUI_FONT...
// (already adopted into the table; GetStockObject marks it stock).
HGDIOBJ CreateStockFont(int index);

}  // namespace plat
