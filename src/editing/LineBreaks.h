#pragma once
// Line breaks of program files. The editor holds CR LF breaks; a file keeps the style it was read in.

#include <string>

namespace vantric {

enum class LineBreakStyle { CrLf, Lf };

// LF when the bytes hold a LF and no CR LF; otherwise CR LF (also for a text without breaks).
LineBreakStyle DetectLineBreaks(const std::string& bytes);

// Every LF without a CR before it becomes CR LF; CR LF pairs and lone CRs stay as they are.
std::string ToCrLfText(const std::string& bytes);

// The editor's text as a file in this style: CR LF pairs become LF for the LF style.
std::string ToFileText(const std::string& editorText, LineBreakStyle style);

}  // namespace vantric
