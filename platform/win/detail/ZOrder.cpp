#include "platform/win/detail/ZOrder.h"

#include <algorithm>

#include "platform/win/detail/WindowManager.h"
#include "platform/win/WindowStyles.h"

namespace plat {
namespace {

bool IsTopmost(const Window* w) { return (w->ExStyle & WS_EX_TOPMOST) != 0; }

bool HasBands(const Window* parent) { return WindowManager::Instance().IsDesktop(parent); }

// Makes w and the windows it owns topmost or not.
void SetTopmost(Window* w, bool topmost) {
  for (Window* sibling : w->Parent->Children) {
    if (!IsOwnedBy(sibling, w)) continue;
    if (topmost)
      sibling->ExStyle |= WS_EX_TOPMOST;
    else
      sibling->ExStyle &= ~WS_EX_TOPMOST;
  }
}

std::size_t TopmostCount(const std::vector<Window*>& list) {
  return static_cast<std::size_t>(std::count_if(list.begin(), list.end(), IsTopmost));
}

std::size_t OwnerDepth(const Window* w) {
  std::size_t depth = 0;
  for (const Window* o = w->Owner; o; o = o->Owner) ++depth;
  return depth;
}

// Restores the rules after a change: the bands in order (keeping the order
// within each), then each owned window below its owner lifted to just above
// it, nearest the owner chain's start first. Lifting a window moves no other
// window relative to its owner, so one lift per window suffices.
void KeepRules(std::vector<Window*>& list) {
  std::stable_partition(list.begin(), list.end(), IsTopmost);
  std::vector<Window*> owned;
  for (Window* w : list)
    if (w->Owner) owned.push_back(w);
  std::stable_sort(owned.begin(), owned.end(),
                   [](const Window* a, const Window* b) { return OwnerDepth(a) < OwnerDepth(b); });
  for (Window* w : owned) {
    if (IsTopmost(w->Owner) && !IsTopmost(w)) continue;  // the owner's band is above its reach
    const auto self = std::find(list.begin(), list.end(), w);
    const auto owner = std::find(list.begin(), self, w->Owner);
    if (owner == self) continue;  // above its owner already (or the owner is no sibling)
    const auto at = owner - list.begin();
    list.erase(self);
    list.insert(list.begin() + at, w);
  }
}

}  // namespace

bool IsOwnedBy(const Window* w, const Window* owner) {
  for (const Window* o = w; o; o = o->Owner)
    if (o == owner) return true;
  return false;
}

bool PlaceInZOrder(Window* w, HWND insertAfter) {
  auto& list = w->Parent->Children;
  const std::vector<Window*> before = list;
  const bool bands = HasBands(w->Parent);
  Window* after = nullptr;
  if (insertAfter != HWND_TOP && insertAfter != HWND_BOTTOM && insertAfter != HWND_TOPMOST &&
      insertAfter != HWND_NOTOPMOST) {
    after = WindowManager::Instance().Find(insertAfter);
    if (!after || after->Parent != w->Parent || after == w) return false;
  }
  if (bands && (insertAfter == HWND_TOPMOST || insertAfter == HWND_NOTOPMOST || insertAfter == HWND_BOTTOM))
    SetTopmost(w, insertAfter == HWND_TOPMOST);

  std::erase(list, w);
  const bool topmost = bands && IsTopmost(w);
  const std::size_t bandTop = bands && !topmost ? TopmostCount(list) : 0;
  const std::size_t bandBottom = bands && topmost ? TopmostCount(list) : list.size();
  std::size_t to = bandTop;
  if (insertAfter == HWND_BOTTOM)
    to = list.size();
  else if (after)
    to = std::clamp(static_cast<std::size_t>(std::find(list.begin(), list.end(), after) - list.begin()) + 1, bandTop,
                    bandBottom);
  list.insert(list.begin() + static_cast<std::ptrdiff_t>(to), w);
  if (bands) KeepRules(list);
  return list != before;
}

void InsertInZOrder(Window* parent, Window* w) {
  auto& list = parent->Children;
  if (!HasBands(parent)) {
    list.insert(list.begin(), w);
    return;
  }
  if (w->Owner && IsTopmost(w->Owner)) w->ExStyle |= WS_EX_TOPMOST;
  list.insert(list.begin() + static_cast<std::ptrdiff_t>(IsTopmost(w) ? 0 : TopmostCount(list)), w);
  KeepRules(list);
}

bool IsRaised(const Window* w) {
  if (!w->Parent) return true;
  const bool bands = HasBands(w->Parent);
  for (const Window* above : w->Parent->Children) {
    if (above == w) return true;
    if (bands && IsTopmost(above) && !IsTopmost(w)) continue;
    if (!IsOwnedBy(above, w)) return false;
  }
  return true;
}

}  // namespace plat
