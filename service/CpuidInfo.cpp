#include "service/CpuidInfo.h"

#include <algorithm>
#include <initializer_list>

#include "platform/rtl/Conversions.h"
#include "platform/rtl/Exception.h"
#include "platform/rtl/Format.h"
#include "platform/rtl/FormatSettings.h"
#include "platform/rtl/StringList.h"
#include "platform/rtl/StringUtils.h"
#include "service/GenericAPI.h"
#include "service/InfoQuery.h"
#include "service/SmbiosText.h"

namespace zorbit {

namespace {

constexpr std::uint32_t VendorLeaf = 0x00000000;
constexpr std::uint32_t FeatureLeaf = 0x00000001;
constexpr std::uint32_t CacheParameterLeaf = 0x00000004;
constexpr std::uint32_t AddressSizeLeaf = 0x80000008;
constexpr int MaxCacheSubLeaves = 16;
constexpr int HyperThreadingBit = 28;

// Bits Low to High (inclusive) of Value.
std::uint32_t Bits(std::uint32_t Value, int Low, int High) {
  const std::uint32_t width = static_cast<std::uint32_t>(High - Low + 1);
  const std::uint32_t mask = width >= 32 ? 0xFFFFFFFFu : (1u << width) - 1;
  return (Value >> Low) & mask;
}

plat::String LeafItem(std::uint32_t Leaf) { return "EAX=0x" + plat::IntToHex(Leaf, 8); }

TCpuidRegisters ReadRegisters(const plat::String& Reply) {
  plat::TStringList registers;
  registers.SetCommaText(Reply);
  // Registers are unsigned 32-bit values, whatever width the text has.
  auto read = [&registers](const char* Name) { return static_cast<std::uint32_t>(GetListInt(&registers, Name, 0)); };
  return {read("EAX"), read("EBX"), read("ECX"), read("EDX")};
}

plat::String FieldRequest(TCpuidField Field) { return "CPUID_FIELD_NAME=" + std::to_string(Field); }

// Cores per package from leaf 4, 1 when the processor has no leaf 4. EAX is
// the value the cache walk below is gated on: leaf 4's EAX, or leaf 0's when
// there is no leaf 4.
struct TPackageCores {
  int Cores = 1;
  std::uint32_t EAX = 0;
};

TPackageCores PackageCores(const IpfqServPtr& Serv) {
  TPackageCores result;
  result.EAX = ExecuteCpuid(Serv, VendorLeaf).EAX;
  if (result.EAX > 3) {
    result.EAX = ExecuteCpuid(Serv, CacheParameterLeaf).EAX;
    result.Cores = static_cast<int>(Bits(result.EAX, 26, 31)) + 1;
  }
  return result;
}

struct TSecondLevelCache {
  bool Found = false;
  const char* Kind = "";
  int Sharing = 0;  // logical processors sharing it
};

TSecondLevelCache FindSecondLevelCache(const IpfqServPtr& Serv) {
  TSecondLevelCache cache;
  for (int subLeaf = 0; subLeaf < MaxCacheSubLeaves; ++subLeaf) {
    plat::TStringList request;
    request.Add("nocache=true");
    request.Add(LeafItem(CacheParameterLeaf));
    request.Add("ECX=" + std::to_string(subLeaf));
    const std::uint32_t eax = ReadRegisters(QueryInfo(Serv, "cpuid", "CPUID_EXECUTE_COMMAND", request.CommaText())).EAX;
    const std::uint32_t type = Bits(eax, 0, 4);
    if (type == 0) break;
    if (Bits(eax, 5, 7) != 2) continue;
    cache.Found = true;
    cache.Kind = type == 1 ? "Data Cache" : type == 2 ? "Instruction Cache" : "Unified Cache";
    cache.Sharing = static_cast<int>(Bits(eax, 14, 25)) + 1;
    break;
  }
  return cache;
}

// Fills a translated format; a translation that does not fit the arguments
// falls back to the English format rather than failing the page.
plat::String FormatLocalized(const plat::String& English, std::initializer_list<plat::TVarRec> Args) {
  try {
    return plat::Format(LocalizeText(English), Args);
  } catch (const plat::EConvertError&) {
    return plat::Format(English, Args);
  }
}

plat::String SecondLevelText(const IpfqServPtr& Serv) {
  const int logicalPerPackage = static_cast<int>(Bits(ExecuteCpuid(Serv, FeatureLeaf).EBX, 16, 23));
  const TPackageCores package = PackageCores(Serv);
  const TSecondLevelCache cache = package.EAX > 3 ? FindSecondLevelCache(Serv) : TSecondLevelCache{};
  const int size = CpuidIntField(Serv, CpuidSecondLevelField);
  if (size == 0) return {};

  // A processor that reports fewer logical processors than cores, or fewer
  // sharers than logical processors per core, leaves a divisor of 0: such
  // counts say nothing about sharing, so the plain form is shown.
  const int logicalPerCore = logicalPerPackage / package.Cores;
  const int coresPerCache = logicalPerCore != 0 ? cache.Sharing / logicalPerCore : 0;
  if (!cache.Found || package.Cores <= 1 || coresPerCache == 0)
    return LocalizeText("Advanced Transfer Cache") + " " + std::to_string(size) + " " + LocalizeText("KB");

  const std::int64_t total = std::int64_t{size} * (package.Cores / coresPerCache);
  const plat::String share = coresPerCache < 2 ? FormatLocalized("(%d KB Cache Per 1 Core)", {size})
                                               : FormatLocalized("(%d KB Cache Per %d Cores)", {size, coresPerCache});
  return std::to_string(total) + " " + LocalizeText("KB") + " " + LocalizeText(cache.Kind) + " " + share;
}

plat::String CacheSizePart(const IpfqServPtr& Serv, TCpuidField Field, const char* Name, const char* Unit) {
  const int size = CpuidIntField(Serv, Field);
  if (size == 0) return {};
  return LocalizeText(Name) + " " + std::to_string(size) + " " + LocalizeText(Unit);
}

// The byte length of the UTF-8 character that starts at Text[Index].
std::size_t CharacterLength(const plat::String& Text, std::size_t Index) {
  const auto lead = static_cast<unsigned char>(Text[Index]);
  const std::size_t length = lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : lead >= 0xC0 ? 2 : 1;
  return std::min(length, Text.size() - Index);
}

// A third-level cache told the Pentium 4 Extreme Edition from the other
// Pentium 4 processors, whose brand text is the same. Later processors of
// every kind have one, so only a Pentium 4 is named so.
bool IsExtremeEdition(const plat::String& Brand, int ThirdLevelCache) {
  if (ThirdLevelCache <= 0) return false;
  plat::String plain = plat::UpperCase(Brand);
  for (const char* mark : {"(R)", "(TM)"}) plain = plat::StringReplace(plain, mark, "", plat::rfReplaceAll);
  return plat::Pos("PENTIUM 4", plain) > 0;
}

// "Extreme Edition" goes after the character that follows the first "CPU",
// repeated after it, or at the end with a blank.
plat::String WithExtremeEdition(const plat::String& Brand) {
  const int cpu = plat::Pos("CPU", Brand);
  const std::size_t after = cpu > 0 ? static_cast<std::size_t>(cpu - 1) + 3 : Brand.size();
  if (after >= Brand.size()) return Brand + " Extreme Edition";
  const std::size_t next = after + CharacterLength(Brand, after);
  return Brand.substr(0, next) + "Extreme Edition" + Brand.substr(after);
}

}  // namespace

TProcessorSignature DecodeProcessorSignature(std::uint32_t Eax) {
  const std::uint32_t baseFamily = Bits(Eax, 8, 11);
  const std::uint32_t baseModel = Bits(Eax, 4, 7);
  const bool extended = baseFamily == 6 || baseFamily == 15;
  return {baseFamily == 15 ? baseFamily + Bits(Eax, 20, 27) : baseFamily,
          extended ? (Bits(Eax, 16, 19) << 4) | baseModel : baseModel};
}

TCpuidRegisters ExecuteCpuid(const IpfqServPtr& Serv, std::uint32_t Leaf) {
  return ReadRegisters(QueryInfo(Serv, "cpuid", "CPUID_EXECUTE_COMMAND", LeafItem(Leaf)));
}

int CpuidIntField(const IpfqServPtr& Serv, TCpuidField Field) {
  return plat::StrToIntDef(QueryInfo(Serv, "cpuid", "CPUID_GET_INTFIELD", FieldRequest(Field)), 0);
}

plat::String CpuidStrField(const IpfqServPtr& Serv, TCpuidField Field) {
  return QueryInfo(Serv, "cpuid", "CPUID_GET_STRFIELD", FieldRequest(Field));
}

bool IsHyperThreadingCapable(const IpfqServPtr& Serv) {
  return Bits(ExecuteCpuid(Serv, FeatureLeaf).EDX, HyperThreadingBit, HyperThreadingBit) != 0;
}

int GetLogicalProcessorCount(const IpfqServPtr& Serv) {
  const int count = static_cast<int>(Bits(ExecuteCpuid(Serv, FeatureLeaf).EBX, 16, 23));
  return count == 0 ? 1 : count;
}

int GetCoreCount(const IpfqServPtr& Serv) {
  int cores = PackageCores(Serv).Cores;
  if (cores == 1) cores = static_cast<int>(Bits(ExecuteCpuid(Serv, AddressSizeLeaf).ECX, 0, 7)) + 1;
  return cores;
}

plat::String GetProcessorName(const IpfqServPtr& Serv) {
  const int thirdLevelCache = CpuidIntField(Serv, CpuidThirdLevelField);
  plat::String name =
      plat::Trim(plat::StringReplace(CpuidStrField(Serv, CpuidBrandField), "\"", "", plat::rfReplaceAll));
  const int flags = plat::rfReplaceAll | plat::rfIgnoreCase;
  name = plat::StringReplace(name, "GHz", LocalizeText("GHz"), flags);
  name = plat::StringReplace(name, "MHz", LocalizeText("MHz"), flags);
  if (plat::FormatSettings().DecimalSeparator == ',') name = plat::StringReplace(name, ".", ",", plat::rfReplaceAll);
  return IsExtremeEdition(name, thirdLevelCache) ? WithExtremeEdition(name) : name;
}

void GetCacheList(const IpfqServPtr& Serv, plat::TStrings& List) {
  List.Clear();
  plat::String l1;
  for (const plat::String& part : {CacheSizePart(Serv, CpuidDataCacheField, "Data Cache", "KB"),
                                   CacheSizePart(Serv, CpuidCodeCacheField, "Code Cache", "KB"),
                                   CacheSizePart(Serv, CpuidTraceCacheField, "Execution Trace Cache", "K Micro-ops")})
    if (!part.empty()) l1 += (l1.empty() ? "" : ", ") + part;
  List.Add("L1=" + l1);
  List.Add("L2=" + SecondLevelText(Serv));
  const int thirdLevel = CpuidIntField(Serv, CpuidThirdLevelField);
  List.Add("L3=" + (thirdLevel != 0 ? std::to_string(thirdLevel) + " " + LocalizeText("KB") : plat::String()));
}

}  // namespace zorbit
