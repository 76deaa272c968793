#include "service/SmbiosInfo.h"

#include <vector>

#include "platform/rtl/DateTime.h"
#include "platform/rtl/FormatSettings.h"
#include "platform/rtl/StringList.h"
#include "platform/rtl/StringUtils.h"
#include "service/InfoQuery.h"

namespace zorbit {

namespace {

std::vector<plat::String> StructureHandles(const IpfqServPtr& Serv, const plat::String& Name) {
  plat::TStringList handles;
  handles.SetCommaText(QueryInfo(Serv, "smbios_sub", Name, ""));
  std::vector<plat::String> result;
  for (int i = 0; i < handles.Count(); ++i)
    if (!handles.Strings(i).empty()) result.push_back(handles.Strings(i));
  return result;
}

plat::String ReadStructure(const IpfqServPtr& Serv, const plat::String& Name, const plat::String& Handle) {
  return QueryInfo(Serv, "smbios", Name, "HandleID=" + Handle);
}

// The firmware writes month/day/year whatever the user's locale; a year of
// one or two digits belongs to the current century.
bool ReadFirmwareDate(const plat::String& Text, plat::TDateTime& Date) {
  plat::TFormatSettings firmware = plat::FormatSettings();
  firmware.ShortDateFormat = "m/d/y";
  firmware.DateSeparator = '/';
  firmware.TwoDigitYearCenturyWindow = 0;
  return plat::TryStrToDate(plat::Trim(Text), Date, firmware);
}

}  // namespace

void GetSmbiosStructure(const IpfqServPtr& Serv, const plat::String& Name, plat::TStrings& List) {
  // An empty item before the first handle names no structure, so it is passed over.
  const std::vector<plat::String> handles = StructureHandles(Serv, Name);
  if (handles.empty()) {
    List.Clear();
    return;
  }
  List.SetCommaText(ReadStructure(Serv, Name, handles.front()));
}

void GetSmbiosStructures(const IpfqServPtr& Serv, const plat::String& Name, plat::TStrings& List) {
  const std::vector<plat::String> handles = StructureHandles(Serv, Name);
  for (const plat::String& handle : handles) List.Add("@=" + ReadStructure(Serv, Name, handle));
  List.Add("amount=" + std::to_string(handles.size()));
}

void GetSystemStructure(const IpfqServPtr& Serv, plat::TStrings& List) { GetSmbiosStructure(Serv, "System", List); }

void GetBiosStructure(const IpfqServPtr& Serv, plat::TStrings& List) {
  GetSmbiosStructure(Serv, "BIOS", List);
  const plat::String released = List.Values("ReleaseDate");
  plat::TDateTime date = 0;
  if (!released.empty() && ReadFirmwareDate(released, date)) List.SetValues("ReleaseDate", plat::DateToStr(date));
}

}  // namespace zorbit
