#include "platform/win/tests/DragDropFixture.h"

#include "platform/win/Clipboard.h"
#include "platform/win/GlobalMemory.h"
#include "platform/win/GlobalText.h"
#include "platform/win/InputInjection.h"
#include "platform/win/Keyboard.h"
#include "platform/win/VirtualKeys.h"
#include "platform/win/Messages.h"

namespace plat::testing {
namespace {

int& Live() {
  static int live = 0;
  return live;
}

std::string PointText(POINTL p) { return "(" + std::to_string(p.x) + "," + std::to_string(p.y) + ")"; }

}  // namespace

std::string KeyLetters(DWORD keyState) {
  std::string letters;
  if (keyState & MK_LBUTTON) letters += 'L';
  if (keyState & MK_RBUTTON) letters += 'R';
  if (keyState & MK_MBUTTON) letters += 'M';
  if (keyState & MK_SHIFT) letters += 'S';
  if (keyState & MK_CONTROL) letters += 'C';
  if (keyState & MK_ALT) letters += 'A';
  return letters.empty() ? "-" : letters;
}

std::string EffectName(DWORD effect) {
  std::string name;
  if (effect & DROPEFFECT_COPY) name += "copy";
  if (effect & DROPEFFECT_MOVE) name += name.empty() ? "move" : "|move";
  if (effect & DROPEFFECT_LINK) name += name.empty() ? "link" : "|link";
  return name.empty() ? "none" : name;
}

int LiveDragObjects() { return Live(); }

LoggingDropTarget::LoggingDropTarget(std::string name, Log& log, Rule rule)
    : FName(std::move(name)), FLog(log), FRule(std::move(rule)) {
  ++Live();
}

LoggingDropTarget::~LoggingDropTarget() { --Live(); }

void LoggingDropTarget::Note(const std::string& what, DWORD keyState, POINTL point, DWORD effect) {
  FLog.push_back(FName + " " + what + " " + PointText(point) + " " + KeyLetters(keyState) + " " + EffectName(effect));
}

HRESULT LoggingDropTarget::DragEnter(IDataObject*, DWORD keyState, POINTL point, DWORD* effect) {
  *effect = FRule(keyState, *effect);
  Note("enter", keyState, point, *effect);
  return S_OK;
}

HRESULT LoggingDropTarget::DragOver(DWORD keyState, POINTL point, DWORD* effect) {
  *effect = FRule(keyState, *effect);
  Note("over", keyState, point, *effect);
  return S_OK;
}

HRESULT LoggingDropTarget::DragLeave() {
  FLog.push_back(FName + " leave");
  return S_OK;
}

HRESULT LoggingDropTarget::Drop(IDataObject* data, DWORD keyState, POINTL point, DWORD* effect) {
  *effect = FRule(keyState, *effect);
  Note("drop", keyState, point, *effect);
  FORMATETC format{CF_TEXT};
  STGMEDIUM medium;
  if (data->GetData(&format, &medium) == S_OK) {
    DroppedText = GlobalNarrowText(medium.hGlobal);
    ReleaseStgMedium(&medium);
  }
  return S_OK;
}

DWORD GridEffectRule(DWORD keyState, DWORD okEffects) {
  if (keyState & MK_CONTROL) return DROPEFFECT_COPY;
  return (okEffects & DROPEFFECT_MOVE) ? DROPEFFECT_MOVE : DROPEFFECT_COPY;
}

LoggingDropSource::LoggingDropSource(Log& log) : FLog(log) { ++Live(); }
LoggingDropSource::~LoggingDropSource() { --Live(); }

HRESULT LoggingDropSource::QueryContinueDrag(BOOL escapePressed, DWORD keyState) {
  if (escapePressed) return DRAGDROP_S_CANCEL;
  return (keyState & MK_LBUTTON) ? S_OK : DRAGDROP_S_DROP;
}

HRESULT LoggingDropSource::GiveFeedback(DWORD effect) {
  FLog.push_back("feedback " + EffectName(effect));
  return DRAGDROP_S_USEDEFAULTCURSORS;
}

// Keys and buttons left down would change the key states of the tests
// that follow: a drag's test presses them without releasing.
void DragDropTest::ReleaseKeys() {
  for (UINT key : {VK_CONTROL, VK_SHIFT, VK_MENU, VK_ESCAPE})
    if (GetAsyncKeyState(static_cast<int>(key)) < 0) InjectKeyUp(key);
  if (GetAsyncKeyState(VK_LBUTTON) < 0) InjectMouseUp({1023, 767});
  Pump();
}

void DragDropTest::SetUp() {
  WindowTest::SetUp();
  ReleaseKeys();
  ASSERT_EQ(OleInitialize(nullptr), S_OK);
  FLiveBlocks = GlobalLiveCount();
}

void DragDropTest::TearDown() {
  ReleaseKeys();
  Display().SetDesktopDropTarget(nullptr);
  OleUninitialize();
  WindowTest::TearDown();
  EXPECT_EQ(LiveDragObjects(), 0) << "a drop target, source or data object was not released";
  EXPECT_EQ(GlobalLiveCount(), FLiveBlocks) << "a global memory block was not freed";
}

}  // namespace plat::testing
