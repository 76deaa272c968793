// The CPUID builders and the processor list against the real stand-in: the
// shipped profiles, and small profiles of one processor each for the rules
// on brand texts, cores, caches, bus speeds and sockets.
#include <gtest/gtest.h>

#include <cstdio>

#include "service/CpuidInfo.h"
#include "service/ProcessorList.h"
#include "service/tests/HardwareTestSupport.h"

namespace zorbit::testing {
namespace {

using Strings = std::vector<std::string>;
using Json = nlohmann::json;

// One processor as the service reports it. The defaults are a two-core
// processor with a shared second-level cache.
struct CpuModel {
  std::uint32_t MaxLeaf = 10;              // leaf 0 EAX
  std::uint32_t Signature = 0x000006F6;    // leaf 1 EAX: family 6, model 15, stepping 6
  std::uint32_t LogicalBits = 0x00020800;  // leaf 1 EBX: 2 logical processors
  std::uint32_t Features = 0xBFEBFBFF;     // leaf 1 EDX: bit 28 Hyper-Threading capable
  std::uint32_t CacheLeaf = 0x04000121;    // leaf 4 EAX: 2 cores
  std::vector<std::uint32_t> SubLeaves = {0x04000121, 0x04000122, 0x04004143, 0};
  std::uint32_t ExtendedCores = 0;  // leaf 0x80000008 ECX
  std::string Brand = "Intel(R) Core(TM)2 CPU T7200 @ 2.00GHz";
  int DataCache = 32, CodeCache = 32, TraceCache = 0, SecondLevel = 4096, ThirdLevel = 0;
  Json Processors = Json::array();  // SMBIOS "Processor" structures
};

std::string Hex(std::uint32_t Value) {
  char text[16];
  std::snprintf(text, sizeof text, "0x%08X", Value);
  return text;
}

Json Registers(std::uint32_t Eax, std::uint32_t Ebx = 0, std::uint32_t Ecx = 0, std::uint32_t Edx = 0) {
  return {{"EAX", Hex(Eax)}, {"EBX", Hex(Ebx)}, {"ECX", Hex(Ecx)}, {"EDX", Hex(Edx)}};
}

Json Leaf(const std::string& Request, const Json& Reply) {
  return ExactEntry("cpuid", "CPUID_EXECUTE_COMMAND", Request, Reply);
}

Json Field(const char* Item, int Number, const Json& Reply) {
  return ExactEntry("cpuid", Item, "CPUID_FIELD_NAME=" + std::to_string(Number), Reply);
}

// Entries that answer only the exact requests the builders send.
Json Profile(const CpuModel& Cpu) {
  Json entries = Json::array({
      Leaf("EAX=0x00000000", Registers(Cpu.MaxLeaf, 0x756E6547, 0x6C65746E, 0x49656E69)),
      Leaf("EAX=0x00000001", Registers(Cpu.Signature, Cpu.LogicalBits, 0, Cpu.Features)),
      Leaf("EAX=0x00000004", Registers(Cpu.CacheLeaf)),
      Leaf("EAX=0x80000008", Registers(0x3024, 0, Cpu.ExtendedCores)),
      Field("CPUID_GET_STRFIELD", 4, Cpu.Brand),
      Field("CPUID_GET_INTFIELD", 12, std::to_string(Cpu.DataCache)),
      Field("CPUID_GET_INTFIELD", 15, std::to_string(Cpu.CodeCache)),
      Field("CPUID_GET_INTFIELD", 18, std::to_string(Cpu.TraceCache)),
      Field("CPUID_GET_INTFIELD", 19, std::to_string(Cpu.SecondLevel)),
      Field("CPUID_GET_INTFIELD", 22, std::to_string(Cpu.ThirdLevel)),
  });
  for (std::size_t i = 0; i < Cpu.SubLeaves.size(); ++i)
    entries.push_back(Leaf("nocache=true,EAX=0x00000004,ECX=" + std::to_string(i), Registers(Cpu.SubLeaves[i])));
  std::string handles;
  for (std::size_t i = 0; i < Cpu.Processors.size(); ++i) {
    handles += (i ? "," : "") + std::to_string(i + 1);
    entries.push_back(ExactEntry("smbios", "Processor", "HandleID=" + std::to_string(i + 1), Cpu.Processors[i]));
  }
  entries.push_back({{"module", "smbios_sub"}, {"item", "Processor"}, {"reply", handles}});
  return entries;
}

class CpuidTest : public StandInTest {
 protected:
  void SetUp() override {
    StandInTest::SetUp();
    InstallBracketLookup();
  }
  void StartWith(const CpuModel& Cpu) { StandInTest::StartWith(Profile(Cpu)); }
};

TEST_F(CpuidTest, ProcessorNames) {
  struct Case {
    std::string Brand;
    int ThirdLevel;
    bool German;
    std::string Name;
  };
  const Case cases[] = {
      {"Intel(R) Core(TM)2 CPU T7200 @ 2.00GHz", 0, false, "Intel(R) Core(TM)2 CPU T7200 @ 2.00<GHz>"},
      {"Intel(R) Core(TM)2 CPU T7200 @ 2.00GHz", 0, true, "Intel(R) Core(TM)2 CPU T7200 @ 2,00<GHz>"},
      {R"("  Intel(R) Pentium(R) III CPU 1000mhz ")", 0, false, "Intel(R) Pentium(R) III CPU 1000<MHz>"},
      {"", 0, false, ""},
      // A Pentium 4 with a third-level cache is the Extreme Edition.
      {"Intel(R) Pentium(R) 4 CPU 3.46GHz", 2048, false, "Intel(R) Pentium(R) 4 CPU Extreme Edition 3.46<GHz>"},
      {"Intel(R) Pentium(R) 4 CPU 3.46GHz", 2048, true, "Intel(R) Pentium(R) 4 CPU Extreme Edition 3,46<GHz>"},
      {"Intel(R) Pentium(R) 4 3.46GHz", 2048, false, "Intel(R) Pentium(R) 4 3.46<GHz> Extreme Edition"},
      {"Intel(R) Pentium(R) 4 CPU", 2048, false, "Intel(R) Pentium(R) 4 CPU Extreme Edition"},
      {"Intel(R) Pentium(R) 4 CPU-3.40GHz", 1024, false, "Intel(R) Pentium(R) 4 CPU-Extreme Edition-3.40<GHz>"},
      {"Pentium 4 CPU\xC3\xA9", 512, false,
       "Pentium 4 CPU\xC3\xA9"
       "Extreme Edition\xC3\xA9"},
      {"Intel(R) Pentium(R) 4 cpu 3.00GHz", 512, false, "Intel(R) Pentium(R) 4 cpu 3.00<GHz> Extreme Edition"},
      // Other processors with a third-level cache are not.
      {"Intel(R) Pentium(R) 4 CPU 3.40GHz", 0, false, "Intel(R) Pentium(R) 4 CPU 3.40<GHz>"},
      {"Intel(R) Pentium(R) 4 CPU 3.40GHz", -1, false, "Intel(R) Pentium(R) 4 CPU 3.40<GHz>"},
      {"Intel(R) Core(TM) i7 CPU 920 @ 2.67GHz", 8192, false, "Intel(R) Core(TM) i7 CPU 920 @ 2.67<GHz>"},
      {"Intel(R) Xeon(TM) MP CPU 3.00GHz", 4096, false, "Intel(R) Xeon(TM) MP CPU 3.00<GHz>"},
      {"AMD Phenom(tm) 9550 Quad-Core Processor", 2048, false, "AMD Phenom(tm) 9550 Quad-Core Processor"},
  };
  for (const Case& c : cases) {
    CpuModel cpu;
    cpu.Brand = c.Brand;
    cpu.ThirdLevel = c.ThirdLevel;
    StartWith(cpu);
    TLocaleScope locale(c.German ? plat::TFormatSettings::German() : plat::TFormatSettings::English());
    EXPECT_EQ(GetProcessorName(Serv), c.Name) << c.Brand << " / " << c.ThirdLevel;
  }
}

TEST_F(CpuidTest, CoresLogicalProcessorsAndHyperThreading) {
  struct Case {
    std::uint32_t MaxLeaf, CacheLeaf, ExtendedCores, LogicalBits, Features;
    int Cores, Logical;
    bool HyperThreading;
  };
  const Case cases[] = {
      {10, 0x04000121, 0x00, 0x00020800, 0xBFEBFBFF, 2, 2, true},
      {10, 0x00000121, 0x01, 0x00010800, 0xAFEBFBFF, 2, 1, false},    // leaf 4 says one core: 0x80000008 decides
      {3, 0xFC000121, 0x00, 0x00000800, 0x10000000, 1, 1, true},      // no leaf 4 below leaf 0's limit of 3
      {10, 0xFC000121, 0xFF, 0x00FF0000, 0xFFFFFFFF, 64, 255, true},  // the widest fields
      {1, 0, 0xFF, 0xFFFFFFFF, 0xEFFFFFFF, 256, 255, false},
      {0, 0, 0, 0, 0, 1, 1, false},
  };
  for (const Case& c : cases) {
    CpuModel cpu;
    cpu.MaxLeaf = c.MaxLeaf;
    cpu.CacheLeaf = c.CacheLeaf;
    cpu.ExtendedCores = c.ExtendedCores;
    cpu.LogicalBits = c.LogicalBits;
    cpu.Features = c.Features;
    StartWith(cpu);
    SCOPED_TRACE(::testing::Message() << "leaf 0 " << c.MaxLeaf << ", leaf 4 " << Hex(c.CacheLeaf));
    EXPECT_EQ(GetCoreCount(Serv), c.Cores);
    EXPECT_EQ(GetLogicalProcessorCount(Serv), c.Logical);
    EXPECT_EQ(IsHyperThreadingCapable(Serv), c.HyperThreading);
  }
}

TEST_F(CpuidTest, RegistersAndFieldsThatCannotBeRead) {
  StandInTest::StartWith(Json::array({
      Leaf("EAX=0x00000001", {{"EAX", "junk"}, {"EBX", "-1"}, {"EDX", "$10000000"}}),
      Field("CPUID_GET_INTFIELD", 19, "99999999999"),
      Field("CPUID_GET_INTFIELD", 22, "x10"),
  }));
  const TCpuidRegisters leaf = ExecuteCpuid(Serv, 1);
  EXPECT_EQ(leaf.EAX, 0u);
  EXPECT_EQ(leaf.EBX, 0xFFFFFFFFu);
  EXPECT_EQ(leaf.ECX, 0u);
  EXPECT_EQ(leaf.EDX, 0x10000000u);
  EXPECT_EQ(CpuidIntField(Serv, CpuidSecondLevelField), 0);  // beyond 32 bits
  EXPECT_EQ(CpuidIntField(Serv, CpuidThirdLevelField), 16);
  EXPECT_EQ(CpuidIntField(Serv, CpuidDataCacheField), 0);  // not answered
  EXPECT_EQ(GetLogicalProcessorCount(Serv), 255);
  EXPECT_TRUE(IsHyperThreadingCapable(Serv));
  EXPECT_EQ(GetLogicalProcessorCount(nullptr), 1);
  EXPECT_EQ(GetCoreCount(nullptr), 1);
  EXPECT_EQ(GetProcessorName(nullptr), "");
}

TEST_F(CpuidTest, CacheListsOfTheShippedProfiles) {
  Start("");  // a leaf 4 that names a shared second-level cache
  plat::TStringList caches;
  caches.Add("stale=1");
  GetCacheList(Serv, caches);
  EXPECT_EQ(Items(caches), (Strings{"L1=<Data Cache> 32 <KB>, <Code Cache> 32 <KB>",
                                    "L2=4096 <KB> <Unified Cache> <(4096 KB Cache Per 2 Cores)>", "L3="}));

  AppHooks().Lookup = nullptr;
  GetCacheList(Serv, caches);
  EXPECT_EQ(Items(caches), (Strings{"L1=Data Cache 32 KB, Code Cache 32 KB",
                                    "L2=4096 KB Unified Cache (4096 KB Cache Per 2 Cores)", "L3="}));

  Start(ShippedProfile("awkward.json"));  // no leaf 4, a trace cache and a third-level cache
  GetCacheList(Serv, caches);
  EXPECT_EQ(Items(caches), (Strings{"L1=Data Cache 16 KB, Execution Trace Cache 12 K Micro-ops",
                                    "L2=Advanced Transfer Cache 512 KB", "L3=2048 KB"}));
}

TEST_F(CpuidTest, SecondLevelCacheTexts) {
  AppHooks().Lookup = nullptr;
  constexpr std::uint32_t Unified = 0x00000143, Data = 0x00000141, Instruction = 0x00000142, FirstLevel = 0x00000121;
  const auto sharedBy = [](std::uint32_t Cache, std::uint32_t Sharers) { return Cache | ((Sharers - 1) << 14); };
  struct Case {
    const char* What;
    std::uint32_t LogicalBits, CacheLeaf;
    std::vector<std::uint32_t> SubLeaves;
    int Size;
    std::string Text;
  };
  const Case cases[] = {
      {"shared by both cores",
       0x00020000,
       0x04000121,
       {FirstLevel, sharedBy(Unified, 2), 0},
       4096,
       "4096 KB Unified Cache (4096 KB Cache Per 2 Cores)"},
      {"one per core",
       0x00020000,
       0x04000121,
       {FirstLevel, sharedBy(Data, 1), 0},
       2048,
       "4096 KB Data Cache (2048 KB Cache Per 1 Core)"},
      {"four cores, two per cache",
       0x00040000,
       0x0C000121,
       {sharedBy(Instruction, 2), 0},
       1024,
       "2048 KB Instruction Cache (1024 KB Cache Per 2 Cores)"},
      {"fewer logical processors than cores",
       0x00010000,
       0x04000121,
       {sharedBy(Unified, 2), 0},
       4096,
       "Advanced Transfer Cache 4096 KB"},
      {"fewer sharers than logical processors per core",
       0x00040000,
       0x04000121,
       {sharedBy(Unified, 1), 0},
       4096,
       "Advanced Transfer Cache 4096 KB"},
      {"one core", 0x00010000, 0x00000121, {sharedBy(Unified, 1), 0}, 2048, "Advanced Transfer Cache 2048 KB"},
      {"no level-2 cache among the sub-leaves",
       0x00020000,
       0x04000121,
       {FirstLevel, 0x04000163},
       2048,
       "Advanced Transfer Cache 2048 KB"},
      {"an empty leaf 4", 0x00020000, 0x00000000, {sharedBy(Unified, 2), 0}, 2048, "Advanced Transfer Cache 2048 KB"},
      {"no second-level cache", 0x00020000, 0x04000121, {FirstLevel, sharedBy(Unified, 2), 0}, 0, ""},
  };
  for (const Case& c : cases) {
    CpuModel cpu;
    cpu.LogicalBits = c.LogicalBits;
    cpu.CacheLeaf = c.CacheLeaf;
    cpu.SubLeaves = c.SubLeaves;
    cpu.SecondLevel = c.Size;
    StartWith(cpu);
    plat::TStringList caches;
    GetCacheList(Serv, caches);
    EXPECT_EQ(caches.Values("L2"), c.Text) << c.What;
  }
}

TEST_F(CpuidTest, ATranslatedFormatThatDoesNotFitFallsBackToEnglish) {
  StartWith(CpuModel{});
  for (const auto& [translation, text] :
       {std::pair{"(%d KB je %d Kerne)", "4096 KB Unified Cache (4096 KB je 2 Kerne)"},
        std::pair{"(%s KB, %d)", "4096 KB Unified Cache (4096 KB Cache Per 2 Cores)"},
        std::pair{"(%d KB %d %d)", "4096 KB Unified Cache (4096 KB Cache Per 2 Cores)"}}) {
    AppHooks().Lookup = [translation = std::string(translation)](const plat::String&, const plat::String& Key) {
      return Key == "(%d KB Cache Per %d Cores)" ? translation : Key;
    };
    plat::TStringList caches;
    GetCacheList(Serv, caches);
    EXPECT_EQ(caches.Values("L2"), text) << translation;
  }
}

TEST_F(CpuidTest, EveryFirstLevelPartIsOptional) {
  AppHooks().Lookup = nullptr;
  CpuModel cpu;
  cpu.DataCache = 0;
  cpu.CodeCache = 0;
  cpu.TraceCache = 0;
  cpu.SecondLevel = 0;
  StartWith(cpu);
  plat::TStringList caches;
  GetCacheList(Serv, caches);
  EXPECT_EQ(Items(caches), (Strings{"L1=", "L2=", "L3="}));
}

TEST_F(CpuidTest, TheNotebooksProcessor) {
  Start("");
  TLocaleScope locale(plat::TFormatSettings::English());
  plat::TStringList processors;
  GetProcessorList(Serv, processors);
  ASSERT_EQ(processors.Count(), 2);
  plat::TStringList cpu;
  cpu.SetCommaText(processors.ValueFromIndex(0));
  EXPECT_EQ(
      Items(cpu),
      (Strings{"SocketDesignation=Socket 478", "ProcessorType=Central Processor", "Manufacturer=Intel",
               "ProcessorId=BFEBFBFF000006F6", "Version=Intel(R) Core(TM)2 CPU T7200 @ 2.00<GHz>", "Voltage=1.3 V",
               "ExtClock=166", "MaxClockSpeed=2 <GHz>", "CurrentClockSpeed=2 <GHz>", "Status=Populated, Enabled",
               "ProcessorUpgrade=4", "DeviceID=CPU 0", "FormFactor=Socket 478", "Stepping=6", "MultiCore=2",
               "DualCore=Supported", "HTStatus=<Not Supported>", "HyperTransportStatus=0", "BusSpeed=667 <MHz>"}));
  EXPECT_EQ(processors.Strings(1), "amount=1");
}

TEST_F(CpuidTest, SeveralProcessorsOfTheAwkwardProfile) {
  Start(ShippedProfile("awkward.json"));
  TLocaleScope locale(plat::TFormatSettings::German());
  plat::TStringList processors;
  GetProcessorList(Serv, processors);
  ASSERT_EQ(processors.Count(), 3);
  EXPECT_EQ(processors.Strings(2), "amount=2");
  const Strings brand(2, "Intel(R) Pentium(R) 4 CPU Extreme Edition 3,46<GHz>");
  EXPECT_EQ(InstanceValues(processors, "Version"), brand);
  EXPECT_EQ(InstanceValues(processors, "DeviceID"), (Strings{"CPU0", "CPU 1"}));
  EXPECT_EQ(InstanceValues(processors, "CurrentClockSpeed"), (Strings{"999 <MHz>", "1 <GHz>"}));
  EXPECT_EQ(InstanceValues(processors, "MaxClockSpeed"), (Strings{"3,466 <GHz>", ""}));
  // Code 15 names its socket; code 1 ("Other", read from 0x101 as a byte) takes a designation that says "socket".
  EXPECT_EQ(InstanceValues(processors, "FormFactor"), (Strings{"<Socket 478>", "Socket 775"}));
  EXPECT_EQ(InstanceValues(processors, "Stepping"), (Strings{"5", "0"}));
  EXPECT_EQ(InstanceValues(processors, "MultiCore"), (Strings{"1", "1"}));
  EXPECT_EQ(InstanceValues(processors, "DualCore"), (Strings{"", ""}));
  EXPECT_EQ(InstanceValues(processors, "HTStatus"), (Strings{"<Disabled>", "<Disabled>"}));
  EXPECT_EQ(InstanceValues(processors, "ExtClock"), (Strings{"133", "100"}));
  EXPECT_EQ(InstanceValues(processors, "BusSpeed"), (Strings{"533 <MHz>", "400 <MHz>"}));
}

TEST_F(CpuidTest, BrandFromTheFirstProcessorWhenCpuidHasNone) {
  CpuModel cpu;
  cpu.Brand = "";
  cpu.Processors = Json::array({{{"Version", "  Ovra Processor "}, {"CurrentClockSpeed", "1830"}},
                                {{"Version", "Other"}, {"CurrentClockSpeed", "800"}}});
  StartWith(cpu);
  TLocaleScope locale(plat::TFormatSettings::English());
  plat::TStringList processors;
  GetProcessorList(Serv, processors);
  EXPECT_EQ(InstanceValues(processors, "Version"), Strings(2, "Ovra Processor 1.83 <GHz>"));
  EXPECT_EQ(InstanceValues(processors, "CurrentClockSpeed"), (Strings{"1.83 <GHz>", "800 <MHz>"}));
}

TEST_F(CpuidTest, HyperThreadingStatus) {
  struct Case {
    std::uint32_t Features, CacheLeaf, LogicalBits;
    std::string Status;
  };
  const Case cases[] = {
      {0xAFEBFBFF, 0x00000121, 0x00020000, "<Not Supported>"},  // not capable
      {0xBFEBFBFF, 0x04000121, 0x00020000, "<Not Supported>"},  // two cores, two logical processors
      {0xBFEBFBFF, 0x00000121, 0x00020000, "<Enabled>"},        // one core, two logical processors
      {0xBFEBFBFF, 0x04000121, 0x00040000, "<Enabled>"},        // two cores, four logical processors
      {0xBFEBFBFF, 0x00000121, 0x00010000, "<Disabled>"},       // one core, one logical processor
      {0xBFEBFBFF, 0x04000121, 0x00010000, "<Enabled>"},        // two cores, one logical processor
  };
  for (const Case& c : cases) {
    CpuModel cpu;
    cpu.Features = c.Features;
    cpu.CacheLeaf = c.CacheLeaf;
    cpu.LogicalBits = c.LogicalBits;
    cpu.Processors = Json::array({{{"Version", "P"}}});
    StartWith(cpu);
    plat::TStringList processors;
    GetProcessorList(Serv, processors);
    EXPECT_EQ(InstanceValues(processors, "HTStatus"), Strings{c.Status})
        << Hex(c.Features) << " " << Hex(c.LogicalBits);
  }
}

TEST_F(CpuidTest, BusSpeedsSocketsAndHyperTransport) {
  struct Case {
    const char* Brand;
    std::uint32_t Signature;
    Json Processor;
    std::string ExtClock, BusSpeed, FormFactor, HyperTransport;
  };
  const Case cases[] = {
      // Intel family 6 models 9 and 13 to 15 and every family-15 processor run a quad-pumped bus.
      {"Intel(R) Pentium(R) M processor 1.60GHz", 0x695, {{"ExtClock", "100"}}, "100", "400 <MHz>", "", "0"},
      {"Genuine Intel(R) CPU T2400 @ 1.83GHz", 0x6E8, {{"ExtClock", "166"}}, "166", "667 <MHz>", "", "0"},
      {"Intel(R) Pentium(R) III CPU 1000MHz", 0x68A, {{"ExtClock", "133"}}, "133", "133 <MHz>", "", "0"},
      {"Ovra Compatible CPU", 0x6F6, {{"ExtClock", "200"}}, "200", "200 <MHz>", "", "0"},
      {"Intel(R) Pentium(R) 4 CPU 2.80GHz", 0xF29, {{"ExtClock", "533"}}, "133", "533 <MHz>", "", "0"},
      {"Intel(R) Pentium(R) 4 CPU 3.20GHz", 0xF41, {{"ExtClock", "400"}}, "100", "400 <MHz>", "", "0"},
      {"Intel(R) Xeon(TM) CPU 3.20GHz", 0xF4A, {{"ExtClock", "266"}}, "266", "1067 <MHz>", "", "0"},
      // Later models of family 6 repeat those low digits under extended ones
      // and run no such bus: Skylake (0x5E), Kaby Lake (0x8E), Raptor Lake (0xBF).
      {"Intel(R) Core(TM) i5-6500 CPU @ 3.20GHz", 0x506E3, {{"ExtClock", "100"}}, "100", "100 <MHz>", "", "0"},
      {"Intel(R) Core(TM) i7-8550U CPU @ 1.80GHz", 0x806EA, {{"ExtClock", "100"}}, "100", "100 <MHz>", "", "0"},
      {"13th Gen Intel(R) Core(TM) i7-13700", 0xB06F2, {{"ExtClock", "100"}}, "100", "100 <MHz>", "", "0"},
      {"Intel(R) Core(TM)2 Duo CPU P8600 @ 2.40GHz", 0x1067A, {{"ExtClock", "266"}}, "266", "266 <MHz>", "", "0"},
      // The extended family counts only above base family 15.
      {"Genuine Intel(R) CPU T2400 @ 1.83GHz", 0x0F006E8, {{"ExtClock", "166"}}, "166", "667 <MHz>", "", "0"},
      // AMD's families above 15 (here 0x17 and 0x19) show their clock as it is.
      {"AMD Ryzen 5 3600 6-Core Processor", 0x870F10, {{"ExtClock", "100"}}, "100", "100 <MHz>", "", "0"},
      {"AMD Ryzen 7 5800U with Radeon Graphics", 0xA50F00, {{"ExtClock", "100"}}, "100", "100 <MHz>", "", "0"},
      // A family-15 processor of another maker shows no bus speed.
      {"AMD Athlon(tm) 64 Processor 3200+",
       0xFF0,
       {{"ExtClock", "200"}, {"ProcessorUpgrade", "16"}},
       "200",
       "",
       "<Socket 754>",
       "-1"},
      {"AMD Opteron(tm) Processor 246",
       0xF5A,
       {{"ExtClock", "200"}, {"SocketDesignation", "Socket 940"}},
       "200",
       "",
       "",
       "-1"},
      {"AMD Athlon(tm) 64 Processor", 0xFF0, {{"SocketDesignation", "socket 939"}}, "", "", "", "0"},
      // No clock, a clock beyond 16 bits, a negative clock: the speed is kept to 16 bits.
      {"Intel(R) Pentium(R) 4 CPU", 0xF29, Json::object(), "", "0 <MHz>", "", "0"},
      {"Intel(R) Core(TM)2 CPU", 0x6F6, {{"ExtClock", "65537"}}, "65537", "4 <MHz>", "", "0"},
      {"Intel(R) Core(TM)2 CPU", 0x6F6, {{"ExtClock", "-1"}}, "-1", "65532 <MHz>", "", "0"},
      {"Intel(R) Core(TM)2 CPU",
       0x6F6,
       {{"ExtClock", "99999999999999999999"}},
       "99999999999999999999",
       "0 <MHz>",
       "",
       "0"},
      // Codes 1, 2 and 4 name a socket only when the designation says so.
      {"X", 0x6F6, {{"ProcessorUpgrade", "4"}, {"SocketDesignation", "Socket M"}}, "", "0 <MHz>", "Socket M", "0"},
      {"X", 0x6F6, {{"ProcessorUpgrade", "2"}, {"SocketDesignation", "U2E1"}}, "", "0 <MHz>", "<Unknown>", "0"},
      {"X",
       0x6F6,
       {{"ProcessorUpgrade", "3"}, {"SocketDesignation", "SOCKET"}},
       "",
       "0 <MHz>",
       "<Daughter Board>",
       "0"},
      {"X", 0x6F6, {{"ProcessorUpgrade", "22"}}, "", "0 <MHz>", "", "0"},
      {"X", 0x6F6, {{"ProcessorUpgrade", "18"}}, "", "0 <MHz>", "<Socket 939>", "-1"},
      {"X", 0x6F6, {{"ProcessorUpgrade", "19"}}, "", "0 <MHz>", "<Socket mPGA604>", "0"},
  };
  for (const Case& c : cases) {
    CpuModel cpu;
    cpu.Brand = c.Brand;
    cpu.Signature = c.Signature;
    cpu.Processors = Json::array({c.Processor});
    StartWith(cpu);
    plat::TStringList processors;
    GetProcessorList(Serv, processors);
    SCOPED_TRACE(c.Brand + (" " + c.Processor.dump()));
    EXPECT_EQ(InstanceValues(processors, "ExtClock"), Strings{c.ExtClock});
    EXPECT_EQ(InstanceValues(processors, "BusSpeed"), Strings{c.BusSpeed});
    EXPECT_EQ(InstanceValues(processors, "FormFactor"), Strings{c.FormFactor});
    EXPECT_EQ(InstanceValues(processors, "HyperTransportStatus"), Strings{c.HyperTransport});
  }
}

TEST(ProcessorSignature, FamilyAndModelWithTheirExtendedFields) {
  const struct {
    std::uint32_t Eax, Family, Model;
  } cases[] = {
      {0x000006F6, 6, 0x0F},      // Core 2 (Merom): no extended bits
      {0x000006D8, 6, 0x0D},      // Pentium M (Dothan)
      {0x00010676, 6, 0x17},      // Core 2 (Penryn)
      {0x000806EA, 6, 0x8E},      // Kaby Lake
      {0x000B06F2, 6, 0xBF},      // Raptor Lake
      {0x0FF006F6, 6, 0x0F},      // the extended family counts only with base family 15
      {0x00000F41, 15, 0x04},     // Pentium 4 (Prescott)
      {0x00040F32, 15, 0x43},     // Athlon 64 X2: family 15 takes the extended model too
      {0x00870F10, 0x17, 0x71},   // Zen 2
      {0x00A50F00, 0x19, 0x50},   // Zen 3
      {0x0FFF0FFF, 0x10E, 0xFF},  // every field at its widest
      {0x000F0543, 5, 0x04},      // other families keep the base model
      {0x00000000, 0, 0},
  };
  for (const auto& c : cases) {
    const TProcessorSignature signature = DecodeProcessorSignature(c.Eax);
    EXPECT_EQ(signature.Family, c.Family) << std::hex << c.Eax;
    EXPECT_EQ(signature.Model, c.Model) << std::hex << c.Eax;
  }
}

TEST_F(CpuidTest, NoProcessorStructures) {
  StartWith(CpuModel{});
  plat::TStringList processors;
  GetProcessorList(Serv, processors);
  EXPECT_EQ(Items(processors), Strings{"amount=0"});
}

}  // namespace
}  // namespace zorbit::testing
