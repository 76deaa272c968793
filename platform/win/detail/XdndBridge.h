#pragma once
// The desktop's drag protocol (XDND, version 5) on X11, for the SDL
// display, on an X connection of its own with one unmapped window that is
// both the proxy every window of ours names (XdndProxy), so other
// programs' drag messages reach this connection and not SDL's, and the
// source window of our drags (it owns XdndSelection while one runs).
//
// As target: XdndEnter makes a data object offering the formats of the
// types (XdndFormats.h) that fetches a type's bytes through the selection
// only when a target asks; XdndPosition and XdndDrop go to our registered
// drop targets through FeedExternalDragOver/FeedExternalDrop and are
// answered with XdndStatus and XdndFinished. Malformed messages (wrong
// format, unknown source, missing or bad type lists) are ignored; a
// selection reply that is not 8-bit, not whole, or larger than
// kMaxSelectionBytes counts as no data.
// As source: our drag over another program's XdndAware window sends
// XdndEnter, XdndPosition (one at a time, the next once the status came),
// XdndLeave or XdndDrop, and answers the selection requests from our data
// object until XdndFinished. Every wait for the other program is bounded.
#include <cstddef>
#include <memory>

#include "platform/gdi/Geometry.h"
#include "platform/win/DragDrop.h"

namespace plat {

inline constexpr std::size_t kMaxSelectionBytes = 16u * 1024 * 1024;

class XdndBridge {
 public:
  // Null when the X server SDL uses cannot be reached.
  static std::unique_ptr<XdndBridge> Open();
  ~XdndBridge();
  XdndBridge(const XdndBridge&) = delete;
  XdndBridge& operator=(const XdndBridge&) = delete;

  // A native top-level window of ours takes other programs' drags.
  void Advertise(unsigned long window);

  // Our drag outside our windows, as Display's DesktopDragOver and kin.
  DWORD DragOver(IDataObject* data, TPoint screen, DWORD keyState, DWORD okEffects);
  void DragLeave();
  DWORD Drop(IDataObject* data, TPoint screen, DWORD keyState, DWORD okEffects);

  struct Impl;

 private:
  explicit XdndBridge(std::shared_ptr<Impl> impl);
  std::shared_ptr<Impl> FImpl;
};

}  // namespace plat
