#pragma once
#include <string>

namespace vantric::platform {

// The system's default printer, written to one line at a time. A document starts with the first
// text or line break and is sent as one print job by EndDocument. Texts hold no line breaks of
// their own. Text that reaches the bottom of a page continues on a new page; lines are never wrapped.
//
// Every operation answers false when the printer could not carry it out (no printer, off line, job
// refused); that step is then skipped and the printer takes the next one as it comes.
class Printer {
public:
    virtual ~Printer() = default;
    // False when the system has no printer to send a document to.
    virtual bool HasPrinter() const = 0;
    virtual bool SetFontName(const std::string& name) = 0;
    // Switches the heading emphasis (a Boolean attribute of the font) on or off.
    virtual bool SetEmphasis(bool on) = 0;
    // Prints `text` where the previous one stopped; the next text continues on the same line.
    virtual bool Print(const std::string& text) = 0;
    // Prints a file name (a path as the file system's bytes) where the previous text stopped.
    virtual bool PrintFileName(const std::string& path) = 0;
    // Prints `text`, then ends the line.
    virtual bool PrintLine(const std::string& text) = 0;
    virtual bool NewLine() = 0;
    virtual bool EndDocument() = 0;
};

}  // namespace vantric::platform
