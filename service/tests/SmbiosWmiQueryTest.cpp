// The SMBIOS and WMI builders against the real stand-in service: the shipped
// notebook and awkward profiles, and small profiles whose entries answer only
// the exact request texts the builders must send.
#include <gtest/gtest.h>

#include "platform/os/Registry.h"
#include "service/InfoQuery.h"
#include "service/SmbiosInfo.h"
#include "service/WmiClasses.h"
#include "service/WmiInfo.h"
#include "service/tests/HardwareTestSupport.h"

namespace zorbit::testing {
namespace {

using Strings = std::vector<std::string>;
using Json = nlohmann::json;

class SmbiosQueryTest : public StandInTest {};

TEST_F(SmbiosQueryTest, ReleaseDateIsShownInTheUsersDateFormat) {
  Start("");
  for (const auto& [settings, expected] : {std::pair{plat::TFormatSettings::English(), "3/14/2007"},
                                           std::pair{plat::TFormatSettings::German(), "14.03.2007"}}) {
    TLocaleScope locale(settings);
    plat::TStringList bios;
    bios.Add("replaced");
    GetBiosStructure(Serv, bios);
    EXPECT_EQ(Items(bios), (Strings{"Vendor=Ovra", "Version=V1.07", "ReleaseDate=" + std::string(expected)}));
  }
}

TEST_F(SmbiosQueryTest, ReleaseDatesTheFirmwareMightWrite) {
  TLocaleScope locale(plat::TFormatSettings::German());
  const std::pair<std::string, std::string> cases[] = {
      {"12/31/1999", "31.12.1999"}, {" 7/4/9 ", "04.07.2009"},     // trimmed; a short year is in this century
      {"02/29/08", "29.02.2008"},   {"02/30/2008", "02/30/2008"},  // no such day: kept as it came
      {"2008-02-01", "2008-02-01"}, {"31/12/1999", "31/12/1999"},
  };
  for (const auto& [given, shown] : cases) {
    StartWith(Json::array({{{"module", "smbios_sub"}, {"item", "BIOS"}, {"reply", "0"}},
                           ExactEntry("smbios", "BIOS", "HandleID=0", {{"ReleaseDate", given}})}));
    plat::TStringList bios;
    GetBiosStructure(Serv, bios);
    EXPECT_EQ(bios.Values("ReleaseDate"), shown) << given;
  }
}

TEST_F(SmbiosQueryTest, EmptyHandlesAreNeitherAskedNorCounted) {
  Start(ShippedProfile("awkward.json"));
  plat::TStringList bios;
  GetBiosStructure(Serv, bios);  // handles ",3": the first one names no structure
  EXPECT_EQ(bios.Values("Vendor"), "Ovra, \"Labs\"");

  plat::TStringList devices;
  devices.Add("kept=1");
  GetSmbiosStructures(Serv, "Memory Device", devices);  // handles ",16,,17,18,"
  EXPECT_EQ(Items(devices), (Strings{"kept=1", R"(@=DeviceLocator=A,Size=0x8400,MemoryType=21)",
                                     R"(@=DeviceLocator=B,Size=0,MemoryType=2)",
                                     R"(@=DeviceLocator=C,Size=65535,MemoryType=20)", "amount=3"}));
}

TEST_F(SmbiosQueryTest, AStructureWithoutHandles) {
  Start("");
  plat::TStringList one;
  one.Add("stale=1");
  GetSmbiosStructure(Serv, "Cache", one);
  EXPECT_EQ(one.Count(), 0);

  plat::TStringList all;
  all.Add("stale=1");
  GetSmbiosStructures(Serv, "Cache", all);
  EXPECT_EQ(Items(all), (Strings{"stale=1", "amount=0"}));
}

TEST_F(SmbiosQueryTest, SystemAndMemoryOfTheNotebook) {
  Start("");
  plat::TStringList system;
  GetSystemStructure(Serv, system);
  EXPECT_EQ(system.Values("Model"), "Roamline K510");
  EXPECT_EQ(system.Values("UUID"), "4C4C4544-0042-3510-8031-B4C04F4B3132");

  plat::TStringList devices;
  GetSmbiosStructures(Serv, "Memory Device", devices);
  EXPECT_EQ(InstanceValues(devices, "Size"), (Strings{"1024", "1024"}));
  EXPECT_EQ(devices.Values("amount"), "2");
  for (const char* name : {"Memory Controller", "Memory Module", "Physical Memory Array", "Baseboard", "Processor"}) {
    plat::TStringList structures;
    GetSmbiosStructures(Serv, name, structures);
    EXPECT_GE(structures.Count(), 2) << name;
  }
}

TEST_F(SmbiosQueryTest, WithoutAServiceEverythingIsEmpty) {
  plat::TStringList list;
  list.Add("stale=1");
  GetSmbiosStructure(nullptr, "BIOS", list);
  EXPECT_EQ(list.Count(), 0);
  GetSmbiosStructures(nullptr, "BIOS", list);
  EXPECT_EQ(Items(list), Strings{"amount=0"});
}

class WmiQueryTest : public StandInTest {};

TEST_F(WmiQueryTest, KeysGoIntoQuotedObjectPathsWithEscapes) {
  Start(ShippedProfile("awkward.json"));
  plat::TStringList drives;
  GetCdromDrives(Serv, drives);
  // Four instances answer the query: one without a key (nothing added), one
  // whose object still answers "Retry" after three sends (an empty instance).
  ASSERT_EQ(drives.Count(), 4);
  EXPECT_EQ(InstanceValue(drives, 0, "Name"), "Drive with odd key");
  EXPECT_EQ(InstanceValue(drives, 0, "DeviceID"), R"(IDE\CDROM\\Twice\5&"Q"&0)");
  EXPECT_EQ(drives.Strings(1), "@=");
  EXPECT_EQ(InstanceValue(drives, 2, "Name"), R"(USB, "external" writer)");
  EXPECT_EQ(drives.Strings(3), "amount=4");
}

TEST_F(WmiQueryTest, ExactRequestTextsAndNocachePlacement) {
  // Each entry answers only its exact request text.
  const Json entries = Json::array({
      ExactEntry("WMI", "", R"("query=Select DeviceID FROM Win32_CDROMDrive ",wmikey=DeviceID,nocache=true)",
                 Json::array({{{"DeviceID", R"(A\B)"}}})),
      ExactEntry("WMI", "", R"(nocache=true,"driver=Win32_CDROMDrive.DeviceID=""A\\B""")", {{"Name", "fresh"}}),
      ExactEntry("WMI", "", R"("query=Select DeviceID FROM Win32_CDROMDrive ",wmikey=DeviceID)",
                 Json::array({{{"DeviceID", R"(A\B)"}}})),
      ExactEntry("WMI", "", R"("driver=Win32_CDROMDrive.DeviceID=""A\\B""")", {{"Name", "cached"}}),
      ExactEntry("WMI", "", R"("query=Select * FROM Win32_DiskDrive ",nocache=true)",
                 Json::array({{{"Model", "fresh disk"}}})),
      ExactEntry("WMI", "", R"("query=Select * FROM Win32_DiskDrive where MediaType = ""Fixed hard disk media""")",
                 Json::array({{{"Model", "cached disk"}}})),
      ExactEntry("WMI", "", R"("query=Select Name FROM Win32_OperatingSystem ",wmikey=Name)", ""),
      ExactEntry("WMI", "", "nocache=true,driver=Win32_OperatingSystem=@", {{"Caption", "default system"}}),
  });
  StartWith(entries);

  plat::TStringList fresh;
  fresh.Add("nocache=true");
  GetCdromDrives(Serv, fresh);
  EXPECT_EQ(Items(fresh), (Strings{"@=Name=fresh", "amount=1"}));

  plat::TStringList cached;
  cached.Add("NoCache=TRUE");  // only exactly "true" asks for fresh data; the option goes either way
  GetCdromDrives(Serv, cached);
  EXPECT_EQ(Items(cached), (Strings{"@=Name=cached", "amount=1"}));

  plat::TStringList disks;
  disks.Add("USB=1");
  disks.Add("nocache=true");
  GetHardDrives(Serv, disks);
  EXPECT_EQ(InstanceValues(disks, "Model"), Strings{"fresh disk"});

  plat::TStringList fixedDisks;
  fixedDisks.Add("Fixed=True");
  fixedDisks.Add("USB=-1");
  GetHardDrives(Serv, fixedDisks);
  EXPECT_EQ(InstanceValues(fixedDisks, "Model"), Strings{"cached disk"});

  plat::TStringList system;
  GetOperatingSystem(Serv, system);
  EXPECT_EQ(Items(system), (Strings{"@=\"Caption=default system\"", "amount=1"}));
}

TEST_F(WmiQueryTest, RetryIsSentAtMostThreeTimes) {
  const std::string query = R"("query=Select DeviceID FROM Win32_POTSModem ",wmikey=DeviceID)";
  for (const auto& [retries, expected] :
       {std::pair{2, Strings{"@=DeviceID=M1,Name=Modem", "amount=1"}}, std::pair{3, Strings{"amount=0"}}}) {
    Json queryEntry = ExactEntry("WMI", "", query, Json::array({{{"DeviceID", "M1"}}}));
    queryEntry["retries"] = retries;
    const Json objectEntry = {{"module", "WMI"},
                              {"request", {{"driver", R"(Win32_POTSModem.DeviceID="M1")"}}},
                              {"reply", {{"DeviceID", "M1"}, {"Name", "Modem"}}}};
    StartWith(Json::array({queryEntry, objectEntry}));
    plat::TStringList modems;
    GetModems(Serv, modems);
    EXPECT_EQ(Items(modems), expected) << retries << " retries";
    // The third send was the last: the next one is answered.
    plat::WideString params = u"\"query=Select DeviceID FROM Win32_POTSModem \",wmikey=DeviceID";
    Serv->GetInfo(u"WMI", u"", params);
    EXPECT_EQ(params, u"DeviceID=M1");
  }
}

TEST_F(WmiQueryTest, ObjectsAndQueriesThatNeverStopRetrying) {
  Start(ShippedProfile("awkward.json"));
  plat::TStringList modems;
  GetModems(Serv, modems);
  EXPECT_EQ(Items(modems), Strings{"amount=0"});

  plat::TStringList object;
  object.Add("nocache=true");
  WmiGetObject(Serv, R"(Win32_CDROMDrive.DeviceID="SCSI\\CDROM&VEN_OVRA\\Busy")", object);
  EXPECT_EQ(object.Count(), 0);
}

TEST_F(WmiQueryTest, QueryAllNormalisesEachInstance) {
  // Each item of the reply is an instance's comma text, written as the service likes.
  StartWith(Json::array({ExactEntry("WMI", "", R"("query=Select * FROM Win32_Fan ")",
                                    Json::array({R"( Speed=1 , "Name=Fan")", R"("Name=Fan, 2")", ""}))}));
  plat::TStringList fans;
  WmiQueryAll(Serv, "Win32_Fan", "", fans);
  EXPECT_EQ(Items(fans), (Strings{"@=Speed=1,Name=Fan", R"(@="Name=Fan, 2")", "@=", "amount=3"}));
}

TEST_F(WmiQueryTest, DevicesAreNumberedFromZero) {
  Start(ShippedProfile("awkward.json"));
  plat::TStringList sound;
  sound.Add("nocache=true");
  GetSoundDevices(Serv, sound);  // the query is answered at its third send
  EXPECT_EQ(InstanceValues(sound, "Name"), (Strings{"First audio", "Second audio"}));
  EXPECT_EQ(InstanceValues(sound, "ItemNo"), (Strings{"Device 0", "Device 1"}));
  EXPECT_EQ(sound.Values("amount"), "2");

  plat::TStringList video;
  GetVideoControllers(Serv, video);
  EXPECT_EQ(InstanceValues(video, "ItemNo"), (Strings{"Device 0", "Device 1"}));
  EXPECT_EQ(InstanceValues(video, "AdapterRAM"), (Strings{"", "4294967296"}));
}

TEST_F(WmiQueryTest, TheNotebooksClasses) {
  Start("");
  plat::TStringList board;
  GetBaseBoard(Serv, board);
  EXPECT_EQ(InstanceValues(board, "Product"), Strings{"Heron3X"});
  plat::TStringList modems;
  GetModems(Serv, modems);
  EXPECT_EQ(InstanceValues(modems, "Name"), Strings{"Ovra HDA Soft Modem"});
  plat::TStringList drives;
  GetCdromDrives(Serv, drives);
  EXPECT_EQ(InstanceValues(drives, "Drive"), Strings{"D:"});
  plat::TStringList video;
  GetVideoControllers(Serv, video);
  EXPECT_EQ(InstanceValues(video, "AdapterRAM"), Strings{"134217728"});
}

class OperatingSystemTest : public StandInTest {
 protected:
  void InstallEdition(const char* Key) {
    plat::TRegistry registry;
    registry.SetRootKey(plat::HKEY_LOCAL_MACHINE);
    ASSERT_TRUE(registry.OpenKey(Key, true));
    registry.WriteInteger("Installed", 1);
  }
};

TEST_F(OperatingSystemTest, TheQueriedSystemAfterARetry) {
  Start("");
  plat::TStringList system;
  system.Add("stale=1");
  GetOperatingSystem(Serv, system);
  ASSERT_EQ(system.Count(), 2);
  EXPECT_EQ(InstanceValue(system, 0, "Caption"), "Microsoft Windows XP Professional");
  EXPECT_EQ(InstanceValue(system, 0, "ServicePackMajorVersion"), "2");
  EXPECT_EQ(system.Strings(1), "amount=1");
}

TEST_F(OperatingSystemTest, SpecialEditionsAreNamed) {
  Start("");
  InstallEdition("\\System\\WPA\\MediaCenter");
  plat::TStringList system;
  GetOperatingSystem(Serv, system);
  EXPECT_EQ(InstanceValue(system, 0, "Caption"), "Windows XP Media Center Edition");
  EXPECT_EQ(InstanceValue(system, 0, "Version"), "5.1.2600");

  InstallEdition("\\System\\WPA\\TabletPC");  // a Tablet PC comes first
  GetOperatingSystem(Serv, system);
  EXPECT_EQ(InstanceValue(system, 0, "Caption"), "Windows XP Tablet PC edition");
}

TEST_F(OperatingSystemTest, AQueryWithoutNamesFallsBackToTheDefaultObject) {
  Start(ShippedProfile("awkward.json"));
  plat::TStringList system;
  GetOperatingSystem(Serv, system);
  ASSERT_EQ(system.Count(), 2);
  EXPECT_EQ(InstanceValue(system, 0, "Caption"), "Microsoft Windows XP Home Edition");
  EXPECT_EQ(system.Strings(1), "amount=1");
}

class HardDriveTest : public StandInTest {};

TEST_F(HardDriveTest, TheFourWhereClauses) {
  Start(ShippedProfile("awkward.json"));
  struct Case {
    Strings Options;
    Strings Models;
  };
  const Case cases[] = {
      {{"USB=True"}, {"OVRA 2TB SATA", R"(Ovra Pocket, "USB" Disk)", "Ovra 1394 Disk"}},
      {{"usb=1", "Fixed=false"}, {"OVRA 2TB SATA", R"(Ovra Pocket, "USB" Disk)", "Ovra 1394 Disk"}},
      {{}, {"OVRA 2TB SATA", "Disk with an unreadable index"}},
      {{"USB=junk", "Fixed=0"}, {"OVRA 2TB SATA", "Disk with an unreadable index"}},
      {{"USB=TRUE", "Fixed=-1"}, {"OVRA 2TB SATA", "Ovra 1394 Disk"}},
      {{"Fixed=True"}, {}},
  };
  for (const Case& c : cases) {
    plat::TStringList drives;
    for (const std::string& option : c.Options) drives.Add(option);
    GetHardDrives(Serv, drives);
    EXPECT_EQ(InstanceValues(drives, "Model"), c.Models) << ::testing::PrintToString(c.Options);
    EXPECT_EQ(drives.Strings(drives.Count() - 1), "amount=" + std::to_string(c.Models.size()));
    EXPECT_EQ(drives.IndexOfName("USB"), -1);
    EXPECT_EQ(drives.IndexOfName("Fixed"), -1);
  }
}

TEST_F(HardDriveTest, DrivesAreRewrittenForDisplay) {
  Start(ShippedProfile("awkward.json"));
  InstallBracketLookup();
  for (const bool german : {false, true}) {
    TLocaleScope locale(german ? plat::TFormatSettings::German() : plat::TFormatSettings::English());
    plat::TStringList drives;
    drives.Add("USB=True");
    GetHardDrives(Serv, drives);
    ASSERT_EQ(drives.Count(), 4);
    // Index values 0, 2 and 5 stay with their own drives.
    EXPECT_EQ(InstanceValues(drives, "ItemNo"), (Strings{"Hard Drive 1", "Hard Drive 3", "Hard Drive 6"}));
    EXPECT_EQ(InstanceValues(drives, "CurSize"), (Strings{"2000398934016", "80026361856", ""}));
    const Strings sizes =
        german ? Strings{"1863,02 <GB>", "74,53 <GB>", ""} : Strings{"1863.02 <GB>", "74.53 <GB>", ""};
    EXPECT_EQ(InstanceValues(drives, "Size"), sizes);
    EXPECT_EQ(InstanceValues(drives, "MediaType"),
              (Strings{"Fixed hard disk media", "External hard disk media", "Fixed hard disk media"}));
    EXPECT_EQ(InstanceValues(drives, "IDEPort"), (Strings{"Channel 1", "Channel 0", "Channel "}));
    // Target 1 is the slave; -1 is shown as it came after a "-"; "n/a" cannot be read and counts as 0.
    EXPECT_EQ(InstanceValues(drives, "IDETarget"), (Strings{"Slave", "--1", "Master"}));
  }

  TLocaleScope locale(plat::TFormatSettings::English());
  plat::TStringList internal;
  GetHardDrives(Serv, internal);
  EXPECT_EQ(InstanceValues(internal, "ItemNo"), (Strings{"Hard Drive 1", "Hard Drive 1"}));
  EXPECT_EQ(InstanceValues(internal, "Size"), (Strings{"1863.02 <GB>", "1024 <Bytes>"}));
  EXPECT_EQ(InstanceValues(internal, "IDETarget"), (Strings{"Slave", "-9"}));
}

TEST_F(HardDriveTest, TheNotebooksDisks) {
  Start("");
  TLocaleScope locale(plat::TFormatSettings::English());
  plat::TStringList all;
  all.Add("USB=1");
  GetHardDrives(Serv, all);
  EXPECT_EQ(InstanceValues(all, "InterfaceType"), (Strings{"IDE", "USB"}));
  EXPECT_EQ(InstanceValues(all, "Size"), (Strings{"111.79 GB", "1.91 GB"}));
  EXPECT_EQ(InstanceValues(all, "IDETarget"), (Strings{"Master", "Master"}));
  for (const Strings& options : {Strings{}, Strings{"Fixed=1"}, Strings{"USB=1", "Fixed=1"}}) {
    plat::TStringList internal;
    for (const std::string& option : options) internal.Add(option);
    GetHardDrives(Serv, internal);
    EXPECT_EQ(InstanceValues(internal, "Model"), Strings{"OVRA HD120-SATA"}) << ::testing::PrintToString(options);
  }
}

TEST_F(HardDriveTest, WithoutAServiceThereAreNoDrives) {
  plat::TStringList drives;
  drives.Add("USB=1");
  GetHardDrives(nullptr, drives);
  EXPECT_EQ(Items(drives), Strings{"amount=0"});
}

// The network page asks the service's network monitor directly: one line per
// card, the card's description as its name and its fields as comma text.
class NetworkMonitorTest : public StandInTest {};

TEST_F(NetworkMonitorTest, CardsOfBothProfiles) {
  struct Case {
    std::string Profile;
    Strings Cards, Types;
  };
  const Case cases[] = {
      {"", {"Ovra Gigabit Ethernet Controller", "Ovra Wireless 3945ABG"}, {"Wire Lan ", "802 11 "}},
      {ShippedProfile("awkward.json"),
       {R"(Ovra Gigabit, "Dual" Port)", "1394 Net Adapter", "Ovra Bluetooth PAN", "Ovra DSL Modem", "Unknown Adapter"},
       {"Wire Lan ", "1394", "BlueTooth", "XDSL", ""}},
  };
  for (const Case& c : cases) {
    Start(c.Profile);
    plat::TStringList cards;
    cards.SetCommaText(QueryInfo(Serv, "module.netmonitor", "net.card.information", "nocache=true"));
    Strings names, types;
    for (int i = 0; i < cards.Count(); ++i) {
      names.push_back(cards.Names(i));
      plat::TStringList fields;
      fields.SetCommaText(cards.ValueFromIndex(i));
      types.push_back(fields.Values("Card Type"));
    }
    EXPECT_EQ(names, c.Cards);
    EXPECT_EQ(types, c.Types);
  }
}

}  // namespace
}  // namespace zorbit::testing
