#pragma once
// Reference-counted interfaces, as OLE's data objects, drop sources and drop
// targets are passed between a program and the platform.
//
// IUnknown: AddRef and Release answer the count after the change; the
// object frees itself when Release brings it to 0. Nobody deletes an
// interface directly (the destructor is protected).
// TInterfacedObject<I>: the counting implementation of I; made with new,
// its count starts at 0 and the first holder's AddRef owns it.
// InterfacePtr<T>: a holder that adds a reference while it holds one and
// releases it when it lets go; Adopt takes a reference already counted
// (an interface handed out through an out-parameter).
#include <cstdint>
#include <utility>

namespace plat {

using ULONG = std::uint32_t;

class IUnknown {
 public:
  virtual ULONG AddRef() = 0;
  virtual ULONG Release() = 0;

 protected:
  virtual ~IUnknown() = default;
};

template <class Interface>
class TInterfacedObject : public Interface {
 public:
  ULONG AddRef() override { return ++FRefCount; }
  ULONG Release() override {
    const ULONG left = --FRefCount;
    if (left == 0) delete this;
    return left;
  }
  ULONG RefCount() const { return FRefCount; }

 protected:
  TInterfacedObject() = default;
  ~TInterfacedObject() override = default;

 private:
  ULONG FRefCount = 0;
};

template <class T>
class InterfacePtr {
 public:
  InterfacePtr() = default;
  // Adds a reference (null holds nothing).
  InterfacePtr(T* object) : FObject(object) {  // NOLINT: converts as an interface reference does
    if (FObject) FObject->AddRef();
  }
  InterfacePtr(const InterfacePtr& other) : InterfacePtr(other.FObject) {}
  InterfacePtr(InterfacePtr&& other) noexcept : FObject(std::exchange(other.FObject, nullptr)) {}
  ~InterfacePtr() { Reset(); }
  InterfacePtr& operator=(InterfacePtr other) noexcept {
    std::swap(FObject, other.FObject);
    return *this;
  }

  // Holds a reference someone already counted for the caller.
  static InterfacePtr Adopt(T* object) {
    InterfacePtr held;
    held.FObject = object;
    return held;
  }

  void Reset() {
    if (T* object = std::exchange(FObject, nullptr)) object->Release();
  }
  T* Get() const { return FObject; }
  T* operator->() const { return FObject; }
  T& operator*() const { return *FObject; }
  explicit operator bool() const { return FObject != nullptr; }
  // The held interface with a reference of its own, for an out-parameter.
  T* Detach() { return std::exchange(FObject, nullptr); }

 private:
  T* FObject = nullptr;
};

}  // namespace plat
