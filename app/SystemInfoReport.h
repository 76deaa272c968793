#pragma once
// The System Info window's pages as plain text, for the clipboard and the
// text editor: each row's caption padded with blanks to the longest caption
// of its list plus two, then its value; a captioned group under a heading
// line. Captions carry no leading blanks here (those belong to the grid).
#include "app/SystemInfoPages.h"

namespace plat {
class TStrings;
}

namespace zorbit {

// Appends the page: a plain page's rows and an empty line; a grouped page,
// per group, Mark + " " + caption + " " + Mark, its rows and an empty line.
// An empty separator row stays an empty line.
void WritePageReport(const TInfoPage& Page, const plat::String& Mark, plat::TStrings& Report);

// Every page under its title: Summary, Processor, Motherboard, BIOS,
// Network, Memory, Video, Audio, each followed by an empty line (the
// Motherboard's own serves), and a last empty line.
void WriteAllPagesReport(const IpfqServPtr& Serv, const TScreenMode& Screen, bool HideSerialPort,
                         plat::TStrings& Report);

}  // namespace zorbit
