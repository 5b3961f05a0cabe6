#pragma once

namespace vantric::platform {

// Key codes of key-down notifications and character codes of key-press notifications, as the
// handlers see them. A handler cancels a key by setting its code to kKeyCancelled.
inline constexpr int kKeyCancelled = 0;
inline constexpr int kKeyReturn = 13;  // also the character code of Enter
inline constexpr int kKeyUp = 38;
inline constexpr int kKeyDown = 40;

}  // namespace vantric::platform
