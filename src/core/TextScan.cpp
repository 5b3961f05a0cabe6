#include "core/TextScan.h"

#include <algorithm>

#include <cstdlib>
#include <string>

namespace vantric {

double ReadDecimalNumber(std::string_view text) {
    std::string compact;
    for (char c : text)
        if (c != ' ' && c != '\t' && c != '\n' && c != '\r') compact += (c == 'd' || c == 'D') ? 'E' : c;
    // strtod would also read hexadecimal, infinities and NaN; keep only the decimal form.
    std::size_t end = 0;
    auto digits = [&] {
        const std::size_t from = end;
        while (end < compact.size() && compact[end] >= '0' && compact[end] <= '9') ++end;
        return end > from;
    };
    if (end < compact.size() && (compact[end] == '+' || compact[end] == '-')) ++end;
    bool any = digits();
    if (end < compact.size() && compact[end] == '.') {
        ++end;
        any = digits() || any;
    }
    if (!any) return 0;
    std::size_t mantissaEnd = end;
    if (end < compact.size() && (compact[end] == 'e' || compact[end] == 'E')) {
        ++end;
        if (end < compact.size() && (compact[end] == '+' || compact[end] == '-')) ++end;
        if (digits()) mantissaEnd = end;
    }
    return std::strtod(compact.substr(0, mantissaEnd).c_str(), nullptr);
}

std::int32_t LineNumberAt(std::string_view text, std::int32_t position) {
    std::int32_t line = 1;
    const auto end = std::min(static_cast<std::size_t>(std::max(position, 0)), text.size());
    for (std::size_t i = 1; i < end; ++i)
        if (text[i] == '\n' && text[i - 1] == '\r') ++line;
    return line;
}

}  // namespace vantric
