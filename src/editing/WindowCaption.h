#pragma once
#include <string>

namespace vantric {

// "Vantric - [" + the program's full path, or "untitled" when it has none, + "]".
inline std::string WindowCaption(const std::string& currentFileName) {
    return "Vantric - [" + (currentFileName.empty() ? std::string("untitled") : currentFileName) + "]";
}

}  // namespace vantric
