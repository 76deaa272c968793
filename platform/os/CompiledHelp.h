#pragma once
// Compiled help files (.chm). Showing a topic means handing a browser a page
// it can read: ExtractCompiledHelp takes every stored file (pages,
// pictures, style sheets) out of the help file into a folder, keeping their
// paths, so the topic's page finds what it links to.
//
// The file is read with libchm in a child process (IsolatedCall.h): the
// library trusts the file, and a hostile one that crashes it gives
// ECompiledHelpError like any other damaged file. What the library would
// size its buffers and divide by is checked before it opens the file
// (detail/CompiledHelpCheck.h). Stored names are taken apart by "/" and
// written below the folder only (no "..", no links followed,
// TFolderHandle); a name that cannot be written is skipped, and what is
// written is bounded (kMaxHelpFiles files, kMaxHelpBytes bytes).
#include "platform/rtl/Exception.h"
#include "platform/rtl/Types.h"

namespace plat {

// The file cannot be opened, is no compiled help file, is damaged, lacks the
// topic, or the topic's page cannot be written.
class ECompiledHelpError : public Exception {
  using Exception::Exception;
};

inline constexpr int kMaxHelpFiles = 20000;
inline constexpr Int64 kMaxHelpBytes = Int64{256} << 20;

// Extracts the help file below folder (an existing folder of the caller's)
// and answers the local path of the topic's page. topic is a stored name
// ("/html/page.htm", compared without case as the format does; a missing
// leading "/" is supplied); an empty topic is the file's default topic, as
// its system data names it.
String ExtractCompiledHelp(const String& helpFile, const String& topic, const String& folder);

}  // namespace plat
