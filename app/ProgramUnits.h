#pragma once
// The program's units, started before its main block and ended after it, in
// their documented order: the class library and the application object,
// the service link's units, the string table and the routing of the
// runtime's texts through it, the layout classes of the skinned controls
// and of the mark-up label, the help control's entry points, the help
// control found and the debug log started (in that order), and the one
// message box, which also becomes the service link's message box (with the
// application's title, message loop and terminate request behind the
// link's other hooks). Ending closes the debug log, releases the help
// control, the service connection and the localization objects, the
// reverse of the start.
namespace zorbit {

class TProgramUnits {
 public:
  TProgramUnits();
  ~TProgramUnits();
  TProgramUnits(const TProgramUnits&) = delete;
  TProgramUnits& operator=(const TProgramUnits&) = delete;
};

}  // namespace zorbit
