#pragma once
// The tool-tip window class of ToolTips.h: its registration and the
// control behind each window of it (tools, text, timing, tracking,
// showing, painting). Internal to the window layer; programs use the
// messages.
namespace plat {

// Registers "tooltips_class32"; true when it is (or already was) registered.
// The window list calls it as it starts, as the common controls register
// their classes when they are loaded.
bool RegisterToolTipClass();

}  // namespace plat
