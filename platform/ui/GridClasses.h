#pragma once
// Registers the grids (TDrawGrid, TStringGrid) and the memo (TMemo) for
// layouts, with their published properties and events (part of
// InitClassLibrary). A layout sets the counts before the fixed counts that
// must stay below them; a fixed count at or above its count is a load error.
namespace plat {

void RegisterGridClasses();

}  // namespace plat
