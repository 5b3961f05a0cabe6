#pragma once
// Texts that may hold a file name: the caption, message boxes and print-out headings. Paths are the
// file system's bytes, UTF-8 on this system; a text that is not valid UTF-8 shows each byte as the
// 8-bit character it is, so nothing is lost or replaced. Every place that shows a name decodes it here.

#include <QString>
#include <QStringDecoder>
#include <string>

namespace vantric::qt {

inline QString TextWithFileName(const std::string& text) {
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    const QString decoded = utf8.decode(QByteArrayView(text.data(), static_cast<qsizetype>(text.size())));
    return utf8.hasError() ? QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size())) : decoded;
}

}  // namespace vantric::qt
