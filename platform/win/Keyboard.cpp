#include "platform/win/Keyboard.h"

#include <algorithm>
#include <cstring>

#include "platform/win/detail/InputRouter.h"
#include "platform/win/VirtualKeys.h"

namespace plat {
namespace {

struct ScanKey {
  Byte Scan;
  UINT Key;
};

// Set-1 scan codes of a US keyboard. The navigation keys share their codes
// with the keypad (told apart by the extended bit); looking a code up gives
// the navigation key, as the keypad gives with Num Lock off.
constexpr ScanKey ScanTable[] = {
    {0x01, VK_ESCAPE},    {0x02, '1'},           {0x03, '2'},         {0x04, '3'},         {0x05, '4'},
    {0x06, '5'},          {0x07, '6'},           {0x08, '7'},         {0x09, '8'},         {0x0A, '9'},
    {0x0B, '0'},          {0x0C, VK_OEM_MINUS},  {0x0D, VK_OEM_PLUS}, {0x0E, VK_BACK},     {0x0F, VK_TAB},
    {0x10, 'Q'},          {0x11, 'W'},           {0x12, 'E'},         {0x13, 'R'},         {0x14, 'T'},
    {0x15, 'Y'},          {0x16, 'U'},           {0x17, 'I'},         {0x18, 'O'},         {0x19, 'P'},
    {0x1A, VK_OEM_4},     {0x1B, VK_OEM_6},      {0x1C, VK_RETURN},   {0x1D, VK_LCONTROL}, {0x1E, 'A'},
    {0x1F, 'S'},          {0x20, 'D'},           {0x21, 'F'},         {0x22, 'G'},         {0x23, 'H'},
    {0x24, 'J'},          {0x25, 'K'},           {0x26, 'L'},         {0x27, VK_OEM_1},    {0x28, VK_OEM_7},
    {0x29, VK_OEM_3},     {0x2A, VK_LSHIFT},     {0x2B, VK_OEM_5},    {0x2C, 'Z'},         {0x2D, 'X'},
    {0x2E, 'C'},          {0x2F, 'V'},           {0x30, 'B'},         {0x31, 'N'},         {0x32, 'M'},
    {0x33, VK_OEM_COMMA}, {0x34, VK_OEM_PERIOD}, {0x35, VK_OEM_2},    {0x36, VK_RSHIFT},   {0x37, VK_MULTIPLY},
    {0x38, VK_LMENU},     {0x39, VK_SPACE},      {0x3A, VK_CAPITAL},  {0x3B, VK_F1},       {0x3C, VK_F2},
    {0x3D, VK_F3},        {0x3E, VK_F4},         {0x3F, VK_F5},       {0x40, VK_F6},       {0x41, VK_F7},
    {0x42, VK_F8},        {0x43, VK_F9},         {0x44, VK_F10},      {0x45, VK_NUMLOCK},  {0x46, VK_SCROLL},
    {0x47, VK_HOME},      {0x48, VK_UP},         {0x49, VK_PRIOR},    {0x4A, VK_SUBTRACT}, {0x4B, VK_LEFT},
    {0x4C, VK_CLEAR},     {0x4D, VK_RIGHT},      {0x4E, VK_ADD},      {0x4F, VK_END},      {0x50, VK_DOWN},
    {0x51, VK_NEXT},      {0x52, VK_INSERT},     {0x53, VK_DELETE},   {0x57, VK_F11},      {0x58, VK_F12},
    {0x5B, VK_LWIN},      {0x5C, VK_RWIN},       {0x5D, VK_APPS},
};

// Keys that have no place of their own in the table above.
constexpr ScanKey ExtraScans[] = {
    {0x2A, VK_SHIFT},   {0x1D, VK_CONTROL}, {0x38, VK_MENU},    {0x1D, VK_RCONTROL}, {0x38, VK_RMENU},
    {0x52, VK_NUMPAD0}, {0x4F, VK_NUMPAD1}, {0x50, VK_NUMPAD2}, {0x51, VK_NUMPAD3},  {0x4B, VK_NUMPAD4},
    {0x4C, VK_NUMPAD5}, {0x4D, VK_NUMPAD6}, {0x47, VK_NUMPAD7}, {0x48, VK_NUMPAD8},  {0x49, VK_NUMPAD9},
    {0x53, VK_DECIMAL}, {0x35, VK_DIVIDE},  {0x45, VK_PAUSE},   {0x37, VK_SNAPSHOT},
};

// The characters of the digit and punctuation keys, plain and shifted.
struct CharKey {
  UINT Key;
  char Plain;
  char Shifted;
};
constexpr CharKey CharTable[] = {
    {'1', '1', '!'},         {'2', '2', '@'},        {'3', '3', '#'},          {'4', '4', '$'},
    {'5', '5', '%'},         {'6', '6', '^'},        {'7', '7', '&'},          {'8', '8', '*'},
    {'9', '9', '('},         {'0', '0', ')'},        {VK_OEM_MINUS, '-', '_'}, {VK_OEM_PLUS, '=', '+'},
    {VK_OEM_4, '[', '{'},    {VK_OEM_6, ']', '}'},   {VK_OEM_5, '\\', '|'},    {VK_OEM_1, ';', ':'},
    {VK_OEM_7, '\'', '"'},   {VK_OEM_3, '`', '~'},   {VK_OEM_COMMA, ',', '<'}, {VK_OEM_PERIOD, '.', '>'},
    {VK_OEM_2, '/', '?'},    {VK_SPACE, ' ', ' '},   {VK_MULTIPLY, '*', '*'},  {VK_ADD, '+', '+'},
    {VK_SUBTRACT, '-', '-'}, {VK_DECIMAL, '.', '.'}, {VK_DIVIDE, '/', '/'},
};

const CharKey* FindChar(UINT key) {
  for (const CharKey& c : CharTable)
    if (c.Key == key) return &c;
  return nullptr;
}

SHORT StateOf(const std::array<Byte, 256>& keys, int vk) {
  if (vk < 0 || vk > 255) return 0;
  const Byte b = keys[static_cast<std::size_t>(vk)];
  return static_cast<SHORT>(((b & 0x80) ? 0x8000 : 0) | (b & 0x01));
}

UINT Map(UINT code, UINT mapType) {
  switch (mapType) {
    case MAPVK_VK_TO_VSC:
      for (const ScanKey& s : ScanTable)
        if (s.Key == code) return s.Scan;
      for (const ScanKey& s : ExtraScans)
        if (s.Key == code) return s.Scan;
      return 0;
    case MAPVK_VSC_TO_VK:
    case MAPVK_VSC_TO_VK_EX:
      for (const ScanKey& s : ScanTable) {
        if (s.Scan != code) continue;
        if (mapType == MAPVK_VSC_TO_VK) {
          if (s.Key == VK_LSHIFT || s.Key == VK_RSHIFT) return VK_SHIFT;
          if (s.Key == VK_LCONTROL) return VK_CONTROL;
          if (s.Key == VK_LMENU) return VK_MENU;
        }
        return s.Key;
      }
      return 0;
    case MAPVK_VK_TO_CHAR:
      if (code >= 'A' && code <= 'Z') return code;
      if (code >= VK_NUMPAD0 && code <= VK_NUMPAD9) return '0' + (code - VK_NUMPAD0);
      if (const CharKey* c = FindChar(code)) return static_cast<unsigned char>(c->Plain);
      switch (code) {
        case VK_RETURN: return '\r';
        case VK_BACK: return '\b';
        case VK_TAB: return '\t';
        case VK_ESCAPE: return 0x1B;
        default: return 0;
      }
    default: return 0;
  }
}

}  // namespace

SHORT GetKeyState(int virtualKey) { return StateOf(InputRouter::Instance().SyncKeys, virtualKey); }
SHORT GetAsyncKeyState(int virtualKey) { return StateOf(InputRouter::Instance().AsyncKeys, virtualKey); }

bool GetKeyboardState(Byte* state) {
  if (!state) return false;
  const auto& keys = InputRouter::Instance().SyncKeys;
  std::copy(keys.begin(), keys.end(), state);
  return true;
}

UINT MapVirtualKeyA(UINT code, UINT mapType) { return Map(code, mapType); }
UINT MapVirtualKeyW(UINT code, UINT mapType) { return Map(code, mapType); }

bool IsExtendedKey(UINT vk) {
  switch (vk) {
    case VK_INSERT:
    case VK_DELETE:
    case VK_HOME:
    case VK_END:
    case VK_PRIOR:
    case VK_NEXT:
    case VK_LEFT:
    case VK_RIGHT:
    case VK_UP:
    case VK_DOWN:
    case VK_RCONTROL:
    case VK_RMENU:
    case VK_DIVIDE:
    case VK_NUMLOCK:
    case VK_SNAPSHOT:
    case VK_LWIN:
    case VK_RWIN:
    case VK_APPS: return true;
    default: return false;
  }
}

char16_t KeyToChar(UINT vk, const Byte* state) {
  const bool shift = state[VK_SHIFT] & 0x80;
  const bool ctrl = state[VK_CONTROL] & 0x80;
  const bool alt = state[VK_MENU] & 0x80;
  const bool caps = state[VK_CAPITAL] & 0x01;
  if (ctrl && alt) return 0;  // no AltGr characters on a US keyboard
  if (vk >= 'A' && vk <= 'Z') {
    if (ctrl) return static_cast<char16_t>(vk - 'A' + 1);
    return static_cast<char16_t>((shift != caps) ? vk : vk - 'A' + 'a');
  }
  if (vk >= VK_NUMPAD0 && vk <= VK_NUMPAD9) return ctrl ? 0 : static_cast<char16_t>('0' + (vk - VK_NUMPAD0));
  switch (vk) {
    case VK_RETURN: return ctrl ? u'\n' : u'\r';
    case VK_BACK: return ctrl ? 0x7F : 0x08;
    case VK_TAB: return ctrl ? 0 : u'\t';
    case VK_ESCAPE: return 0x1B;
    case VK_CANCEL: return ctrl ? 0x03 : 0;
    default: break;
  }
  if (ctrl) {
    switch (vk) {
      case VK_OEM_4: return 0x1B;
      case VK_OEM_5: return 0x1C;
      case VK_OEM_6: return 0x1D;
      case '6': return shift ? 0x1E : 0;
      case VK_OEM_MINUS: return shift ? 0x1F : 0;
      case VK_SPACE: return u' ';
      default: return 0;
    }
  }
  if (const CharKey* c = FindChar(vk)) return static_cast<char16_t>(shift ? c->Shifted : c->Plain);
  return 0;
}

SHORT VkKeyScanW(char16_t ch) {
  if (ch >= 'a' && ch <= 'z') return static_cast<SHORT>(ch - 'a' + 'A');
  if (ch >= 'A' && ch <= 'Z') return static_cast<SHORT>(0x100 | ch);
  if (ch >= 1 && ch <= 26 && ch != '\b' && ch != '\t' && ch != '\n' && ch != '\r')
    return static_cast<SHORT>(0x200 | (ch - 1 + 'A'));
  switch (ch) {
    case u'\r': return VK_RETURN;
    case u'\n': return static_cast<SHORT>(0x200 | VK_RETURN);
    case u'\b': return VK_BACK;
    case u'\t': return VK_TAB;
    case 0x1B: return VK_ESCAPE;
    default: break;
  }
  // The main keyboard's keys before the keypad's.
  for (const CharKey& c : CharTable) {
    if (c.Key >= VK_MULTIPLY && c.Key <= VK_DIVIDE) continue;
    if (c.Plain == ch) return static_cast<SHORT>(c.Key);
    if (c.Shifted == ch) return static_cast<SHORT>(0x100 | c.Key);
  }
  return -1;
}

SHORT VkKeyScanA(char ch) {
  const auto byte = static_cast<unsigned char>(ch);
  return byte < 0x80 ? VkKeyScanW(byte) : static_cast<SHORT>(-1);
}

}  // namespace plat
