#include "platform/win/detail/RemoteWindowProtocol.h"

#include <array>
#include <charconv>
#include <utility>
#include <vector>

namespace plat {

namespace {

constexpr std::array<std::pair<TRemoteVerb, std::string_view>, 6> kVerbs{{
    {TRemoteVerb::SendClose, "send-close"},
    {TRemoteVerb::PostClose, "post-close"},
    {TRemoteVerb::Show, "show"},
    {TRemoteVerb::BringToTop, "bring-to-top"},
    {TRemoteVerb::SetForeground, "set-foreground"},
    {TRemoteVerb::IsVisible, "is-visible"},
}};

std::vector<std::string_view> Words(std::string_view line) {
  std::vector<std::string_view> words;
  std::size_t start = 0;
  while (start <= line.size() && words.size() < 4) {
    const std::size_t blank = line.find(' ', start);
    words.push_back(line.substr(start, blank == std::string_view::npos ? std::string_view::npos : blank - start));
    if (blank == std::string_view::npos) break;
    start = blank + 1;
  }
  return words;
}

// The whole word as a number of the given base; no sign for unsigned types,
// no empty or partial words.
template <typename T>
std::optional<T> Number(std::string_view word, int base = 10) {
  T value{};
  if (word.empty() || word.size() > 20 || word.front() == '+') return std::nullopt;
  const auto [end, error] = std::from_chars(word.data(), word.data() + word.size(), value, base);
  if (error != std::errc() || end != word.data() + word.size()) return std::nullopt;
  return value;
}

}  // namespace

String EncodeRequest(const TRemoteRequest& request) {
  String line;
  for (const auto& [verb, name] : kVerbs)
    if (verb == request.Verb) line = String(name);
  char id[20];
  const auto [end, error] = std::to_chars(id, id + sizeof id, request.Window, 16);
  static_cast<void>(error);
  line += ' ';
  line.append(id, end);
  if (request.Verb == TRemoteVerb::Show) line += ' ' + std::to_string(request.Argument);
  return line + '\n';
}

std::optional<TRemoteRequest> DecodeRequest(std::string_view line) {
  if (line.size() >= RemoteLineLimit) return std::nullopt;
  const std::vector<std::string_view> words = Words(line);
  if (words.size() < 2) return std::nullopt;
  TRemoteRequest request;
  bool known = false;
  for (const auto& [verb, name] : kVerbs)
    if (name == words[0]) {
      request.Verb = verb;
      known = true;
    }
  if (!known) return std::nullopt;
  const auto window = Number<std::uint64_t>(words[1], 16);
  if (!window || *window == 0) return std::nullopt;
  request.Window = *window;
  const std::size_t expected = request.Verb == TRemoteVerb::Show ? 3 : 2;
  if (words.size() != expected) return std::nullopt;
  if (request.Verb == TRemoteVerb::Show) {
    const auto command = Number<int>(words[2]);
    if (!command) return std::nullopt;
    request.Argument = *command;
  }
  return request;
}

String EncodeReply(const TRemoteReply& reply) {
  return reply.Ok ? "ok " + std::to_string(reply.Result) + '\n' : "error " + std::to_string(reply.Error) + '\n';
}

std::optional<TRemoteReply> DecodeReply(std::string_view line) {
  if (line.size() >= RemoteLineLimit) return std::nullopt;
  const std::vector<std::string_view> words = Words(line);
  if (words.size() != 2) return std::nullopt;
  TRemoteReply reply;
  if (words[0] == "ok") {
    const auto result = Number<std::int64_t>(words[1]);
    if (!result) return std::nullopt;
    reply.Ok = true;
    reply.Result = *result;
    return reply;
  }
  if (words[0] == "error") {
    const auto error = Number<DWORD>(words[1]);
    if (!error) return std::nullopt;
    reply.Error = *error;
    return reply;
  }
  return std::nullopt;
}

}  // namespace plat
