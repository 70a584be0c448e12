#pragma once

// Every key the program writes to its settings domain.
namespace SettingsKeys {
inline constexpr auto useSystemColor = "useSystemColor";
inline constexpr auto autoPaste = "autoPaste";
inline constexpr auto isWelcomeWasPresented = "isWelcomeWasPresented";
inline constexpr auto configuration = "configuration";
inline constexpr auto favorites = "favorites";
inline constexpr auto recent = "recent";
inline constexpr auto shortcuts = "shortcuts";
inline constexpr auto keyboardShortcut = "keyboardShortcut";
inline constexpr auto remoteDesktopRestoreToken = "remoteDesktopRestoreToken";
} // namespace SettingsKeys
