#pragma once

namespace vantric::platform {

// Key codes of key-down notifications and character codes of key-press notifications, as the
// handlers see them. A handler cancels a key by setting its code to kKeyCancelled.
inline constexpr int kKeyCancelled = 0;
inline constexpr int kKeyTab = 9;
inline constexpr int kKeyReturn = 13;  // also the character code of Enter
inline constexpr int kKeyUp = 38;
inline constexpr int kKeyDown = 40;
inline constexpr int kKeyC = 67;  // letter keys carry their upper-case character code
inline constexpr int kKeyV = 86;
inline constexpr int kKeyX = 88;

}  // namespace vantric::platform
