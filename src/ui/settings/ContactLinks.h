#pragma once

// Where the about and support pages send the user.
namespace ContactLinks {
inline constexpr auto makerWebPage = "https://tesselle.io";
inline constexpr auto supportAddress = "support@tesselle.io";
} // namespace ContactLinks
