#pragma once
// A printer that keeps the lines it was given, each emphasised run wrapped in "**".

#include <string>
#include <vector>

#include "platform/Printer.h"

namespace vantric::fakes {

class FakePrinter : public platform::Printer {
public:
    bool HasPrinter() const override { return hasPrinter; }
    bool SetFontName(const std::string& name) override {
        font = name;
        return true;
    }
    bool SetEmphasis(bool on) override {
        emphasis = on;
        return true;
    }
    bool Print(const std::string& text) override {
        if (text.empty()) return true;
        if (!emphasis) {
            line += text;
        } else if (emphasisOpen_) {
            line.insert(line.size() - 2, text);  // the run goes on
        } else {
            line += "**" + text + "**";
        }
        emphasisOpen_ = emphasis;
        return true;
    }
    bool PrintFileName(const std::string& path) override { return Print(path); }
    bool PrintLine(const std::string& text) override { return Print(text) && NewLine(); }
    bool NewLine() override {
        lines.push_back(line);
        line.clear();
        emphasisOpen_ = false;
        return true;
    }
    bool EndDocument() override {
        ++documents;
        return true;
    }

    bool hasPrinter = true;
    std::string font;
    bool emphasis = false;
    std::vector<std::string> lines;  // the finished lines of every document so far
    std::string line;                // the line under way
    int documents = 0;

private:
    bool emphasisOpen_ = false;  // the line ends in an emphasised run
};

}  // namespace vantric::fakes
