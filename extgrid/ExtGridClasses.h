#pragma once
// Registers the advanced grid's classes for layouts: TExtStringGrid with its
// published properties and events, and its settings objects as nested
// objects ("ColumnSize": {"Save": true}, "CellNode.ShowTree": false), with
// the filter conditions as a collection and the header lists as string
// lists; the editor link TEditLink and the control editors TControlEdit
// and TControlCombo. Part of the start-up sequence after the grid base's
// and the combo boxes' classes (it registers them when they are not yet).
namespace zorbit {

void RegisterExtGridClasses();

}  // namespace zorbit
