// TCustomGrid: the mouse and the window's messages. A press on a line
// between fixed cells sizes the column or row before it (goColSizing,
// goRowSizing) with an inverted line following the mouse; a press on a
// fixed cell moves that column or row (goColMoving, goRowMoving) to where
// it is let go; a press on a scrollable cell makes it current and, with
// goRangeSelect, drags a selection, which a timer scrolls on while the
// mouse stays beyond the view. The wheel moves the current row; the scroll
// bars move the view.
#include <algorithm>

#include "platform/gdi/Shapes.h"
#include "platform/rtl/ScopeExit.h"
#include "platform/ui/TCustomGrid.h"
#include "platform/ui/detail/GridAxis.h"
#include "platform/ui/TInplaceEdit.h"
#include "platform/ui/TScreen.h"
#include "platform/win/Cursors.h"
#include "platform/win/MessageViews.h"
#include "platform/win/Mouse.h"
#include "platform/win/ScrollBars.h"
#include "platform/win/Timers.h"
#include "platform/win/WindowDC.h"

namespace plat {

namespace {

// The timer that scrolls a drag selection on, and its period.
constexpr UINT_PTR SelectScrollTimer = 1;
constexpr UINT SelectScrollPeriod = 60;
// How near a line a press must be to size (pixels on either side).
constexpr int SizingGrip = 3;

}  // namespace

void TCustomGrid::CalcSizingState(int X, int Y, TGridState& State, int& Index, int& SizingPos, int& SizingOfs) {
  State = TGridState::gsNormal;
  Index = -1;
  const auto nearest = [&](const TGridAxis& Axis, int Pixel, int Client, TGridState Kind) {
    int best = SizingGrip + 1;
    for (const TShownCell& cell : Axis.Shown(Client)) {
      const int line = cell.Start + Axis.Extent(cell.Index);
      const int distance = std::abs(Pixel - line);
      if (distance < best) {
        best = distance;
        State = Kind;
        Index = cell.Index;
        SizingPos = line;
        SizingOfs = line - Pixel;
      }
    }
  };
  if (FOptions.Contains(TGridOption::goColSizing) && Y >= 0 && Y < FRows->FixedBoundary())
    nearest(*FCols, X, ClientW(), TGridState::gsColSizing);
  if (State == TGridState::gsNormal && FOptions.Contains(TGridOption::goRowSizing) && X >= 0 &&
      X < FCols->FixedBoundary())
    nearest(*FRows, Y, ClientH(), TGridState::gsRowSizing);
}

void TCustomGrid::DrawSizingLine() {
  if (!HandleAllocated()) return;
  const HDC dc = GetDC(Handle());
  const ScopeExit release([this, dc] { ReleaseDC(Handle(), dc); });
  RECT line{};
  if (FGridState == TGridState::gsColSizing)
    line = {FSizingPos, 0, FSizingPos + 1, FRows->GridExtent(ClientH())};
  else
    line = {0, FSizingPos, FCols->GridExtent(ClientW()), FSizingPos + 1};
  InvertRect(dc, &line);
  FSizingLineShown = !FSizingLineShown;
}

void TCustomGrid::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) {
  if (CanFocus() && !Focused() && !(FInplaceEdit && FInplaceEdit->Focused())) SetFocus();
  if (Button == TMouseButton::mbLeft) {
    int index = -1, pos = 0, ofs = 0;
    TGridState sizing = TGridState::gsNormal;
    CalcSizingState(X, Y, sizing, index, pos, ofs);
    const TGridCoord cell = MouseCoord(X, Y);
    if (sizing != TGridState::gsNormal) {
      FGridState = sizing;
      FSizingIndex = index;
      FSizingPos = pos;
      FSizingOfs = ofs;
      DrawSizingLine();
    } else if (cell.X >= 0 && cell.Y < FixedRows() && cell.X >= FixedCols() &&
               FOptions.Contains(TGridOption::goColMoving)) {
      FGridState = TGridState::gsColMoving;
      FMoveIndex = FMovePos = cell.X;
    } else if (cell.X >= 0 && cell.X < FixedCols() && cell.Y >= FixedRows() &&
               FOptions.Contains(TGridOption::goRowMoving)) {
      FGridState = TGridState::gsRowMoving;
      FMoveIndex = FMovePos = cell.Y;
    } else if (cell.X >= FixedCols() && cell.Y >= FixedRows()) {
      if (Shift.Contains(TShiftStateItem::ssDouble)) {
        if (cell == FCurrent && FOptions.Contains(TGridOption::goEditing)) ShowEditor();
      } else {
        const bool extend = Shift.Contains(TShiftStateItem::ssShift) && FOptions.Contains(TGridOption::goRangeSelect);
        MoveCurrent(cell.X, cell.Y, !extend, true);
        if (FOptions.Contains(TGridOption::goRangeSelect)) {
          FGridState = TGridState::gsSelecting;
          FTimerRunning = SetTimer(Handle(), SelectScrollTimer, SelectScrollPeriod, nullptr) != 0;
        }
      }
    }
  }
  TCustomControl::MouseDown(Button, Shift, X, Y);
}

void TCustomGrid::MouseMove(TShiftState Shift, int X, int Y) {
  switch (FGridState) {
    case TGridState::gsSelecting: {
      const TGridCoord cell = MouseCoord(X, Y);
      // Beyond the scrollable cells the timer takes over.
      if (cell.X >= FixedCols() && cell.Y >= FixedRows()) MoveCurrent(cell.X, cell.Y, false, true);
      break;
    }
    case TGridState::gsColSizing:
    case TGridState::gsRowSizing: {
      const bool cols = FGridState == TGridState::gsColSizing;
      const int start = cols ? FCols->Start(FSizingIndex, ClientW()) : FRows->Start(FSizingIndex, ClientH());
      DrawSizingLine();
      FSizingPos = std::max((cols ? X : Y) + FSizingOfs, std::max(start, 0));
      DrawSizingLine();
      break;
    }
    case TGridState::gsColMoving:
    case TGridState::gsRowMoving: UpdateDragTarget(X, Y); break;
    case TGridState::gsNormal: break;
  }
  TCustomControl::MouseMove(Shift, X, Y);
}

void TCustomGrid::UpdateDragTarget(int X, int Y) {
  const bool cols = FGridState == TGridState::gsColMoving;
  const TGridAxis& axis = cols ? *FCols : *FRows;
  const int pixel = cols ? X : Y;
  const int client = cols ? ClientW() : ClientH();
  int index = axis.IndexAt(std::clamp(pixel, 0, std::max(client - 1, 0)), client);
  if (index < 0) index = axis.LastVisible(client);
  FMovePos = std::max(index, axis.Fixed());
}

void TCustomGrid::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) {
  const TGridState state = FGridState;
  FGridState = TGridState::gsNormal;
  switch (state) {
    case TGridState::gsSelecting: StopSelecting(); break;
    case TGridState::gsColSizing:
    case TGridState::gsRowSizing: {
      if (FSizingLineShown) {
        FGridState = state;
        DrawSizingLine();
        FGridState = TGridState::gsNormal;
      }
      const bool cols = state == TGridState::gsColSizing;
      const int start = cols ? FCols->Start(FSizingIndex, ClientW()) : FRows->Start(FSizingIndex, ClientH());
      if (start >= 0) {
        if (cols)
          SetColWidths(FSizingIndex, FSizingPos - start);
        else
          SetRowHeights(FSizingIndex, FSizingPos - start);
      }
      break;
    }
    case TGridState::gsColMoving:
      if (FMovePos != FMoveIndex) MoveColumn(FMoveIndex, FMovePos);
      break;
    case TGridState::gsRowMoving:
      if (FMovePos != FMoveIndex) MoveRow(FMoveIndex, FMovePos);
      break;
    case TGridState::gsNormal: break;
  }
  TCustomControl::MouseUp(Button, Shift, X, Y);
}

void TCustomGrid::StopSelecting() {
  if (FTimerRunning && HandleAllocated()) KillTimer(Handle(), SelectScrollTimer);
  FTimerRunning = false;
}

void TCustomGrid::SelectingTimer() {
  if (FGridState != TGridState::gsSelecting) {
    StopSelecting();
    return;
  }
  POINT p{};
  GetCursorPos(&p);
  const TPoint client = ScreenToClient(p);
  const int w = ClientW();
  const int h = ClientH();
  TGridCoord target = FCurrent;
  if (client.X < FCols->FixedBoundary())
    target.X = LeftCol() - 1;
  else if (client.X >= w)
    target.X = FCols->LastFullVisible(w) + 1;
  if (client.Y < FRows->FixedBoundary())
    target.Y = TopRow() - 1;
  else if (client.Y >= h)
    target.Y = FRows->LastFullVisible(h) + 1;
  if (target != FCurrent) MoveCurrent(target.X, target.Y, false, true);
}

bool TCustomGrid::SetCursorForSizing() {
  POINT p{};
  GetCursorPos(&p);
  const TPoint client = ScreenToClient(p);
  TGridState state = FGridState;
  int index = -1, pos = 0, ofs = 0;
  if (state == TGridState::gsNormal) CalcSizingState(client.X, client.Y, state, index, pos, ofs);
  if (state != TGridState::gsColSizing && state != TGridState::gsRowSizing) return false;
  if (Screen) ::plat::SetCursor(Screen->Cursors(state == TGridState::gsColSizing ? crHSplit : crVSplit));
  return true;
}

bool TCustomGrid::DoMouseWheelDown(TShiftState Shift, TPoint MousePos) {
  if (TCustomControl::DoMouseWheelDown(Shift, MousePos)) return true;
  if (Row() < RowCount() - 1) FocusCell(Col(), Row() + 1, true);
  return true;
}

bool TCustomGrid::DoMouseWheelUp(TShiftState Shift, TPoint MousePos) {
  if (TCustomControl::DoMouseWheelUp(Shift, MousePos)) return true;
  if (Row() > FixedRows()) FocusCell(Col(), Row() - 1, true);
  return true;
}

void TCustomGrid::WndProc(TMessage& Message) {
  switch (Message.Msg) {
    case WM_GETDLGCODE:
      Message.Result = DLGC_WANTARROWS | DLGC_WANTCHARS;
      if (FOptions.Contains(TGridOption::goTabs)) Message.Result |= DLGC_WANTTAB;
      return;
    case WM_HSCROLL:
      WMHScroll(Message);
      return;
    case WM_VSCROLL:
      WMVScroll(Message);
      return;
    case WM_TIMER:
      if (Message.WParam == SelectScrollTimer) {
        SelectingTimer();
        return;
      }
      break;
    case WM_SETCURSOR:
      if (LOWORD(Message.LParam) == HTCLIENT && SetCursorForSizing()) {
        Message.Result = TRUE;
        return;
      }
      break;
    case WM_ERASEBKGND:
      // With DefaultDrawing the paint covers every pixel of the client.
      if (FDefaultDrawing) {
        Message.Result = 1;
        return;
      }
      break;
    case WM_CANCELMODE:
      // Whatever the mouse was doing ends without effect.
      if (FGridState == TGridState::gsSelecting) StopSelecting();
      if (FSizingLineShown) DrawSizingLine();
      FGridState = TGridState::gsNormal;
      break;
    default: break;
  }
  TCustomControl::WndProc(Message);
  switch (Message.Msg) {
    case WM_SETFOCUS:
      // An open editor takes the focus the grid gets, unless it is giving
      // the focus back as it hides.
      if (FEditorMode && !FParking && FInplaceEdit && FInplaceEdit->Visible() && FInplaceEdit->CanFocus()) {
        FInplaceEdit->SetFocus();
        FInplaceEdit->SelectAll();
      }
      InvalidateCell(Col(), Row());
      break;
    case WM_KILLFOCUS: InvalidateCell(Col(), Row()); break;
    case WM_SIZE: UpdateScrollRange(); break;
    default: break;
  }
}

void TCustomGrid::WMHScroll(TMessage& Message) {
  ScrollRequest(false, LOWORD(Message.WParam), static_cast<short>(HIWORD(Message.WParam)));
  Message.Result = 0;
}

void TCustomGrid::WMVScroll(TMessage& Message) {
  ScrollRequest(true, LOWORD(Message.WParam), static_cast<short>(HIWORD(Message.WParam)));
  Message.Result = 0;
}

}  // namespace plat
