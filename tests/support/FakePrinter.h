#pragma once
// A printer that keeps the lines it was given, emphasised pieces wrapped in "**".

#include <string>
#include <vector>

#include "platform/Printer.h"

namespace vantric::fakes {

class FakePrinter : public platform::Printer {
public:
    bool SetFontName(const std::string& name) override {
        font = name;
        return true;
    }
    bool SetEmphasis(bool on) override {
        emphasis = on;
        return true;
    }
    bool Print(const std::string& text) override {
        const char* mark = emphasis && !text.empty() ? "**" : "";
        line += mark + text + mark;
        return true;
    }
    bool PrintLine(const std::string& text) override { return Print(text) && NewLine(); }
    bool NewLine() override {
        lines.push_back(line);
        line.clear();
        return true;
    }
    bool EndDocument() override {
        ++documents;
        return true;
    }

    std::string font;
    bool emphasis = false;
    std::vector<std::string> lines;  // the finished lines of every document so far
    std::string line;                // the line under way
    int documents = 0;
};

}  // namespace vantric::fakes
