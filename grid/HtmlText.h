#pragma once
// The text routines of the HTML mini-language: stripping mark-up, wrapping
// search hits in highlight tags and removing them again, and the CONTROL
// tag routines that let a cell hold edit boxes, combos, check boxes, radio
// buttons and buttons. Tag and attribute names match without case;
// attribute values are the text between the first two double quotes after
// the attribute name, looked for only inside their own tag. Texts that are
// not well-formed come back unchanged where nothing can be found.
#include "platform/rtl/Types.h"

namespace zorbit {

// Every "<BR>" and "<HR>" (any case) becomes CR LF, then every tag from "<"
// to the next ">" is removed; entities stay as written; an unclosed "<" and
// everything after it stay.
plat::String StripHtml(const plat::String& Html);

// Each occurrence of SearchText in the visible text (outside tags; without
// case unless MatchCase) gets "<Tag>" before its first visible character
// and "</Tag>" before the visible character after it (at the end when there
// is none). An empty SearchText changes nothing.
plat::String HighlightHtmlText(const plat::String& Html, const plat::String& SearchText, const plat::String& Tag,
                               bool MatchCase);
// Every "<Tag>" and "</Tag>" removed, any case.
plat::String RemoveHtmlHighlight(const plat::String& Html, const plat::String& Tag);

// Holds "<CONTROL" in any case.
bool ContainsCellControlTag(const plat::String& Html);
// The ID of the first CONTROL after the one with ID (from the start when ID
// is empty) whose TYPE is none of "BUTTON", "CHECK" and "RADIO"; ID itself
// when there is none.
plat::String NextCellControlID(const plat::String& Html, const plat::String& ID);
// The VALUE of the CONTROL with that ID, entities decoded; empty when none.
plat::String ReadCellControlValue(const plat::String& Html, const plat::String& ID);
// Rewrites the CONTROL with that ID as <CONTROL ID="..." VALUE="..."
// WIDTH="..." TYPE="..."[ PROP="..."]> with Value escaped and TYPE in upper
// case; false (Html untouched) when there is no such control.
bool WriteCellControlValue(plat::String& Html, const plat::String& ID, const plat::String& Value);

}  // namespace zorbit
