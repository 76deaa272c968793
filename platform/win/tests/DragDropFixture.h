#pragma once
// What the drag-and-drop tests share: a drop target that writes every call
// into a log and answers by a rule, a drop source that behaves as the
// system's sources do (Escape cancels, the left button's release drops),
// and a count of the test objects alive, so that each test can see every
// reference given back.
#include <functional>
#include <string>
#include <vector>

#include "platform/win/DragDrop.h"
#include "platform/win/tests/WindowFixture.h"

namespace plat::testing {

// "L", "LC", "" ...: buttons and keys of a key state.
std::string KeyLetters(DWORD keyState);
std::string EffectName(DWORD effect);

// Test objects not yet freed.
int LiveDragObjects();

class LoggingDropTarget final : public TInterfacedObject<IDropTarget> {
 public:
  // The effect the target answers for a key state and the allowed effects.
  using Rule = std::function<DWORD(DWORD keyState, DWORD okEffects)>;
  LoggingDropTarget(std::string name, Log& log, Rule rule);

  HRESULT DragEnter(IDataObject* data, DWORD keyState, POINTL point, DWORD* effect) override;
  HRESULT DragOver(DWORD keyState, POINTL point, DWORD* effect) override;
  HRESULT DragLeave() override;
  HRESULT Drop(IDataObject* data, DWORD keyState, POINTL point, DWORD* effect) override;

  // The text the last drop carried (CF_TEXT).
  String DroppedText;

 private:
  ~LoggingDropTarget() override;
  void Note(const std::string& what, DWORD keyState, POINTL point, DWORD effect);

  std::string FName;
  Log& FLog;
  Rule FRule;
};

// The rule of the system's grid targets: Ctrl copies, else move when
// allowed, else copy.
DWORD GridEffectRule(DWORD keyState, DWORD okEffects);

class LoggingDropSource final : public TInterfacedObject<IDropSource> {
 public:
  explicit LoggingDropSource(Log& log);
  HRESULT QueryContinueDrag(BOOL escapePressed, DWORD keyState) override;
  HRESULT GiveFeedback(DWORD effect) override;

 private:
  ~LoggingDropSource() override;
  Log& FLog;
};

class DragDropTest : public WindowTest {
 protected:
  void SetUp() override;
  void TearDown() override;

 private:
  void ReleaseKeys();
  int FLiveBlocks = 0;
};

}  // namespace plat::testing
