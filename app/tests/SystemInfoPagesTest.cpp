// The System Info pages read from the real stand-in service, with its
// default machine, its awkward one and machines written for a case, and
// the pages' report text.
#include "app/SystemInfoPages.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "StandInWindowTest.h"
#include "app/StringTable.h"
#include "app/SystemInfoReport.h"
#include "platform/rtl/StringList.h"
#include "service/tcpClient.h"
#include "testing/FileContent.h"
#include "testing/ProjectPaths.h"
#include "testing/TempFolder.h"

namespace {

using namespace apptest;
using namespace zorbit;

using TRows = std::vector<std::pair<std::string, std::string>>;

TRows RowsOf(const TInfoGroup& Group) {
  TRows rows;
  for (const TInfoRow& row : Group.Rows) rows.emplace_back(row.Name, row.Value);
  return rows;
}

std::vector<std::string> NamesOf(const TInfoPage& Page) {
  std::vector<std::string> names;
  for (const TInfoGroup& group : Page.Groups)
    for (const TInfoRow& row : group.Rows) names.push_back(row.Name);
  return names;
}

std::string ValueOf(const TInfoPage& Page, const std::string& Name) {
  for (const TInfoGroup& group : Page.Groups)
    for (const TInfoRow& row : group.Rows)
      if (row.Name == Name) return row.Value;
  ADD_FAILURE() << "no row " << Name;
  return {};
}

class SystemInfoPagesTest : public StandInWindowTest {
 protected:
  void StartDefault(const std::string& Tag = "INV-0042") {
    StartService(nlohmann::json{{"asset_tag", Tag}}.dump());
  }
  void StartAwkward() {
    StartService("{}", {"--profile", zorbit::testing::SourcePath("tools/mgmtsvc/profiles/awkward.json")});
  }
  // A machine of its own: the profile's entries as JSON.
  void StartMachine(const nlohmann::json& Entries) {
    const std::string profile = FMachines.File("profile.json");
    zorbit::testing::WriteFileContent(profile, nlohmann::json{{"entries", Entries}}.dump());
    StartService("{}", {"--profile", profile});
  }
  // One of the machines modelled on real ones' tables.
  void StartMachineFile(const std::string& Name) {
    StartService("{}", {"--profile", zorbit::testing::SourcePath("app/tests/data/machines/" + Name + ".json")});
  }
  static nlohmann::json Structures(const std::string& Name, const std::vector<nlohmann::json>& Replies, int FirstHandle) {
    nlohmann::json entries = nlohmann::json::array();
    std::string handles;
    for (std::size_t i = 0; i < Replies.size(); ++i) {
      const std::string handle = std::to_string(FirstHandle + static_cast<int>(i));
      handles += (i ? "," : "") + handle;
      entries.push_back({{"module", "smbios"}, {"item", Name}, {"request", {{"HandleID", handle}}}, {"reply", Replies[i]}});
    }
    entries.push_back({{"module", "smbios_sub"}, {"item", Name}, {"reply", handles}});
    return entries;
  }

  zorbit::testing::TTempFolder FMachines{"zorbit-machines"};
};

TEST_F(SystemInfoPagesTest, SummaryOfTheDefaultMachine) {
  StartDefault();
  plat::String tag;
  const TInfoPage page = SummaryPage(ServLink(), SerialPortHidden(ServLink()), tag);
  EXPECT_FALSE(page.Grouped);
  const std::vector<std::string> names{"Product Name", "Operating System", "Processor", "Total Memory",
                                       "Video Memory", "Hard Disk 1",      "CD/DVD1",   "Serial Port",
                                       "Infrared",     "Parallel Port",    "UUID",      "Asset Tag"};
  EXPECT_EQ(NamesOf(page), names);
  EXPECT_EQ(ValueOf(page, "Product Name"), "Roamline K510  ");
  EXPECT_EQ(ValueOf(page, "Operating System"), "Microsoft Windows XP Professional 5.1.2600 Service Pack 2  ");
  EXPECT_EQ(ValueOf(page, "Total Memory"), "2048 MB  ");
  EXPECT_EQ(ValueOf(page, "Video Memory"), "128 MB  ");
  EXPECT_EQ(ValueOf(page, "Hard Disk 1"), "111.79 GB IDE Channel 0 Master OVRA HD120-SATA  ");
  EXPECT_EQ(ValueOf(page, "CD/DVD1"), "OVRA DVD-RW DW-850S  ");
  EXPECT_EQ(ValueOf(page, "UUID"), "4C4C4544-0042-3510-8031-B4C04F4B3132  ");
  EXPECT_EQ(ValueOf(page, "Asset Tag"), "INV-0042  ");
  EXPECT_EQ(tag, "INV-0042");
}

TEST_F(SystemInfoPagesTest, SummaryOfTheAwkwardMachine) {
  StartAwkward();
  // Its board is the one model whose serial port is not shown.
  EXPECT_TRUE(SerialPortHidden(ServLink()));
  plat::String tag;
  const TInfoPage page = SummaryPage(ServLink(), true, tag);
  const std::vector<std::string> names = NamesOf(page);
  EXPECT_EQ(std::count(names.begin(), names.end(), "Serial Port"), 0);
  // A service pack of 0 is none; four gigabytes of video memory are not wrapped to 0.
  EXPECT_EQ(ValueOf(page, "Operating System"), "Microsoft Windows XP Home Edition 5.1.2600   ");
  EXPECT_EQ(ValueOf(page, "Video Memory"), "4096 MB  ");
  // Drive 1 is on IDE; the USB and 1394 drives keep their numbers but show no row.
  EXPECT_TRUE(ValueOf(page, "Hard Disk 1").ends_with("OVRA 2TB SATA  "));
  EXPECT_EQ(std::count_if(names.begin(), names.end(), [](const std::string& n) { return n.starts_with("Hard Disk"); }),
            1);
  EXPECT_EQ(ValueOf(page, "CD/DVD1"), "Drive with odd key  ");
}

TEST_F(SystemInfoPagesTest, HardDisksKeepTheirPlaceNumbers) {
  StartMachine({{{"module", "WMI"},
                 {"item", ""},
                 {"request", {{"query", "Select * FROM Win32_DiskDrive "}}},
                 {"reply",
                  {{{"Index", 0}, {"Model", "First"}, {"InterfaceType", "IDE"}},
                   {{"Index", 1}, {"Model", "Stick"}, {"InterfaceType", "USB"}},
                   {{"Index", 2}, {"Model", "Third"}, {"InterfaceType", "SCSI"}}}}}});
  plat::String tag;
  const std::vector<std::string> names = NamesOf(SummaryPage(ServLink(), true, tag));
  EXPECT_EQ(std::count(names.begin(), names.end(), "Hard Disk 1"), 1);
  EXPECT_EQ(std::count(names.begin(), names.end(), "Hard Disk 2"), 0);
  EXPECT_EQ(std::count(names.begin(), names.end(), "Hard Disk 3"), 1);
}

TEST_F(SystemInfoPagesTest, TheSerialPortShowsOnlyOnTheOneModel) {
  const struct {
    const char* Model;
    const char* Board;
    bool Hidden;
  } cases[] = {{" ROAMLINE k510 ", "Heron3X", false}, {"Roamline K510", " heron4x ", true}, {"Roamline K520", "Heron3X", true}};
  for (const auto& c : cases) {
    nlohmann::json entries = Structures("System", {{{"Model", c.Model}}}, 1);
    for (const auto& entry : Structures("Baseboard", {{{"ProductName", c.Board}}}, 2)) entries.push_back(entry);
    StartMachine(entries);
    EXPECT_EQ(SerialPortHidden(ServLink()), c.Hidden) << c.Model << " / " << c.Board;
  }
}

TEST_F(SystemInfoPagesTest, ProcessorPages) {
  StartDefault();
  const TInfoPage page = ProcessorPage(ServLink());
  EXPECT_TRUE(ValueOf(page, "Processor").starts_with("Intel(R) Core(TM)2 CPU T7200 @ 2.00GHz"));
  EXPECT_EQ(ValueOf(page, "Stepping"), "6  ");
  EXPECT_EQ(ValueOf(page, "External Clock"), "166 MHz  ");
  const std::vector<std::string> names = NamesOf(page);
  EXPECT_EQ(names.back(), "External Clock");
  StartAwkward();
  EXPECT_EQ(ValueOf(ProcessorPage(ServLink()), "Stepping"), "5  ");
}

TEST_F(SystemInfoPagesTest, SteppingComesFromTheSecondDoubleWordOnly) {
  const struct {
    const char* Id;
    int Stepping;
  } cases[] = {{"BFEBFBFF000006F6", 6}, {"BFEBFBFF00000F65", 5}, {"BFEB", 0}, {"BFEBFBFF00000F6", 0},
               {"", 0},                {"BFEBFBFF0000XYZ5", 0}, {"BFEBFBFF000006F6FF", 6}};
  for (const auto& c : cases) EXPECT_EQ(ProcessorStepping(c.Id), c.Stepping) << c.Id;
}

TEST_F(SystemInfoPagesTest, MotherboardAndBios) {
  StartDefault();
  const TInfoPage page = MotherboardAndBiosPage(ServLink());
  ASSERT_TRUE(page.Grouped);
  ASSERT_EQ(page.Groups.size(), 2u);
  EXPECT_EQ(page.Groups[0].Caption, "Motherboard");
  EXPECT_EQ(RowsOf(page.Groups[0]), (TRows{{"Serial Number", "HB3X0042118"}}));
  EXPECT_EQ(page.Groups[1].Caption, "BIOS");
  const TRows bios = RowsOf(page.Groups[1]);
  ASSERT_EQ(bios.size(), 3u);
  EXPECT_EQ(bios[0], (std::pair<std::string, std::string>{"Vendor", "Ovra"}));
  EXPECT_EQ(bios[1], (std::pair<std::string, std::string>{"Version", "V1.07"}));
  EXPECT_EQ(bios[2].first, "Release Date");
  EXPECT_NE(bios[2].second, "");
}

TEST_F(SystemInfoPagesTest, NetworkCardsByKind) {
  StartDefault();
  const TInfoPage page = NetworkPage(ServLink());
  ASSERT_EQ(page.Groups.size(), 3u);
  EXPECT_EQ(page.Groups[0].Caption, "Ethernet Card");
  EXPECT_EQ(page.Groups[1].Caption, "Wireless LAN Card");
  EXPECT_EQ(page.Groups[2].Caption, "Modem Card");
  const TRows wired = RowsOf(page.Groups[0]);
  const TRows expectedWired{{"Description", "Ovra Gigabit Ethernet Controller  "},
                            {"Driver Version", "8.4.12.1  "},
                            {"MAC Address", "00-1B-38-4A-21-7C  "},
                            {"Firmware Version", "1.2  "},
                            {"Link Speed", "100 Mbps  "},
                            {"Connected", "Connected  "},
                            {"DHCP Enabled", "Yes  "},
                            {"IP Address", "192.168.1.23  "},
                            {"Subnet Mask", "255.255.255.0  "},
                            {"Default Gateway", "192.168.1.1  "}};
  EXPECT_EQ(wired, expectedWired);
  // Not connected: no speed and no addresses.
  const TRows wireless = RowsOf(page.Groups[1]);
  ASSERT_EQ(wireless.size(), 7u);
  EXPECT_EQ(wireless[4], (std::pair<std::string, std::string>{"Link Speed", "N/A  "}));
  EXPECT_EQ(RowsOf(page.Groups[2]), (TRows{{"Description", "Ovra HDA Soft Modem  "}}));
}

TEST_F(SystemInfoPagesTest, AwkwardNetworkCards) {
  StartAwkward();
  const TInfoPage page = NetworkPage(ServLink());
  ASSERT_EQ(page.Groups.size(), 3u);
  // The DSL modem joins the wired card after an empty row; the 1394 and
  // untyped adapters are in no group; the modem query never answers.
  const TRows wired = RowsOf(page.Groups[0]);
  ASSERT_EQ(wired.size(), 10u + 1u + 10u);
  EXPECT_EQ(wired[0].second, "Ovra Gigabit, \"Dual\" Port  ");
  EXPECT_EQ(wired[4].second, "1 Gbps  ");
  EXPECT_EQ(wired[10], (std::pair<std::string, std::string>{}));
  EXPECT_EQ(wired[11].second, "Ovra DSL Modem  ");
  EXPECT_EQ(RowsOf(page.Groups[1]).front().second, "Ovra Bluetooth PAN  ");
  EXPECT_TRUE(page.Groups[2].Rows.empty());
}

TEST_F(SystemInfoPagesTest, MemoryFromTheDevices) {
  StartDefault();
  const TRows rows = RowsOf(MemoryPage(ServLink()).Groups[0]);
  ASSERT_EQ(rows.size(), 6u);
  EXPECT_EQ(rows[0], (std::pair<std::string, std::string>{"Current Memory", "2048 MB  "}));
  // The array's capacity is the whole array's, not one slot's.
  EXPECT_EQ(rows[1], (std::pair<std::string, std::string>{"Maximum Memory Size", "4 GB  "}));
  EXPECT_EQ(rows[3], (std::pair<std::string, std::string>{"Memory Slots", "2  "}));
  EXPECT_EQ(rows[4].first, "Slot 1");
  EXPECT_EQ(rows[5].first, "Slot 2");
}

TEST_F(SystemInfoPagesTest, MemoryOfTodaysMachines) {
  const struct {
    const char* Machine;
    TRows Head;  // current, maximum, types, slots
    std::vector<std::string> Slots;
  } cases[] = {
      {"laptop-2023",
       {{"Current Memory", "16384 MB  "},
        {"Maximum Memory Size", "64 GB  "},
        {"Supported Types", "LPDDR5  "},
        {"Memory Slots", "8  "}},
       std::vector<std::string>(8, "2048 MB  ")},
      {"desktop-2021",
       {{"Current Memory", "32768 MB  "},
        {"Maximum Memory Size", "128 GB  "},
        {"Supported Types", "DDR4  "},
        {"Memory Slots", "4  "}},
       {"16384 MB  ", "No Module Installed  ", "16384 MB  ", "No Module Installed  "}},
      // Two arrays of 4 TB each and 64 GB modules, all in the extended fields.
      {"server-2socket",
       {{"Current Memory", "524288 MB  "},
        {"Maximum Memory Size", "8192 GB  "},
        {"Supported Types", "DDR5  "},
        {"Memory Slots", "16  "}},
       {"65536 MB  ", "No Module Installed  ", "65536 MB  ", "No Module Installed  ", "65536 MB  ",
        "No Module Installed  ", "65536 MB  ", "No Module Installed  ", "65536 MB  ", "No Module Installed  ",
        "65536 MB  ", "No Module Installed  ", "65536 MB  ", "No Module Installed  ", "65536 MB  ",
        "No Module Installed  "}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.Machine);
    StartMachineFile(c.Machine);
    const TRows rows = RowsOf(MemoryPage(ServLink()).Groups[0]);
    ASSERT_EQ(rows.size(), c.Head.size() + c.Slots.size());
    EXPECT_EQ(TRows(rows.begin(), rows.begin() + 4), c.Head);
    for (std::size_t i = 0; i < c.Slots.size(); ++i) {
      EXPECT_EQ(rows[4 + i].first, "Slot " + std::to_string(i + 1));
      EXPECT_EQ(rows[4 + i].second, c.Slots[i]) << i;
    }
  }
}

TEST_F(SystemInfoPagesTest, ProcessorOfTodaysMachines) {
  const struct {
    const char* Machine;
    const char* Processor;
    const char* BusSpeed;
  } cases[] = {
      {"laptop-2023", "13th Gen Intel(R) Core(TM) i7-1360P", "100 MHz  "},
      {"desktop-2021", "AMD Ryzen 7 5800X 8-Core Processor", "100 MHz  "},
      {"server-2socket", "Intel(R) Xeon(R) Gold 6430", "100 MHz  "},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.Machine);
    StartMachineFile(c.Machine);
    const TInfoPage page = ProcessorPage(ServLink());
    EXPECT_TRUE(ValueOf(page, "Processor").starts_with(c.Processor)) << ValueOf(page, "Processor");
    EXPECT_EQ(ValueOf(page, "Bus Speed"), c.BusSpeed);
  }
}

TEST_F(SystemInfoPagesTest, TheMaximumIsTheSumOfTheArraysCapacities) {
  const auto array = [](const char* Capacity, const char* Extended, const char* Devices) {
    nlohmann::json reply{{"MaximumCapacity", Capacity}, {"NumberOfMemoryDevices", Devices}};
    if (*Extended) reply["ExtendedMaximumCapacity"] = Extended;
    return reply;
  };
  const struct {
    const char* Name;
    std::vector<nlohmann::json> Arrays;
    const char* Maximum;
    const char* Slots;
  } cases[] = {
      {"32 GB and 4 TB", {array("33554432", "", "2"), array("0x80000000", "4398046511104", "8")}, "4128 GB  ", "10  "},
      {"KB and MB", {array("1536", "", "1"), array("1024", "", "1")}, "2560 KB  ", "2  "},
      {"four arrays of three slots", std::vector<nlohmann::json>(4, array("16777216", "", "3")), "64 GB  ", "12  "},
      // One array that cannot tell leaves the whole unknown.
      {"extended 0", {array("33554432", "", "2"), array("0x80000000", "0", "2")}, "Unknown  ", "4  "},
      {"no extended field", {array("0x80000000", "", "4")}, "Unknown  ", "4  "},
      {"past 64 bits", {array("0x80000000", "0xFFFFFFFFFFFFFC00", "1"), array("1", "", "1")}, "Unknown  ", "2  "},
      {"no array", {}, "0 GB  ", "0  "},
      // Each count is a word.
      {"wild counts", {array("1048576", "", "0x10002"), array("1048576", "", "65535")}, "2 GB  ", "65537  "},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.Name);
    nlohmann::json entries = Structures("Memory Device", {{{"Size", "1024"}, {"MemoryType", "0x1A"}}}, 1);
    for (const auto& entry : Structures("Physical Memory Array", c.Arrays, 10)) entries.push_back(entry);
    StartMachine(entries);
    const TRows rows = RowsOf(MemoryPage(ServLink()).Groups[0]);
    ASSERT_EQ(rows.size(), 5u);
    EXPECT_EQ(rows[1], (std::pair<std::string, std::string>{"Maximum Memory Size", c.Maximum}));
    EXPECT_EQ(rows[2], (std::pair<std::string, std::string>{"Supported Types", "DDR4  "}));
    EXPECT_EQ(rows[3], (std::pair<std::string, std::string>{"Memory Slots", c.Slots}));
  }
}

TEST_F(SystemInfoPagesTest, AnArrayOfUnknownCapacityIsSaidToBeUnknown) {
  StartAwkward();
  EXPECT_EQ(ValueOf(MemoryPage(ServLink()), "Maximum Memory Size"), "Unknown  ");
}

TEST_F(SystemInfoPagesTest, MemoryFromTheModulesSumsBeyondThirtyTwoBits) {
  // No device with a size: the controller and its modules count. Modules of
  // 2^31 MB in four slots make 2^33 MB, which no 32-bit sum holds.
  nlohmann::json entries = Structures("Memory Controller",
                                      {{{"MaximumMemoryModuleSize", "31"}, {"SupportedMemoryTypes", "1280"},
                                        {"NumberOfMemorySlot", "4"}}},
                                      1);
  for (const auto& entry : Structures("Memory Module", {{{"InstalledSize", "10"}}, {{"InstalledSize", "0x7F"}}}, 5))
    entries.push_back(entry);
  StartMachine(entries);
  const TRows rows = RowsOf(MemoryPage(ServLink()).Groups[0]);
  ASSERT_EQ(rows.size(), 6u);
  EXPECT_EQ(rows[0], (std::pair<std::string, std::string>{"Current Memory", "1024 MB  "}));
  EXPECT_EQ(rows[1], (std::pair<std::string, std::string>{"Maximum Memory Size", "8589934592 MB  "}));
  EXPECT_EQ(rows[3], (std::pair<std::string, std::string>{"Memory Slots", "4  "}));
}

TEST_F(SystemInfoPagesTest, ASlotCaptionWithOtherPlaceholdersCannotFail) {
  const std::string table = FMachines.File("strtab_Slots.ini");
  zorbit::testing::WriteFileContent(table, "[ZorbitFormComponent]\nSlot %d=Bank %s of %d\n");
  StringTable()->LoadFromIni(table);
  StartDefault();
  const TRows rows = RowsOf(MemoryPage(ServLink()).Groups[0]);
  ASSERT_EQ(rows.size(), 6u);
  EXPECT_EQ(rows[4].first, "Bank %s of 1");
  EXPECT_EQ(rows[5].first, "Bank %s of 2");
}

TEST_F(SystemInfoPagesTest, NoMemoryPageWithoutDevicesOrController) {
  StartMachine(nlohmann::json::array());
  EXPECT_TRUE(MemoryPage(ServLink()).Groups[0].Rows.empty());
}

TEST_F(SystemInfoPagesTest, VideoAndAudio) {
  StartAwkward();
  const TInfoPage video = VideoPage(ServLink(), {1280, 800, 60, 32});
  const TRows rows = RowsOf(video.Groups[0]);
  const TRows expected{{"Device Name", "Ovra Mirror Driver  "},
                       {"RAM Size", "4096 MB  "},
                       {"Screen Resolution", "1280 X 800  "},
                       {"Color Quality", "32 bits  "}};
  EXPECT_EQ(rows, expected);
  EXPECT_EQ(RowsOf(AudioPage(ServLink()).Groups[0]),
            (TRows{{"Device Name", "First audio  "}, {"Device Name", "Second audio  "}}));
}

TEST_F(SystemInfoPagesTest, PickValueTakesTheFirstInstanceThatHasTheValue) {
  plat::TStringList list;
  list.Add("@=Name=A");
  list.Add("@=Name=B,AdapterRAM=5");
  list.Add("amount=2");
  EXPECT_EQ(PickValue(list, "Name"), "A");
  EXPECT_EQ(PickValue(list, "AdapterRAM"), "5");
  EXPECT_EQ(PickValue(list, "Missing"), "");
  plat::TStringList plain;
  plain.Add("Name=Plain");
  EXPECT_EQ(PickValue(plain, "Name"), "Plain");
  EXPECT_EQ(PickValue(plat::TStringList(), "Name"), "");
}

TEST(SystemInfoReport, AlignsEachListToItsLongestCaption) {
  TInfoPage plain;
  plain.Groups.push_back({"", {{"Processor", "T7200"}, {"L1", "32 KB"}}});
  plat::TStringList report;
  WritePageReport(plain, "======", report);
  EXPECT_EQ(report.Text(), "Processor  T7200\r\nL1         32 KB\r\n\r\n");

  TInfoPage grouped;
  grouped.Grouped = true;
  grouped.Groups.push_back({"Motherboard", {{"Serial Number", "X1"}}});
  grouped.Groups.push_back({"BIOS", {{"Vendor", "Ovra"}, {}, {"Release Date", "3/14/2007"}, {"Größe", "1"}}});
  report.Clear();
  WritePageReport(grouped, "******", report);
  EXPECT_EQ(report.Text(),
            "****** Motherboard ******\r\nSerial Number  X1\r\n\r\n"
            "****** BIOS ******\r\nVendor        Ovra\r\n\r\nRelease Date  3/14/2007\r\nGröße         1\r\n\r\n");
}

TEST_F(SystemInfoPagesTest, TheReportOfAllPagesHasEveryPageInOrder) {
  StartDefault();
  plat::TStringList report;
  WriteAllPagesReport(ServLink(), {1024, 768, 60, 32}, false, report);
  std::vector<std::string> headings;
  for (int i = 0; i < report.Count(); ++i)
    if (report.Strings(i).starts_with("======") || report.Strings(i).starts_with("******"))
      headings.push_back(report.Strings(i));
  const std::vector<std::string> expected{
      "====== Summary ======",       "====== Processor ======", "====== Motherboard ======",
      "====== BIOS ======",          "====== Network ======",   "****** Ethernet Card ******",
      "****** Wireless LAN Card ******", "****** Modem Card ******", "====== Memory ======",
      "====== Video ======",         "====== Audio ======"};
  EXPECT_EQ(headings, expected);
  // The Motherboard's list ends with its own empty line; the others get one more.
  const int bios = report.IndexOf("====== BIOS ======");
  ASSERT_GT(bios, 1);
  EXPECT_EQ(report.Strings(bios - 1), "");
  EXPECT_NE(report.Strings(bios - 2), "");
  EXPECT_EQ(report.Strings(report.Count() - 1), "");
  EXPECT_EQ(report.Strings(report.Count() - 2), "");
  EXPECT_EQ(report.Strings(report.Count() - 3), "");
}

}  // namespace
