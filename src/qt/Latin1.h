#pragma once
// The logic's 8-bit text and Qt's strings, one byte to one character each way.

#include <QString>
#include <string>
#include <string_view>

namespace vantric::qt {

inline QString Latin1(std::string_view text) {
    return QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()));
}

inline std::string ToLatin1(const QString& text) { return text.toLatin1().toStdString(); }

}  // namespace vantric::qt
