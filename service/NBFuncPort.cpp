#include "service/NBFuncPort.h"

#include <array>

#include "service/Int15Request.h"

namespace zorbit {

namespace {
constexpr std::uint32_t SerialPortCode = 0x002;
constexpr std::uint32_t SecondSerialPortCode = 0x102;
constexpr std::uint32_t ParallelPortCode = 0x003;
constexpr std::uint32_t SerialFlag = 4;
constexpr std::uint32_t ParallelFlag = 8;

bool QueryPort(plat::TStringList& List, std::uint32_t Ebx, std::uint32_t Flag) {
  BeginInt15Request(List, Ebx);
  AddInt15Item(List, "Flag", Flag);
  return CallInt15(List);
}

// Bit 0 of EAX clear: the port exists; bit 1 clear: it is enabled.
void ReadAvailability(plat::TStringList& List, bool& Available, bool& Enabled) {
  const std::uint32_t eax = Int15Register(List, "EAX");
  Available = (eax & 1) == 0;
  Enabled = (eax & 2) == 0;
}

bool GetPortState(std::uint32_t Ebx, std::uint32_t Flag, bool& Available, bool& Enabled, std::uint16_t& PortWord,
                  std::uint8_t& LowByte, std::uint8_t& HighByte) {
  Available = false;
  Enabled = false;
  plat::TStringList list;
  if (!QueryPort(list, Ebx, Flag)) return false;
  ReadAvailability(list, Available, Enabled);
  PortWord = static_cast<std::uint16_t>(Int15Register(list, "ECX") & 0xFFFF);
  const std::uint32_t edx = Int15Register(list, "EDX");
  LowByte = static_cast<std::uint8_t>(edx & 0xFF);
  HighByte = static_cast<std::uint8_t>((edx >> 8) & 0xFF);
  return true;
}
}  // namespace

bool GetSerialPortState(int Port, bool& Available, bool& Enabled, std::uint16_t& PortWord, std::uint8_t& LowByte,
                        std::uint8_t& HighByte) {
  const std::uint32_t ebx = Port == 1 ? SecondSerialPortCode : SerialPortCode;
  return GetPortState(ebx, SerialFlag, Available, Enabled, PortWord, LowByte, HighByte);
}

bool GetParallelPortState(bool& Available, bool& Enabled, std::uint16_t& PortWord, std::uint8_t& LowByte,
                          std::uint8_t& HighByte) {
  return GetPortState(ParallelPortCode, ParallelFlag, Available, Enabled, PortWord, LowByte, HighByte);
}

bool GetInfraredState(bool& Available, bool& Enabled) {
  Available = false;
  Enabled = false;
  bool succeeded = false;
  plat::TStringList list;
  for (const std::uint32_t ebx : std::array{SerialPortCode, SecondSerialPortCode}) {
    succeeded = QueryPort(list, ebx, SerialFlag);
    if (succeeded && ((Int15Register(list, "EDX") >> 8) & 0xFF) != 0) {
      ReadAvailability(list, Available, Enabled);
      break;
    }
  }
  return succeeded;
}

}  // namespace zorbit
