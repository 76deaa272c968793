#pragma once
// Processor facts from CPUID, executed by the management service: whole
// leaves ("CPUID_EXECUTE_COMMAND") and the service's decoded fields
// ("CPUID_GET_INTFIELD", "CPUID_GET_STRFIELD").
#include <cstdint>

#include "platform/rtl/Types.h"
#include "service/LVQIntf.h"

namespace plat {
class TStrings;
}

namespace zorbit {

struct TCpuidRegisters {
  std::uint32_t EAX = 0;
  std::uint32_t EBX = 0;
  std::uint32_t ECX = 0;
  std::uint32_t EDX = 0;
};

// The service's field numbers.
enum TCpuidField {
  CpuidBrandField = 4,         // the brand text
  CpuidDataCacheField = 12,    // first-level data cache, KB
  CpuidCodeCacheField = 15,    // first-level code cache, KB
  CpuidTraceCacheField = 18,   // trace cache, thousands of micro-operations
  CpuidSecondLevelField = 19,  // second-level cache, KB
  CpuidThirdLevelField = 22,   // third-level cache, KB
};

// Family and model of a leaf-1 signature as processors are known by them: a
// base family of 15 has the extended family added, and base families 6 and
// 15 take the extended model as the model's high digit.
struct TProcessorSignature {
  std::uint32_t Family = 0;
  std::uint32_t Model = 0;
};
TProcessorSignature DecodeProcessorSignature(std::uint32_t Eax);

// One leaf; registers the reply lacks or cannot be read in read as 0.
TCpuidRegisters ExecuteCpuid(const IpfqServPtr& Serv, std::uint32_t Leaf);
// A numeric field; 0 when unreadable as a 32-bit number.
int CpuidIntField(const IpfqServPtr& Serv, TCpuidField Field);
plat::String CpuidStrField(const IpfqServPtr& Serv, TCpuidField Field);

bool IsHyperThreadingCapable(const IpfqServPtr& Serv);
// Logical processors per package; 1 when the processor reports none.
int GetLogicalProcessorCount(const IpfqServPtr& Serv);
int GetCoreCount(const IpfqServPtr& Serv);
// The brand text with translated clock units and the locale's decimal
// separator; a Pentium 4 with a third-level cache is named an Extreme Edition.
plat::String GetProcessorName(const IpfqServPtr& Serv);
// Empties List and fills the lines "L1=", "L2=" and "L3=" with the cache texts.
void GetCacheList(const IpfqServPtr& Serv, plat::TStrings& List);

}  // namespace zorbit
