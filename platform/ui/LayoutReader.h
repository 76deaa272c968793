#pragma once
// Layouts as data: a window's component tree, property values and event
// bindings in JSON, read into an existing root component (a form).
//
//   {
//     "Inherits": "TfmBaseUI",            root only: a layout read first
//     "Name": "fmMain",
//     "Tag": 5, "Font": {"Name": "Arial", "Style": ["fsBold"]}, "Font.Color": "clRed",
//     "OnCreate": "FormCreate",
//     "Components": [
//       {"Class": "TPanel", "Name": "PanelBody", "Align": "alClient",
//        "Components": [{"Class": "TLabel", "Name": "lbTitle", "FocusControl": "edtName"}]},
//       {"Name": "btnHelp", "Left": 556}   no "Class": changes a component of an inherited layout
//     ]
//   }
//
// Every component of the tree is owned by the root; a new one is also placed
// under its container (SetParentComponent), top-level ones under the root.
// An entry without "Class" changes a component that an inherited layout
// made, which stays where it is; components nested in it are placed under it.
// Every component of a layout is made before any property is set, so a
// component reference may name one written later. Properties are set in the
// order written, the root's first, through the property table of the
// object's registered class (LayoutClasses.h); a dotted name reaches into an
// object property. Events are bound to the handlers the root registered.
// The root and every component read are in csLoading until the end, and in
// csReading while their own properties are set; then each gets Loaded, the
// components in reading order and the root last.
//
// Any fault raises ELayoutError naming the layout and the component,
// property, class, handler or component reference at fault: unknown names,
// values of the wrong kind or range, an inheritance cycle, more than 100
// levels of nesting, an object of more than 256 members, more than 1024
// components, a text over 1 MiB. The components the read created are then
// deleted again.
#include "platform/rtl/Types.h"
#include "platform/ui/LayoutError.h"
#include "platform/ui/LayoutHandlers.h"
#include "platform/ui/TComponent.h"

namespace plat {

// Reads the layout resource Name (RT_RCDATA, platform/os/Resources.h) into Root.
void ReadLayout(TComponent& Root, const String& Name, const TLayoutHandlers& Handlers);
// Reads a layout from its text; LayoutName names it in messages. Layouts it
// inherits are resources.
void ReadLayoutText(TComponent& Root, const String& Text, const String& LayoutName, const TLayoutHandlers& Handlers);

}  // namespace plat
