#pragma once
// The root of the class library's objects that can copy their state from one
// another and that have an owner in some structure (a collection's item, a
// component).
#include "platform/rtl/Object.h"

namespace plat {

class TPersistent : public TObject {
 public:
  TPersistent() = default;
  TPersistent(const TPersistent&) = delete;
  TPersistent& operator=(const TPersistent&) = delete;

  // Copies Source's state into this object. The default asks Source to do it
  // (AssignTo); an object that knows neither way, or a null Source, raises
  // EConvertError "Cannot assign a <source class> to a <this class>".
  virtual void Assign(const TPersistent* Source);
  // The object that holds this one, or nullptr.
  virtual TPersistent* GetOwner() const { return nullptr; }

 protected:
  // Copies this object's state into Dest; the default raises the error above.
  virtual void AssignTo(TPersistent* Dest) const;

 private:
  [[noreturn]] void AssignError(const TPersistent* Source) const;
};

}  // namespace plat
