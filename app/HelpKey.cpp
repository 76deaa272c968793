#include "app/HelpKey.h"

#include "platform/ui/TApplication.h"
#include "platform/win/VirtualKeys.h"
#include "skin/SkButton.h"

namespace zorbit {

void HelpKeyReleased(std::uint16_t Key) {
  if (Key != plat::VK_F1 || !plat::Application->MainForm()) return;
  if (auto* help = dynamic_cast<TskCustomButton*>(plat::Application->MainForm()->FindComponent("btnHelp")))
    help->Click();
}

}  // namespace zorbit
