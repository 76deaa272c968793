#include "app/PasswordEdit.h"

#include "app/TVKeyPool.h"
#include "platform/ui/TCustomEdit.h"
#include "platform/win/Messages.h"

namespace zorbit {

namespace {

constexpr int kPasswordLength = 8;
constexpr char32_t kFirstPrintable = 32;

}  // namespace

void MakePasswordEdit(plat::TCustomEdit& Edit, std::function<TVKeyPool&()> Pool) {
  Edit.SetMaxLength(kPasswordLength);
  Edit.SetPasswordChar('*');
  Edit.OnKeyPress = [](plat::TObject*, char32_t& Key) {
    if (Key >= kFirstPrintable) Key = 0;
  };
  Edit.OnKeyUp = [&Edit, Pool = std::move(Pool)](plat::TObject*, std::uint16_t& Key, plat::TShiftState Shift) {
    // A chord with Ctrl or Alt is a command (Ctrl+V), not a key of the password.
    if (Shift.Contains(plat::TShiftStateItem::ssCtrl) || Shift.Contains(plat::TShiftStateItem::ssAlt)) return;
    Pool().KeyUp(Edit, Key);
  };
  Edit.WindowProc = [previous = Edit.WindowProc](plat::TMessage& Message) {
    if (Message.Msg == plat::WM_PASTE) return;
    previous(Message);
  };
}

bool DecodePasswordField(const TVKeyPool& Pool, plat::TCustomEdit& Edit, plat::String& ScanCodes) {
  try {
    ScanCodes = Pool.Decode(Edit.Text());
    return true;
  } catch (const EVKeyPoolError&) {
    return false;
  }
}

}  // namespace zorbit
