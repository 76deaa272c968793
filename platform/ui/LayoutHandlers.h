#pragma once
// The event handlers a layout's root offers by name ("FormCreate",
// "btnHelpClick"): the layout binds its events to them. A handler fits an
// event when its function type is the event's exactly.
#include <any>
#include <functional>
#include <map>
#include <utility>

#include "platform/rtl/Types.h"
#include "platform/ui/TextLess.h"

namespace plat {

class TLayoutHandlers {
 public:
  // Registers (or replaces) the handler of that name: a lambda or function
  // object with one call operator, kept as the std::function it matches.
  template <typename F>
  void RegisterHandler(const String& Name, F Handler) {
    FHandlers[Name] = std::function(std::move(Handler));
  }
  // A method of Object: RegisterHandler("FormCreate", this, &TfmMain::FormCreate).
  template <typename C, typename... Args>
  void RegisterHandler(const String& Name, C* Object, void (C::*Method)(Args...)) {
    FHandlers[Name] = std::function<void(Args...)>(
        [Object, Method](Args... args) { (Object->*Method)(std::forward<Args>(args)...); });
  }

  // The handler of that name (matched without regard to ASCII case), or nullptr.
  const std::any* Find(const String& Name) const {
    const auto found = FHandlers.find(Name);
    return found == FHandlers.end() ? nullptr : &found->second;
  }

 private:
  std::map<String, std::any, TTextLess> FHandlers;
};

}  // namespace plat
