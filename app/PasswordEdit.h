#pragma once
// What makes an edit a password field: at most 8 keys shown as "*", typed
// characters refused (control keys such as backspace still act), every key
// release without Ctrl or Alt handed to the field's key pool, and paste refused by every road
// (Ctrl+V, Shift+Insert, the context menu: all arrive as WM_PASTE), so the
// field holds only placeholders its pool made.
#include <functional>

#include "platform/rtl/Types.h"

namespace plat {
class TCustomEdit;
}

namespace zorbit {

class TVKeyPool;

// Pool names the field's pool at each key release; what it gives must
// outlive the edit's use of it.
void MakePasswordEdit(plat::TCustomEdit& Edit, std::function<TVKeyPool&()> Pool);

// The scan codes of the field's text; false when the text holds a character
// the pool did not make (the field then counts as a wrong password).
bool DecodePasswordField(const TVKeyPool& Pool, plat::TCustomEdit& Edit, plat::String& ScanCodes);

}  // namespace zorbit
