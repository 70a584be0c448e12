#pragma once

// The lines a later start and the running program exchange on the socket.
namespace InstanceProtocol {

inline constexpr char toggleRequest[] = "toggle\n";
inline constexpr char settingsRequest[] = "settings\n";
inline constexpr char quitRequest[] = "quit\n";
// The answer to a quit at once: "quitting <process id>".
inline constexpr char quittingAnswer[] = "quitting ";
// The answer at the end: "ended <exit code>", then on failure a space and why.
inline constexpr char endedAnswer[] = "ended ";
// No request is longer; a client that sends more without a line feed is dropped.
inline constexpr int longestRequest = 64;

} // namespace InstanceProtocol
