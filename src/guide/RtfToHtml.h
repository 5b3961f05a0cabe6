#pragma once
// Turns the user guide readme.rtf into HTML for the program's own help window, so that the guide has
// one source. It reads the part of RTF the guide is written in: paragraphs, headings (a large bold
// paragraph), bullet lines, example lines in the monospaced font, tables, and bold, italic and
// monospaced runs. Other control words are passed over.

#include <string>
#include <string_view>

namespace vantric::guide {

std::string RtfToHtml(std::string_view rtf);

}  // namespace vantric::guide
