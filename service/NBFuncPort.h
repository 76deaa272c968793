#pragma once
// Serial, parallel and infrared port states as the BIOS reports them.
#include <cstdint>

namespace zorbit {

// Available and Enabled start false; the other outputs change only on success.
bool GetSerialPortState(int Port, bool& Available, bool& Enabled, std::uint16_t& PortWord, std::uint8_t& LowByte,
                        std::uint8_t& HighByte);
bool GetParallelPortState(bool& Available, bool& Enabled, std::uint16_t& PortWord, std::uint8_t& LowByte,
                          std::uint8_t& HighByte);
// Asks the two serial codes in turn and takes the first answer whose EDX high
// byte is set; answers the success of the last request sent.
bool GetInfraredState(bool& Available, bool& Enabled);

}  // namespace zorbit
