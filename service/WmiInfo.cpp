#include "service/WmiInfo.h"

#include "platform/rtl/StringList.h"
#include "platform/rtl/StringUtils.h"
#include "service/GenericAPI.h"
#include "service/InfoQuery.h"

namespace zorbit {

namespace {

constexpr int MaxSends = 3;
constexpr const char* RetryReply = "Retry";
constexpr const char* NoCacheItem = "nocache=true";

// The reply to Request; "Retry" when the service still asked for a retry at the last send.
plat::String AskWmi(const IpfqServPtr& Serv, const plat::String& Request) {
  plat::String reply;
  for (int send = 0; send < MaxSends; ++send) {
    reply = QueryInfo(Serv, "WMI", "", Request);
    if (reply != RetryReply) break;
  }
  return reply;
}

// The instance lines of a query's reply; none when it still asked for a retry.
void ReadQueryReply(const IpfqServPtr& Serv, const plat::TStringList& Request, plat::TStringList& Lines) {
  const plat::String reply = AskWmi(Serv, Request.CommaText());
  if (reply == RetryReply) {
    Lines.Clear();
    return;
  }
  Lines.SetCommaText(reply);
}

// Takes the caller's option out of List: fresh data is asked for when it reads exactly "true".
bool TakeNoCacheOption(plat::TStrings& List) { return GetListValue(&List, "nocache", true) == "true"; }

// WMI object paths quote the key value: a backslash in it is doubled, and a
// double quote, which would end the value, gets a backslash before it.
plat::String KeyedObjectPath(const plat::String& Class, const plat::String& Key, const plat::String& Value) {
  plat::String escaped = plat::StringReplace(Value, "\\", "\\\\", plat::rfReplaceAll);
  escaped = plat::StringReplace(escaped, "\"", "\\\"", plat::rfReplaceAll);
  return Class + "." + Key + "=\"" + escaped + "\"";
}

}  // namespace

void WmiGetObject(const IpfqServPtr& Serv, const plat::String& ObjectPath, plat::TStrings& List) {
  List.Add("driver=" + ObjectPath);
  const plat::String reply = AskWmi(Serv, List.CommaText());
  if (reply == RetryReply) {
    List.Clear();
    return;
  }
  List.SetCommaText(reply);
}

void WmiQuery(const IpfqServPtr& Serv, const plat::String& Class, const plat::String& Key, const plat::String& Where,
              plat::TStrings& List) {
  const bool noCache = TakeNoCacheOption(List);
  plat::TStringList request;
  request.Add("query=Select " + Key + " FROM " + Class + " " + Where);
  request.Add("wmikey=" + Key);
  if (noCache) request.Add(NoCacheItem);
  plat::TStringList lines;
  ReadQueryReply(Serv, request, lines);

  for (int i = 0; i < lines.Count(); ++i) {
    plat::TStringList instance;
    instance.SetCommaText(lines.Strings(i));
    const plat::String key = instance.Values(Key);
    if (key.empty()) continue;
    plat::TStringList object;
    if (noCache) object.Add(NoCacheItem);
    WmiGetObject(Serv, KeyedObjectPath(Class, Key, key), object);
    List.Add("@=" + object.CommaText());
  }
  List.Add("amount=" + std::to_string(lines.Count()));
}

void WmiQueryAll(const IpfqServPtr& Serv, const plat::String& Class, const plat::String& Where, plat::TStrings& List) {
  const bool noCache = TakeNoCacheOption(List);
  plat::TStringList request;
  request.Add("query=Select * FROM " + Class + " " + Where);
  if (noCache) request.Add(NoCacheItem);
  plat::TStringList lines;
  ReadQueryReply(Serv, request, lines);

  for (int i = 0; i < lines.Count(); ++i) {
    plat::TStringList instance;
    instance.SetCommaText(lines.Strings(i));
    List.Add("@=" + instance.CommaText());
  }
  List.Add("amount=" + std::to_string(lines.Count()));
}

}  // namespace zorbit
