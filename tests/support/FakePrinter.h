#pragma once
// A printer that writes down every call as text: "[font]", "<b>" and "</b>" for the emphasis,
// the texts, "\n" for each line end and "[end]\n" for each document sent.

#include <string>

#include "platform/Printer.h"

namespace vantric::fakes {

class FakePrinter : public platform::Printer {
public:
    bool HasPrinter() const override { return hasPrinter; }
    bool SetFontName(const std::string& name) override { return Add("[" + name + "]"); }
    bool SetEmphasis(bool on) override { return Add(on ? "<b>" : "</b>"); }
    bool Print(const std::string& text) override { return Add(text); }
    bool PrintFileName(const std::string& path) override { return Add(path); }
    bool PrintLine(const std::string& text) override { return Add(text + "\n"); }
    bool NewLine() override { return Add("\n"); }
    bool EndDocument() override { return Add("[end]\n") && ends; }

    std::string printed;
    bool hasPrinter = true;
    bool ends = true;  // false: the document is not sent whole

private:
    bool Add(const std::string& text) {
        printed += text;
        return true;
    }
};

}  // namespace vantric::fakes
