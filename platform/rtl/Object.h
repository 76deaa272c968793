#pragma once
// The root of every class-library class, and the plain notification event.
#include <functional>
#include <typeinfo>

#include "platform/rtl/Types.h"

namespace plat {

class TObject {
 public:
  virtual ~TObject() = default;

  // The class's own name without its namespace, as the class library reports it.
  String ClassName() const;

  template <typename T>
  bool InheritsFrom() const {
    return dynamic_cast<const T*>(this) != nullptr;
  }
};

using TNotifyEvent = std::function<void(TObject* Sender)>;

// The name of a class without its namespace, as ClassName gives it.
String ClassNameOf(const std::type_info& type);

}  // namespace plat
