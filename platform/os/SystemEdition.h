#pragma once
// Which special edition of the system is installed. The platform keeps this as
// the value "Installed" (a non-zero number) under HKEY_LOCAL_MACHINE
// "\System\WPA\TabletPC" or "\System\WPA\MediaCenter"; the system metrics
// SM_TABLETPC and SM_MEDIACENTER report the same.
namespace plat {

bool IsTabletPCEdition();
bool IsMediaCenterEdition();

}  // namespace plat
