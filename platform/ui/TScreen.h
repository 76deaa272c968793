#pragma once
// The screen as the class library sees it: its size and work area (the
// primary monitor's), its monitors, its resolution, the mouse pointers by
// number, the forms and the active one, and the fonts of hints and menus
// (the menu font as the system's non-client metrics give it).
#include <map>
#include <memory>
#include <vector>

#include "platform/gdi/TFont.h"
#include "platform/ui/ControlTypes.h"
#include "platform/ui/TComponent.h"
#include "platform/ui/TMonitor.h"
#include "platform/win/WinTypes.h"

namespace plat {

class TCustomForm;
class TWinControl;

class TScreen : public TComponent {
 public:
  explicit TScreen(TComponent* AOwner);
  ~TScreen() override;

  int Width() const;
  int Height() const;
  // The screen without the desktop's panels.
  TRect WorkAreaRect() const;
  int WorkAreaLeft() const { return WorkAreaRect().Left; }
  int WorkAreaTop() const { return WorkAreaRect().Top; }
  int WorkAreaWidth() const { return WorkAreaRect().Width(); }
  int WorkAreaHeight() const { return WorkAreaRect().Height(); }
  int PixelsPerInch() const { return 96; }

  // The display's monitors, the primary one first. The list is read again
  // when the display's monitors change; TMonitor pointers stay valid until then.
  int MonitorCount();
  // Raises EListError for an index out of range.
  TMonitor* Monitors(int Index);
  TMonitor* PrimaryMonitor() { return Monitors(0); }
  // The monitor a window, point or rectangle lies on (mostly); elsewhere
  // the nearest, none or the primary one, as Default says.
  TMonitor* MonitorFromWindow(HWND Window, TMonitorDefaultTo Default = TMonitorDefaultTo::mdNearest);
  TMonitor* MonitorFromPoint(TPoint Point, TMonitorDefaultTo Default = TMonitorDefaultTo::mdNearest);
  TMonitor* MonitorFromRect(TRect Rect, TMonitorDefaultTo Default = TMonitorDefaultTo::mdNearest);

  // A pointer shown over every control while not crDefault.
  TCursor Cursor() const { return FCursor; }
  void SetCursor(TCursor Value);
  // The pointer of a cursor number: the standard ones, the class library's
  // own (dragging, splitters) and those a program added; crDefault and
  // unknown numbers give the arrow.
  HCURSOR Cursors(TCursor Index) const;
  // Adds (or replaces) a program's own cursor; the handle is not freed here.
  void SetCursors(TCursor Index, HCURSOR Handle);

  int FormCount() const { return static_cast<int>(FForms.size()); }
  // Raises EListError for an index out of range.
  TCustomForm* Forms(int Index) const;
  TCustomForm* ActiveForm() const { return FActiveForm; }
  TWinControl* ActiveControl() const { return FActiveControl; }
  TFont* HintFont() const { return FHintFont.get(); }
  // The system's menu font, in the colour of menu text.
  TFont* MenuFont() const { return FMenuFont.get(); }

 private:
  friend class TCustomForm;

  void AddForm(TCustomForm* Form);
  void RemoveForm(TCustomForm* Form);
  // Brings the list of monitors in line with the display.
  void UpdateMonitors();
  TMonitor* MonitorOf(HMONITOR Handle);

  TCursor FCursor = crDefault;
  std::map<TCursor, HCURSOR> FCursors;
  std::vector<HCURSOR> FOwnCursors;  // made here, freed here
  std::vector<TCustomForm*> FForms;
  TCustomForm* FActiveForm = nullptr;
  TWinControl* FActiveControl = nullptr;
  std::unique_ptr<TFont> FHintFont;
  std::unique_ptr<TFont> FMenuFont;
  std::vector<std::unique_ptr<TMonitor>> FMonitors;
};

// The screen object of the program (made by InitForms).
extern TScreen* Screen;

}  // namespace plat
