#pragma once
#include <string>

namespace vantric::platform {

class ListBox {
public:
    virtual ~ListBox() = default;
    virtual void Clear() = 0;
    virtual void AddItem(const std::string& text) = 0;
};

}  // namespace vantric::platform
