#pragma once
// What one process asks of another's top-level window over the other's
// window socket: one request line per connection, one reply line back.
//
//   request   <verb> <window id, hex> [<argument, decimal>]
//   reply     ok <result, decimal>  |  error <Win32 error number>
//
// Verbs: "send-close" (WM_CLOSE sent: the reply comes when the window has
// handled it), "post-close" (WM_CLOSE posted), "show" (ShowWindow with the
// argument as the show command), "bring-to-top", "set-foreground",
// "is-visible". Lines come from other processes, so they are checked and
// limited in length.
#include <cstdint>
#include <optional>
#include <string_view>

#include "platform/rtl/Types.h"

namespace plat {

enum class TRemoteVerb { SendClose, PostClose, Show, BringToTop, SetForeground, IsVisible };

struct TRemoteRequest {
  TRemoteVerb Verb = TRemoteVerb::IsVisible;
  std::uint64_t Window = 0;
  int Argument = 0;  // the show command for Show; 0 otherwise

  bool operator==(const TRemoteRequest&) const = default;
};

struct TRemoteReply {
  bool Ok = false;
  std::int64_t Result = 0;  // when Ok
  DWORD Error = 0;          // when not

  bool operator==(const TRemoteReply&) const = default;
};

// Longest line either side accepts, line break included.
constexpr std::size_t RemoteLineLimit = 64;

// The line with its line break.
String EncodeRequest(const TRemoteRequest& request);
String EncodeReply(const TRemoteReply& reply);
// A line without its line break; nothing when malformed.
std::optional<TRemoteRequest> DecodeRequest(std::string_view line);
std::optional<TRemoteReply> DecodeReply(std::string_view line);

}  // namespace plat
