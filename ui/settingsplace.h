#pragma once

// Where the settings live, for the window and for the store that --help names without one: the
// organisation's Windows search path, whose name without the slash also names the store on Linux,
// and the prefix of every key.
inline constexpr char SettingsSearchPath[] = "/Ostrevan Software";
inline constexpr char SettingsKeyPrefix[] = "/Velkaro/";
