#pragma once
// TTextFileReader: a text file read line by line, as the runtime reads text
// files. A line ends at CR LF, at LF or at a lone CR; the last line needs no
// end, and a file that ends with a line end has no empty line after it.
// Lines are bytes as the file holds them (no code page conversion; NUL
// bytes are kept).
//
// Promises: Open reports failure by its result (false, with the last error
// set); a read that fails afterwards raises EInOutError "I/O error <code>"
// with the Win32 error code, and the reader stays open until Close or its
// destruction. Reset goes back to the first line. Memory stays bounded by
// the longest line.
#include <vector>

#include "platform/rtl/Types.h"

namespace plat {

class TTextFileReader {
 public:
  TTextFileReader() = default;
  ~TTextFileReader();
  TTextFileReader(const TTextFileReader&) = delete;
  TTextFileReader& operator=(const TTextFileReader&) = delete;

  // Opens for reading; a reader already open is closed first.
  bool Open(const String& fileName);
  bool IsOpen() const { return FHandle >= 0; }
  // The next line, false at the end of the file.
  bool ReadLine(String& line);
  // Back to the first line.
  void Reset();
  void Close();

 private:
  // Refills the buffer; false at the end of the file.
  bool Fill();
  // Where the line at FPosition ends in the buffer: its CR or LF, or FEnd.
  std::size_t LineEnd();

  static constexpr std::size_t kUnknown = static_cast<std::size_t>(-1);

  int FHandle = -1;
  std::vector<char> FBuffer;
  std::size_t FPosition = 0;
  std::size_t FEnd = 0;
  // The first LF at or after FPosition (FEnd when none): found once per
  // buffer, not once per line, so lines ending in a lone CR cost no rescan.
  std::size_t FLineFeed = kUnknown;
};

}  // namespace plat
