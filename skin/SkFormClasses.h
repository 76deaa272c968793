#pragma once
// Registers the frame, title bar and menu classes for layouts: TskForm (and
// its title-bar collections' items), TskPopupMenu and TskMainMenu with
// their published properties. Called by RegisterSkinClasses.
namespace zorbit {

void RegisterSkinFrameClasses();

// The names of TskUIStyle's values, by ordinal.
extern const char* const kUIStyleNames[6];

}  // namespace zorbit
