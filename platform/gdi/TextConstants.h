#pragma once
// The numeric constants of fonts and text output, with their classic values
// (text alignment lives with the other device-context constants).
#include "platform/gdi/GdiConstants.h"
#include "platform/rtl/Types.h"

namespace plat {

// Face names hold at most this many UTF-16 units (or UTF-8 bytes) with the terminator.
constexpr int LF_FACESIZE = 32;

// Font weights.
constexpr int FW_DONTCARE = 0;
constexpr int FW_THIN = 100;
constexpr int FW_EXTRALIGHT = 200;
constexpr int FW_LIGHT = 300;
constexpr int FW_NORMAL = 400;
constexpr int FW_REGULAR = 400;
constexpr int FW_MEDIUM = 500;
constexpr int FW_SEMIBOLD = 600;
constexpr int FW_BOLD = 700;
constexpr int FW_EXTRABOLD = 800;
constexpr int FW_HEAVY = 900;

// Character sets.
constexpr Byte ANSI_CHARSET = 0;
constexpr Byte DEFAULT_CHARSET = 1;
constexpr Byte SYMBOL_CHARSET = 2;
constexpr Byte OEM_CHARSET = 255;

// Pitch (low two bits) and family (high nibble) of lfPitchAndFamily.
constexpr Byte DEFAULT_PITCH = 0;
constexpr Byte FIXED_PITCH = 1;
constexpr Byte VARIABLE_PITCH = 2;
constexpr Byte FF_DONTCARE = 0x00;
constexpr Byte FF_ROMAN = 0x10;
constexpr Byte FF_SWISS = 0x20;
constexpr Byte FF_MODERN = 0x30;
constexpr Byte FF_SCRIPT = 0x40;
constexpr Byte FF_DECORATIVE = 0x50;

// Output precision, clipping precision and quality: accepted and kept, the
// renderer is the same for all.
constexpr Byte OUT_DEFAULT_PRECIS = 0;
constexpr Byte OUT_TT_PRECIS = 4;
constexpr Byte CLIP_DEFAULT_PRECIS = 0;
constexpr Byte DEFAULT_QUALITY = 0;
constexpr Byte NONANTIALIASED_QUALITY = 3;

// tmPitchAndFamily bits. TMPF_FIXED_PITCH set means a variable-pitch font.
constexpr Byte TMPF_FIXED_PITCH = 0x01;
constexpr Byte TMPF_VECTOR = 0x02;
constexpr Byte TMPF_TRUETYPE = 0x04;

// ExtTextOut options.
constexpr UINT ETO_OPAQUE = 0x0002;
constexpr UINT ETO_CLIPPED = 0x0004;

// DrawText formats.
constexpr UINT DT_TOP = 0x00000000;
constexpr UINT DT_LEFT = 0x00000000;
constexpr UINT DT_CENTER = 0x00000001;
constexpr UINT DT_RIGHT = 0x00000002;
constexpr UINT DT_VCENTER = 0x00000004;
constexpr UINT DT_BOTTOM = 0x00000008;
constexpr UINT DT_WORDBREAK = 0x00000010;
constexpr UINT DT_SINGLELINE = 0x00000020;
constexpr UINT DT_EXPANDTABS = 0x00000040;
constexpr UINT DT_NOCLIP = 0x00000100;
constexpr UINT DT_EXTERNALLEADING = 0x00000200;
constexpr UINT DT_CALCRECT = 0x00000400;
constexpr UINT DT_NOPREFIX = 0x00000800;
constexpr UINT DT_EDITCONTROL = 0x00002000;
constexpr UINT DT_PATH_ELLIPSIS = 0x00004000;
constexpr UINT DT_END_ELLIPSIS = 0x00008000;

}  // namespace plat
