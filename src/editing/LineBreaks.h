#pragma once
// Line breaks of program files. The editor holds CR LF breaks; a file keeps the style it was read in.

#include <string>

namespace vantric {

enum class LineBreakStyle { CrLf, Lf };

// LF when the bytes hold a LF and no CR at all; otherwise CR LF (also for a text without breaks,
// and for one that mixes breaks).
LineBreakStyle DetectLineBreaks(const std::string& bytes);

// True when the breaks are not all CR LF or all LF: both kinds, or a lone CR anywhere (the editor
// shows a lone CR as a line break and writes it back as one). Such a file is saved with CR LF.
bool MixesLineBreaks(const std::string& bytes);

// Every LF without a CR before it becomes CR LF; CR LF pairs and lone CRs stay as they are.
std::string ToCrLfText(std::string bytes);

// The editor's text as a file in this style: CR LF pairs become LF for the LF style.
std::string ToFileText(const std::string& editorText, LineBreakStyle style);

}  // namespace vantric
