#pragma once
// Registers the edit-with-button editors for layouts: TEsgEditBtn and its
// Unicode kin TEsgUniEditBtn (their
// button's width and caption, look, alignment, editor switch and click
// event) and TEsgUnitEditBtn (with its unit and unit area), so that a
// window's layout can declare them. Part of the start-up sequence after the
// class library's own classes (it starts them when they are not yet);
// calling it again does nothing new.
namespace zorbit {

void RegisterEditBtnClasses();

}  // namespace zorbit
