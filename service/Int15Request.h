#pragma once
// BIOS interrupt-15h calls through the management service: one request list
// of register values and control items, sent with the module "int15".
#include <cstdint>

#include "platform/rtl/StringList.h"

namespace zorbit {

// The request list always begins "EAX=38416", "EBX=<feature code>".
void BeginInt15Request(plat::TStringList& List, std::uint32_t Ebx);

// Appends "Name=" followed by Value in unsigned decimal.
void AddInt15Item(plat::TStringList& List, const char* Name, std::uint32_t Value);

// Sends the list (with "nocache=true" appended) through ServLink and replaces
// its items by the reply's. Answers whether the reply's "result" has a
// non-zero low byte; false without sending when ServLink is empty.
bool CallInt15(plat::TStringList& List);

// A reply register read as an unsigned 32-bit value, 0 when missing or unreadable.
std::uint32_t Int15Register(plat::TStringList& List, const char* Name);

}  // namespace zorbit
