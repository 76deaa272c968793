#pragma once
// OLE drag and drop: windows register a drop target, and DoDragDrop runs
// the drag of a data object from a drop source until it is dropped or
// cancelled. Drags between windows of this program stay in the window
// layer (the source's data object goes to the target as it is); over
// other programs' windows the display carries them (the desktop's drag
// protocol), and other programs' drags reach our targets the same way.
//
// The drag loop (DoDragDrop), on the thread's queue with the mouse
// captured, after each input message:
//  1. asks the source QueryContinueDrag(Escape pressed, key state): S_OK
//     goes on, DRAGDROP_S_DROP drops, DRAGDROP_S_CANCEL (or an error)
//     ends without a drop;
//  2. finds the registered target under the pointer (the window there or
//     its nearest registered parent): a new one gets DragEnter, the one
//     left DragLeave, the same one DragOver; each is passed the source's
//     allowed effects and answers an effect;
//  3. an effect outside the allowed ones counts as DROPEFFECT_NONE for
//     the source: GiveFeedback(effect); DRAGDROP_S_USEDEFAULTCURSORS
//     shows the standard cursor for the effect.
// On a drop over a target whose last effect was not none, the target's
// Drop answers the final effect (again none when outside the allowed
// ones); otherwise the target hears DragLeave and the effect is none.
// Key states are MK_ flags: buttons held and Shift, Ctrl, Alt.
#include "platform/win/Ole.h"

namespace plat {

struct POINTL {
  LONG x = 0;
  LONG y = 0;
};

inline constexpr DWORD DROPEFFECT_NONE = 0;
inline constexpr DWORD DROPEFFECT_COPY = 1;
inline constexpr DWORD DROPEFFECT_MOVE = 2;
inline constexpr DWORD DROPEFFECT_LINK = 4;
inline constexpr DWORD DROPEFFECT_SCROLL = 0x80000000u;

// The Alt key in a drag's key state (the other MK_ flags are Messages.h's).
inline constexpr DWORD MK_ALT = 0x0020;

inline constexpr HRESULT DRAGDROP_S_DROP = 0x00040100;
inline constexpr HRESULT DRAGDROP_S_CANCEL = 0x00040101;
inline constexpr HRESULT DRAGDROP_S_USEDEFAULTCURSORS = 0x00040102;
inline constexpr HRESULT DRAGDROP_E_NOTREGISTERED = static_cast<HRESULT>(0x80040100u);
inline constexpr HRESULT DRAGDROP_E_ALREADYREGISTERED = static_cast<HRESULT>(0x80040101u);
inline constexpr HRESULT DRAGDROP_E_INVALIDHWND = static_cast<HRESULT>(0x80040102u);

class IDropSource : public IUnknown {
 public:
  virtual HRESULT QueryContinueDrag(BOOL escapePressed, DWORD keyState) = 0;
  // S_OK when the source set the cursor itself.
  virtual HRESULT GiveFeedback(DWORD effect) = 0;
};

// Points are screen coordinates. effect: in, the source's allowed
// effects; out, what a drop here would do.
class IDropTarget : public IUnknown {
 public:
  virtual HRESULT DragEnter(IDataObject* data, DWORD keyState, POINTL point, DWORD* effect) = 0;
  virtual HRESULT DragOver(DWORD keyState, POINTL point, DWORD* effect) = 0;
  virtual HRESULT DragLeave() = 0;
  virtual HRESULT Drop(IDataObject* data, DWORD keyState, POINTL point, DWORD* effect) = 0;
};

// The window takes drops through the target (a reference is kept until
// revoked or the window is destroyed). E_OUTOFMEMORY before
// OleInitialize, DRAGDROP_E_INVALIDHWND for no window of this program,
// DRAGDROP_E_ALREADYREGISTERED, E_INVALIDARG for no target.
HRESULT RegisterDragDrop(HWND window, IDropTarget* target);
// DRAGDROP_E_NOTREGISTERED when the window has no target.
HRESULT RevokeDragDrop(HWND window);

// Runs the drag loop above. Answers DRAGDROP_S_DROP or DRAGDROP_S_CANCEL
// with the final effect, E_INVALIDARG for a missing argument,
// E_OUTOFMEMORY before OleInitialize, E_UNEXPECTED while a drag runs
// already, or the error the source answered.
HRESULT DoDragDrop(IDataObject* data, IDropSource* source, DWORD okEffects, DWORD* effect);

}  // namespace plat
