#pragma once

namespace vantric::platform {

// The keys the logic reacts to, as the front ends report them; every other key is Other.
enum class Key { Other, Tab, Return, Up, Down, C, V, X };

}  // namespace vantric::platform
