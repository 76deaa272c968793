#pragma once
// The skinned window frame as the theme tests use it: the real TskForm,
// registered with the other skin classes for layouts and property look-ups.
#include "skin/SkForm.h"

namespace skintest {

using TskForm = zorbit::TskForm;

// Registers the skin classes, the frame among them.
void RegisterTestFrame();

}  // namespace skintest
