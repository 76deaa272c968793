#pragma once
// The WMI classes the System Info window shows, each as a multi-instance list
// ("@=" lines, then "amount="). The callers' options ("nocache", and "USB" and
// "Fixed" for the hard drives) go into List before the call.
#include "service/LVQIntf.h"

namespace plat {
class TStrings;
}

namespace zorbit {

void GetCdromDrives(const IpfqServPtr& Serv, plat::TStrings& List);
void GetModems(const IpfqServPtr& Serv, plat::TStrings& List);
void GetBaseBoard(const IpfqServPtr& Serv, plat::TStrings& List);
// Each instance gets "ItemNo=Device " and its position from 0.
void GetSoundDevices(const IpfqServPtr& Serv, plat::TStrings& List);
void GetVideoControllers(const IpfqServPtr& Serv, plat::TStrings& List);
// The operating system, with the Tablet PC and Media Center editions named;
// when the query gives nothing, the service's default object.
void GetOperatingSystem(const IpfqServPtr& Serv, plat::TStrings& List);
// The disk drives; without "USB" drives on USB and 1394 buses are left out,
// with "Fixed" only fixed disks are asked for. Each drive gets "ItemNo",
// "CurSize" (the raw byte count), "Size" as a text with its unit, "IDEPort"
// and "IDETarget".
void GetHardDrives(const IpfqServPtr& Serv, plat::TStrings& List);

}  // namespace zorbit
