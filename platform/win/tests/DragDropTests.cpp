// OLE drag and drop inside the program: the drag loop over the real queue
// with input fed as a user gives it, the calls targets and sources get, in
// order, and the references and blocks all given back.
#include "platform/win/BlockDataObject.h"
#include "platform/win/Clipboard.h"
#include "platform/win/Cursors.h"
#include "platform/win/DragDrop.h"
#include "platform/win/InputInjection.h"
#include "platform/win/Mouse.h"
#include "platform/win/VirtualKeys.h"
#include "platform/win/WindowStyles.h"
#include "platform/win/Windows.h"
#include "platform/win/tests/DragDropFixture.h"

namespace plat::testing {
namespace {

// One piece of input during the drag.
struct Input {
  enum class Kind { Move, Release, KeyDown, KeyUp } What;
  TPoint At{};
  UINT Key = 0;
};
Input MoveTo(int x, int y) { return {Input::Kind::Move, {x, y}}; }
Input ReleaseAt(int x, int y) { return {Input::Kind::Release, {x, y}}; }
Input KeyDown(UINT key) { return {Input::Kind::KeyDown, {}, key}; }
Input KeyUp(UINT key) { return {Input::Kind::KeyUp, {}, key}; }

void Feed(const std::vector<Input>& inputs) {
  for (const Input& input : inputs) {
    switch (input.What) {
      case Input::Kind::Move: InjectMouseMove(input.At); break;
      case Input::Kind::Release: InjectMouseUp(input.At); break;
      case Input::Kind::KeyDown: InjectKeyDown(input.Key); break;
      case Input::Kind::KeyUp: InjectKeyUp(input.Key); break;
    }
  }
}

DWORD AlwaysNone(DWORD, DWORD) { return DROPEFFECT_NONE; }

struct DragCase {
  const char* Name;
  DWORD OkEffects;
  LoggingDropTarget::Rule Rule;
  std::vector<Input> Inputs;
  HRESULT Result;
  DWORD Effect;
  Log Expected;
};

// Window "a" (the source's) at 0..100, target "b" at 200..300, both 100
// high; the press is at (50, 50) in a.
// clang-format off
const DragCase kDragCases[] = {
    {"MoveDropsOnTheTarget", DROPEFFECT_COPY | DROPEFFECT_MOVE, GridEffectRule,
     {MoveTo(60, 50), MoveTo(250, 50), MoveTo(260, 50), ReleaseAt(260, 50)},
     DRAGDROP_S_DROP, DROPEFFECT_MOVE,
     {"feedback none", "feedback none", "b enter (250,50) L move", "feedback move",
      "b over (260,50) L move", "feedback move", "b drop (260,50) - move"}},
    {"CtrlCopies", DROPEFFECT_COPY | DROPEFFECT_MOVE, GridEffectRule,
     {MoveTo(250, 50), KeyDown(VK_CONTROL), ReleaseAt(250, 50)},
     DRAGDROP_S_DROP, DROPEFFECT_COPY,
     {"feedback none", "b enter (250,50) L move", "feedback move",
      "b over (250,50) LC copy", "feedback copy", "b drop (250,50) C copy"}},
    {"EscapeCancels", DROPEFFECT_COPY | DROPEFFECT_MOVE, GridEffectRule,
     {MoveTo(250, 50), KeyDown(VK_ESCAPE)},
     DRAGDROP_S_CANCEL, DROPEFFECT_NONE,
     {"feedback none", "b enter (250,50) L move", "feedback move", "b leave"}},
    {"ReleaseAfterNoneFeedbackDropsNothing", DROPEFFECT_COPY | DROPEFFECT_MOVE, AlwaysNone,
     {MoveTo(250, 50), ReleaseAt(250, 50)},
     DRAGDROP_S_DROP, DROPEFFECT_NONE,
     {"feedback none", "b enter (250,50) L none", "feedback none", "b leave"}},
    {"CopyOutsideAMoveOnlySourceCountsAsNone", DROPEFFECT_MOVE, GridEffectRule,
     {MoveTo(250, 50), KeyDown(VK_CONTROL), ReleaseAt(250, 50)},
     DRAGDROP_S_DROP, DROPEFFECT_NONE,
     {"feedback none", "b enter (250,50) L move", "feedback move",
      "b over (250,50) LC copy", "feedback none", "b leave"}},
    {"LeavingTheTargetTellsIt", DROPEFFECT_COPY, GridEffectRule,
     {MoveTo(250, 50), MoveTo(150, 50), ReleaseAt(150, 50)},
     DRAGDROP_S_DROP, DROPEFFECT_NONE,
     {"feedback none", "b enter (250,50) L copy", "feedback copy", "b leave", "feedback none"}},
    {"KeyReleaseIsAStepToo", DROPEFFECT_COPY | DROPEFFECT_MOVE, GridEffectRule,
     {MoveTo(250, 50), KeyDown(VK_SHIFT), KeyUp(VK_SHIFT), ReleaseAt(250, 50)},
     DRAGDROP_S_DROP, DROPEFFECT_MOVE,
     {"feedback none", "b enter (250,50) L move", "feedback move", "b over (250,50) LS move", "feedback move",
      "b over (250,50) L move", "feedback move", "b drop (250,50) - move"}},
};
// clang-format on

class DragLoopCases : public DragDropTest, public ::testing::WithParamInterface<DragCase> {};

TEST_P(DragLoopCases, TargetAndSourceHearTheDragInOrder) {
  const DragCase& c = GetParam();
  HWND a = Make("a", WS_POPUP | WS_VISIBLE, Bounds(0, 0, 100, 100));
  HWND b = Make("b", WS_POPUP | WS_VISIBLE, Bounds(200, 0, 100, 100));
  ASSERT_TRUE(a && b);
  Log log;
  ASSERT_EQ(RegisterDragDrop(b, InterfacePtr<IDropTarget>(new LoggingDropTarget("b", log, c.Rule)).Get()), S_OK);
  InterfacePtr<IDataObject> data = TBlockDataObject::Create(TextBlocks("dragged"));
  InterfacePtr<IDropSource> source(new LoggingDropSource(log));

  InjectMouseMove({50, 50});
  InjectMouseDown({50, 50});
  Pump();
  Display().SetModalHook([&](HWND) { Feed(c.Inputs); });
  DWORD effect = 0xDEAD;
  EXPECT_EQ(DoDragDrop(data.Get(), source.Get(), c.OkEffects, &effect), c.Result);
  EXPECT_EQ(EffectName(effect), EffectName(c.Effect));
  EXPECT_EQ(log, c.Expected);

  // Only the test holds the data object and the source again.
  EXPECT_EQ(data->AddRef(), 2u);
  data->Release();
  EXPECT_EQ(GetCapture(), nullptr);
  EXPECT_EQ(RevokeDragDrop(b), S_OK);
}

INSTANTIATE_TEST_SUITE_P(Drags, DragLoopCases, ::testing::ValuesIn(kDragCases),
                         [](const ::testing::TestParamInfo<DragCase>& param) { return std::string(param.param.Name); });

class DragLoop : public DragDropTest {};

TEST_F(DragLoop, DropCarriesTheSourcesDataObjectAndFreesWhatItGave) {
  HWND b = Make("b", WS_POPUP | WS_VISIBLE, Bounds(200, 0, 100, 100));
  Log log;
  InterfacePtr<LoggingDropTarget> target(new LoggingDropTarget("b", log, GridEffectRule));
  ASSERT_EQ(RegisterDragDrop(b, target.Get()), S_OK);
  InterfacePtr<IDataObject> data = TBlockDataObject::Create(TextBlocks("Zeile 1\tä"));
  InterfacePtr<IDropSource> source(new LoggingDropSource(log));
  InjectMouseDown({50, 50});
  Pump();
  Display().SetModalHook([](HWND) { Feed({MoveTo(250, 50), ReleaseAt(250, 50)}); });
  DWORD effect = 0;
  EXPECT_EQ(DoDragDrop(data.Get(), source.Get(), DROPEFFECT_COPY, &effect), DRAGDROP_S_DROP);
  EXPECT_EQ(target->DroppedText, "Zeile 1\tä");
  RevokeDragDrop(b);
}

TEST_F(DragLoop, ChildWindowsDropOnTheirNearestRegisteredParent) {
  HWND b = Make("b", WS_POPUP | WS_VISIBLE, Bounds(200, 0, 100, 100));
  Make("child", WS_CHILD | WS_VISIBLE, Bounds(10, 10, 50, 50), b);
  Log log;
  ASSERT_EQ(RegisterDragDrop(b, InterfacePtr<IDropTarget>(new LoggingDropTarget("b", log, GridEffectRule)).Get()),
            S_OK);
  InterfacePtr<IDataObject> data = TBlockDataObject::Create(TextBlocks("x"));
  InterfacePtr<IDropSource> source(new LoggingDropSource(log));
  InjectMouseDown({50, 50});
  Pump();
  Display().SetModalHook([](HWND) { Feed({MoveTo(230, 30), ReleaseAt(230, 30)}); });
  DWORD effect = 0;
  EXPECT_EQ(DoDragDrop(data.Get(), source.Get(), DROPEFFECT_COPY, &effect), DRAGDROP_S_DROP);
  EXPECT_EQ(log, (Log{"feedback none", "b enter (230,30) L copy", "feedback copy", "b drop (230,30) - copy"}));
  RevokeDragDrop(b);
}

TEST_F(DragLoop, GoingFromOneTargetToAnotherLeavesTheFirst) {
  HWND b = Make("b", WS_POPUP | WS_VISIBLE, Bounds(200, 0, 100, 100));
  HWND c = Make("c", WS_POPUP | WS_VISIBLE, Bounds(300, 0, 100, 100));
  Log log;
  RegisterDragDrop(b, InterfacePtr<IDropTarget>(new LoggingDropTarget("b", log, GridEffectRule)).Get());
  RegisterDragDrop(c, InterfacePtr<IDropTarget>(new LoggingDropTarget("c", log, GridEffectRule)).Get());
  InterfacePtr<IDataObject> data = TBlockDataObject::Create(TextBlocks("x"));
  InterfacePtr<IDropSource> source(new LoggingDropSource(log));
  InjectMouseDown({50, 50});
  Pump();
  Display().SetModalHook([](HWND) { Feed({MoveTo(200, 50), MoveTo(350, 50), ReleaseAt(350, 50)}); });
  DWORD effect = 0;
  EXPECT_EQ(DoDragDrop(data.Get(), source.Get(), DROPEFFECT_MOVE, &effect), DRAGDROP_S_DROP);
  EXPECT_EQ(log, (Log{"feedback none", "b enter (200,50) L move", "feedback move", "b leave",
                      "c enter (350,50) L move", "feedback move", "c drop (350,50) - move"}));
  EXPECT_EQ(EffectName(effect), "move");
  RevokeDragDrop(b);
  RevokeDragDrop(c);
}

TEST_F(DragLoop, FeedbackShowsTheStandardCursors) {
  HWND b = Make("b", WS_POPUP | WS_VISIBLE, Bounds(200, 0, 100, 100));
  Log log;
  // Each call of the target comes after the feedback of the step before.
  std::vector<HCURSOR> seen;
  const HCURSOR before = GetCursor();
  RegisterDragDrop(b, InterfacePtr<IDropTarget>(new LoggingDropTarget("b", log, [&](DWORD keys, DWORD ok) {
                        seen.push_back(Display().Cursor());
                        return GridEffectRule(keys, ok);
                      })).Get());
  InterfacePtr<IDataObject> data = TBlockDataObject::Create(TextBlocks("x"));
  InterfacePtr<IDropSource> source(new LoggingDropSource(log));
  InjectMouseDown({50, 50});
  Pump();
  Display().SetModalHook([&](HWND) {
    InjectMouseMove({250, 50});
    InjectMouseMove({260, 50});
    InjectKeyDown(VK_ESCAPE);
  });
  DWORD effect = 0;
  EXPECT_EQ(DoDragDrop(data.Get(), source.Get(), DROPEFFECT_COPY, &effect), DRAGDROP_S_CANCEL);
  EXPECT_EQ(seen, (std::vector<HCURSOR>{LoadCursor(nullptr, IDC_NO), LoadCursor(nullptr, IDC_ARROW)}));
  EXPECT_EQ(GetCursor(), before);
  RevokeDragDrop(b);
}

TEST_F(DragLoop, OutsideOurWindowsTheDesktopsTargetTakesTheDrag) {
  Log log;
  InterfacePtr<LoggingDropTarget> desktop(new LoggingDropTarget("desktop", log, GridEffectRule));
  Display().SetDesktopDropTarget(desktop.Get());
  InterfacePtr<IDataObject> data = TBlockDataObject::Create(TextBlocks("to another program"));
  InterfacePtr<IDropSource> source(new LoggingDropSource(log));
  Make("a", WS_POPUP | WS_VISIBLE, Bounds(0, 0, 100, 100));
  InjectMouseDown({50, 50});
  Pump();
  Display().SetModalHook([](HWND) { Feed({MoveTo(500, 400), ReleaseAt(500, 400)}); });
  DWORD effect = 0;
  EXPECT_EQ(DoDragDrop(data.Get(), source.Get(), DROPEFFECT_COPY | DROPEFFECT_MOVE, &effect), DRAGDROP_S_DROP);
  EXPECT_EQ(log, (Log{"feedback none", "desktop enter (500,400) L move", "feedback move",
                      "desktop drop (500,400) - move"}));
  EXPECT_EQ(desktop->DroppedText, "to another program");
}

TEST_F(DragLoop, ArgumentsAndStateAreChecked) {
  Log log;
  InterfacePtr<IDataObject> data = TBlockDataObject::Create(TextBlocks("x"));
  InterfacePtr<IDropSource> source(new LoggingDropSource(log));
  DWORD effect = 0;
  EXPECT_EQ(DoDragDrop(nullptr, source.Get(), DROPEFFECT_COPY, &effect), E_INVALIDARG);
  EXPECT_EQ(DoDragDrop(data.Get(), nullptr, DROPEFFECT_COPY, &effect), E_INVALIDARG);
  EXPECT_EQ(DoDragDrop(data.Get(), source.Get(), DROPEFFECT_COPY, nullptr), E_INVALIDARG);
  OleUninitialize();
  EXPECT_EQ(DoDragDrop(data.Get(), source.Get(), DROPEFFECT_COPY, &effect), E_OUTOFMEMORY);
  EXPECT_EQ(OleInitialize(nullptr), S_OK);
  EXPECT_EQ(OleInitialize(nullptr), S_FALSE);
  OleUninitialize();
}

class Registration : public DragDropTest {};

TEST_F(Registration, RefusesWhatCannotBeRegistered) {
  HWND w = Make("w", WS_POPUP, Bounds(0, 0, 10, 10));
  Log log;
  InterfacePtr<IDropTarget> target(new LoggingDropTarget("w", log, GridEffectRule));
  EXPECT_EQ(RegisterDragDrop(w, nullptr), E_INVALIDARG);
  EXPECT_EQ(RegisterDragDrop(reinterpret_cast<HWND>(0x7777), target.Get()), DRAGDROP_E_INVALIDHWND);
  EXPECT_EQ(RevokeDragDrop(w), DRAGDROP_E_NOTREGISTERED);
  EXPECT_EQ(RegisterDragDrop(w, target.Get()), S_OK);
  EXPECT_EQ(RegisterDragDrop(w, target.Get()), DRAGDROP_E_ALREADYREGISTERED);
  EXPECT_EQ(RevokeDragDrop(w), S_OK);
  EXPECT_EQ(RevokeDragDrop(w), DRAGDROP_E_NOTREGISTERED);
  OleUninitialize();
  EXPECT_EQ(RegisterDragDrop(w, target.Get()), E_OUTOFMEMORY);
  OleInitialize(nullptr);
}

TEST_F(Registration, ADestroyedWindowGivesItsTargetBack) {
  HWND w = Make("w", WS_POPUP, Bounds(0, 0, 10, 10));
  Log log;
  ASSERT_EQ(RegisterDragDrop(w, InterfacePtr<IDropTarget>(new LoggingDropTarget("w", log, GridEffectRule)).Get()),
            S_OK);
  EXPECT_EQ(LiveDragObjects(), 1);
  DestroyWindow(w);
  EXPECT_EQ(LiveDragObjects(), 0);
  EXPECT_EQ(RevokeDragDrop(w), DRAGDROP_E_NOTREGISTERED);
}

}  // namespace
}  // namespace plat::testing
