#pragma once
// The process's table of kernel objects behind HANDLE values, shared by the
// platform/os units that hand out handles.
#include <memory>

#include "platform/os/Handle.h"

namespace plat {

class TKernelObject {
 public:
  virtual ~TKernelObject() = default;
};

// Enters an object and answers its new handle.
HANDLE RegisterHandle(std::shared_ptr<TKernelObject> object);

// The object behind a handle when it is open and of type T; null otherwise.
// The object stays alive while the caller holds it, even when another thread
// closes the handle meanwhile.
std::shared_ptr<TKernelObject> LookupKernelObject(HANDLE handle);

template <typename T>
std::shared_ptr<T> LookupHandle(HANDLE handle) {
  return std::dynamic_pointer_cast<T>(LookupKernelObject(handle));
}

}  // namespace plat
