#include "service/WmiClasses.h"

#include "platform/os/SystemEdition.h"
#include "platform/rtl/Conversions.h"
#include "platform/rtl/StringList.h"
#include "platform/rtl/StringUtils.h"
#include "service/GenericAPI.h"
#include "service/InstanceList.h"
#include "service/SmbiosText.h"
#include "service/WmiInfo.h"

namespace zorbit {

namespace {

void NumberDevices(plat::TStrings& List) {
  RewriteInstances(List, [](plat::TStrings& Instance, int Position) {
    Instance.SetValues("ItemNo", "Device " + std::to_string(Position));
  });
}

bool TakeBooleanOption(plat::TStrings& List, const char* Name) {
  return plat::StrToBoolDef(GetListValue(&List, Name, true), false);
}

plat::String HardDriveWhere(bool Usb, bool Fixed) {
  const plat::String busCondition = Usb ? "" : R"( InterfaceType <> "USB" and InterfaceType <> "1394")";
  const plat::String mediaCondition = Fixed ? R"( MediaType = "Fixed hard disk media")" : "";
  if (Usb && !Fixed) return "";
  if (!Usb && Fixed) return "where" + busCondition + " and" + mediaCondition;
  return "where" + busCondition + mediaCondition;
}

plat::String SizeWithUnit(const plat::String& Bytes) {
  const TByteSizeText size = ByteSizeText(StrToFloatTolerant(Bytes));
  return size.Number + " " + LocalizeText(size.Unit);
}

// SCSI target 0 is the master drive, 1 the slave; a missing or unreadable id reads as 0.
plat::String IdeTarget(const plat::String& TargetId) {
  switch (plat::StrToInt64Def(TargetId, 0)) {
    case 0: return "Master";
    case 1: return "Slave";
    default: return "-" + TargetId;
  }
}

void RewriteHardDrive(plat::TStrings& Drive) {
  // Read as a 32-bit number, so that adding 1 cannot overflow.
  const std::int64_t index = plat::StrToIntDef(Drive.Values("Index"), 0);
  Drive.SetValues("ItemNo", "Hard Drive " + std::to_string(index + 1));
  const plat::String size = Drive.Values("Size");
  Drive.SetValues("CurSize", size);
  Drive.SetValues("MediaType", plat::StringReplace(Drive.Values("MediaType"), "\t", " ", plat::rfReplaceAll));
  if (!size.empty()) Drive.SetValues("Size", SizeWithUnit(size));
  Drive.SetValues("IDEPort", "Channel " + Drive.Values("SCSIPort"));
  Drive.SetValues("IDETarget", IdeTarget(Drive.Values("SCSITargetId")));
}

}  // namespace

void GetCdromDrives(const IpfqServPtr& Serv, plat::TStrings& List) {
  WmiQuery(Serv, "Win32_CDROMDrive", "DeviceID", "", List);
}

void GetModems(const IpfqServPtr& Serv, plat::TStrings& List) {
  WmiQuery(Serv, "Win32_POTSModem", "DeviceID", "", List);
}

void GetBaseBoard(const IpfqServPtr& Serv, plat::TStrings& List) { WmiQuery(Serv, "Win32_BaseBoard", "Tag", "", List); }

void GetSoundDevices(const IpfqServPtr& Serv, plat::TStrings& List) {
  WmiQuery(Serv, "Win32_SoundDevice", "DeviceID", "", List);
  NumberDevices(List);
}

void GetVideoControllers(const IpfqServPtr& Serv, plat::TStrings& List) {
  WmiQuery(Serv, "Win32_VideoController", "DeviceID", "", List);
  NumberDevices(List);
}

void GetOperatingSystem(const IpfqServPtr& Serv, plat::TStrings& List) {
  List.Clear();
  WmiQuery(Serv, "Win32_OperatingSystem", "Name", "", List);
  // The first line must be an instance: a query whose instances all lacked
  // their name leaves only "amount=", which holds no system to show.
  if (List.Count() > 0 && IsInstanceLine(List, 0) && !List.ValueFromIndex(0).empty() &&
      GetListInt(&List, "amount", 0) > 0) {
    plat::TStringList system;
    system.SetCommaText(List.ValueFromIndex(0));
    if (plat::IsTabletPCEdition()) {
      system.SetValues("Caption", "Windows XP Tablet PC edition");
      List.SetValueFromIndex(0, system.CommaText());
    } else if (plat::IsMediaCenterEdition()) {
      system.SetValues("Caption", "Windows XP Media Center Edition");
      List.SetValueFromIndex(0, system.CommaText());
    }
    return;
  }
  List.Clear();
  plat::TStringList system;
  system.Add("nocache=true");
  WmiGetObject(Serv, "Win32_OperatingSystem=@", system);
  List.Add("@=" + system.CommaText());
  List.Add("amount=1");
}

void GetHardDrives(const IpfqServPtr& Serv, plat::TStrings& List) {
  const bool usb = TakeBooleanOption(List, "USB");
  const bool fixed = TakeBooleanOption(List, "Fixed");
  WmiQueryAll(Serv, "Win32_DiskDrive", HardDriveWhere(usb, fixed), List);
  RewriteInstances(List, [](plat::TStrings& Drive, int) { RewriteHardDrive(Drive); });
}

}  // namespace zorbit
