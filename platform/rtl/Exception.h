#pragma once
// The runtime's exception root and the descendants the runtime itself raises.
// Every failure that the system reports as an exception derives from Exception
// and carries its message text.
#include <exception>
#include <utility>

#include "platform/rtl/Types.h"

namespace plat {

class Exception : public std::exception {
 public:
  explicit Exception(String message) : FMessage(std::move(message)) {}

  const String& Message() const { return FMessage; }
  void SetMessage(String message) { FMessage = std::move(message); }
  const char* what() const noexcept override { return FMessage.c_str(); }

 private:
  String FMessage;
};

// A text that is not a number, date or format of the expected kind.
class EConvertError : public Exception {
  using Exception::Exception;
};
// A value outside the range its target can hold.
class ERangeError : public Exception {
  using Exception::Exception;
};

class EListError : public Exception {
  using Exception::Exception;
};
class EStringListError : public EListError {
  using EListError::EListError;
};

class EStreamError : public Exception {
  using Exception::Exception;
};
class EFCreateError : public EStreamError {
  using EStreamError::EStreamError;
};
class EFOpenError : public EStreamError {
  using EStreamError::EStreamError;
};
class EReadError : public EStreamError {
  using EStreamError::EStreamError;
};
class EWriteError : public EStreamError {
  using EStreamError::EStreamError;
};

// Something could not be made or kept: a bitmap of a size out of range, an
// item a list control refuses.
class EOutOfResources : public Exception {
 public:
  using Exception::Exception;
};

// The "silent" exception: callers abort an operation without showing a message.
class EAbort : public Exception {
  using Exception::Exception;
};

// A named resource the program does not carry.
class EResNotFound : public Exception {
  using Exception::Exception;
};

// Failures of the operating system, with the Win32 error number (LastError.h).
class EOSError : public Exception {
 public:
  EOSError(String message, DWORD errorCode) : Exception(std::move(message)), FErrorCode(errorCode) {}
  DWORD ErrorCode() const { return FErrorCode; }

 private:
  DWORD FErrorCode;
};

// Failures of file input and output, with the Win32 error number.
class EInOutError : public Exception {
 public:
  EInOutError(String message, int errorCode) : Exception(std::move(message)), FErrorCode(errorCode) {}
  int ErrorCode() const { return FErrorCode; }

 private:
  int FErrorCode;
};

// Raises EOSError for this thread's GetLastError(), or for the given Win32
// error number; 0 gives the message that an OS call failed.
[[noreturn]] void RaiseLastOSError();
[[noreturn]] void RaiseLastOSError(DWORD errorCode);

}  // namespace plat
