#include "editing/LineBreaks.h"

namespace vantric {

LineBreakStyle DetectLineBreaks(const std::string& bytes) {
    const bool hasLf = bytes.find('\n') != std::string::npos;
    return hasLf && bytes.find('\r') == std::string::npos ? LineBreakStyle::Lf : LineBreakStyle::CrLf;
}

bool MixesLineBreaks(const std::string& bytes) {
    bool crLf = false;
    bool lf = false;
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        if (bytes[i] == '\r') {
            if (i + 1 == bytes.size() || bytes[i + 1] != '\n') return true;
            crLf = true;
            ++i;
        } else if (bytes[i] == '\n') {
            lf = true;
        }
    }
    return crLf && lf;
}

std::string ToCrLfText(std::string bytes) {
    std::size_t bareLfs = 0;
    for (std::size_t i = 0; i < bytes.size(); ++i)
        if (bytes[i] == '\n' && (i == 0 || bytes[i - 1] != '\r')) ++bareLfs;
    if (bareLfs == 0) return bytes;
    // Widened in place from the end, so the text is never held twice beside the bytes.
    std::size_t from = bytes.size();
    bytes.resize(bytes.size() + bareLfs);
    for (std::size_t to = bytes.size(); from > 0;) {
        const char c = bytes[--from];
        bytes[--to] = c;
        if (c == '\n' && (from == 0 || bytes[from - 1] != '\r')) bytes[--to] = '\r';
    }
    return bytes;
}

std::string ToFileText(const std::string& editorText, LineBreakStyle style) {
    if (style == LineBreakStyle::CrLf) return editorText;
    std::string bytes;
    bytes.reserve(editorText.size());
    for (std::size_t i = 0; i < editorText.size(); ++i)
        if (!(editorText[i] == '\r' && i + 1 < editorText.size() && editorText[i + 1] == '\n')) bytes += editorText[i];
    return bytes;
}

}  // namespace vantric
