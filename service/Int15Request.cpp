#include "service/Int15Request.h"

#include "platform/rtl/Unicode.h"
#include "service/GenericAPI.h"
#include "service/tcpClient.h"

namespace zorbit {

namespace {
constexpr std::uint32_t Int15Function = 38416;
}

void BeginInt15Request(plat::TStringList& List, std::uint32_t Ebx) {
  List.Clear();
  AddInt15Item(List, "EAX", Int15Function);
  AddInt15Item(List, "EBX", Ebx);
}

void AddInt15Item(plat::TStringList& List, const char* Name, std::uint32_t Value) {
  List.Add(plat::String(Name) + "=" + std::to_string(Value));
}

bool CallInt15(plat::TStringList& List) {
  const IpfqServPtr link = ServLink();
  if (!link) return false;
  List.Add("nocache=true");
  plat::WideString params = plat::Utf8ToWide(List.CommaText());
  link->GetInfo(u"int15", u"", params);
  List.SetCommaText(plat::WideToUtf8(params));
  return (GetListInt(&List, "result", 0) & 0xFF) != 0;
}

std::uint32_t Int15Register(plat::TStringList& List, const char* Name) {
  return static_cast<std::uint32_t>(GetListInt(&List, Name, 0));
}

}  // namespace zorbit
