#include "guide/RtfToHtml.h"

#include <algorithm>
#include <cctype>
#include <optional>
#include <set>
#include <tuple>
#include <vector>

namespace vantric::guide {

namespace {

constexpr int kDefaultSize = 24;  // half-points, as \fs counts
constexpr const char* kBullet = "\xE2\x80\xA2";

struct Format {
    bool bold = false;
    bool italic = false;
    bool mono = false;
    int size = kDefaultSize;
    bool operator==(const Format&) const = default;
};

struct Run {
    std::string text;
    Format format;
};

// The group kinds whose text is not part of the document.
enum class Destination { Body, FontTable, Title, Skipped };

enum class Block { None, List, Code, Table };

std::string Escaped(std::string_view text) {
    std::string html;
    for (char c : text) {
        switch (c) {
            case '&': html += "&amp;"; break;
            case '<': html += "&lt;"; break;
            case '>': html += "&gt;"; break;
            case '"': html += "&quot;"; break;
            default: html += c;
        }
    }
    return html;
}

// The runs' text with the formatting that differs from the paragraph's own as inline tags.
std::string Inline(const std::vector<Run>& runs, const Format& base) {
    std::string html;
    for (const Run& run : runs) {
        std::string text = Escaped(run.text);
        for (std::size_t at = 0; (at = text.find('\n', at)) != std::string::npos;) text.replace(at, 1, "<br/>");
        if (run.format.mono && !base.mono) text = "<code>" + text + "</code>";
        if (run.format.italic && !base.italic) text = "<i>" + text + "</i>";
        if (run.format.bold && !base.bold) text = "<b>" + text + "</b>";
        html += text;
    }
    return html;
}

std::string PlainText(const std::vector<Run>& runs) {
    std::string text;
    for (const Run& run : runs) text += run.text;
    return text;
}

// Drops blanks and tabs at the end of the paragraph and, unless it keeps its indentation, at the start.
void Trim(std::vector<Run>& runs, bool keepIndentation = false) {
    while (!runs.empty() && !keepIndentation) {
        std::string& text = runs.front().text;
        text.erase(0, text.find_first_not_of(" \t"));
        if (!text.empty()) break;
        runs.erase(runs.begin());
    }
    while (!runs.empty()) {
        std::string& text = runs.back().text;
        text.erase(text.find_last_not_of(" \t") + 1);
        if (!text.empty()) break;
        runs.pop_back();
    }
}

class Converter {
public:
    std::string Convert(std::string_view rtf);

private:
    void Group(bool open);
    void ControlWord(std::string_view word, std::optional<int> parameter);
    void Text(std::string_view text);
    void EndParagraph();
    void EndCell();
    void EndRow();
    void Open(Block block, const char* openTag);

    std::vector<std::pair<Format, Destination>> groups_;
    Format format_;
    Destination destination_ = Destination::Body;
    bool ignorableNext_ = false;  // "\*": the group is a destination the reader may skip
    std::set<int> monoFonts_;
    int fontDefined_ = 0;
    std::string title_;

    bool inTable_ = false;  // the paragraph is in a table cell
    bool heading_ = false;  // \keepn: a heading that stays with the next paragraph
    bool headerRow_ = false;
    std::vector<Run> runs_;
    std::vector<std::string> cells_;
    Block open_ = Block::None;
    std::string body_;
};

void Converter::Group(bool open) {
    if (open) {
        groups_.emplace_back(format_, destination_);
        return;
    }
    if (groups_.empty()) return;
    std::tie(format_, destination_) = groups_.back();
    groups_.pop_back();
}

void Converter::ControlWord(std::string_view word, std::optional<int> parameter) {
    const bool on = parameter.value_or(1) != 0;
    if (word == "fonttbl") destination_ = Destination::FontTable;
    if (word == "colortbl" || word == "info" || word == "stylesheet" || word == "pict" || word == "header" ||
        word == "footer" || (ignorableNext_ && destination_ == Destination::Body)) {
        destination_ = Destination::Skipped;
    }
    ignorableNext_ = false;
    if (word == "title" && destination_ == Destination::Skipped) destination_ = Destination::Title;
    if (destination_ == Destination::FontTable) {
        if (word == "f") fontDefined_ = parameter.value_or(0);
        if (word == "fmodern") monoFonts_.insert(fontDefined_);
        return;
    }
    if (destination_ != Destination::Body) return;

    if (word == "plain")
        format_ = Format{};
    else if (word == "pard")
        inTable_ = heading_ = false;
    else if (word == "intbl")
        inTable_ = true;
    else if (word == "keepn")
        heading_ = true;
    else if (word == "b")
        format_.bold = on;
    else if (word == "i")
        format_.italic = on;
    else if (word == "f")
        format_.mono = monoFonts_.count(parameter.value_or(0)) > 0;
    else if (word == "fs")
        format_.size = parameter.value_or(kDefaultSize);
    else if (word == "par")
        EndParagraph();
    else if (word == "line")
        Text("\n");
    else if (word == "cell")
        EndCell();
    else if (word == "row")
        EndRow();
    else if (word == "trowd")
        headerRow_ = false;
    else if (word == "clcbpat")
        headerRow_ = true;  // a shaded row is the table's heading
    else if (word == "tab")
        Text("\t");
    else if (word == "bullet")
        Text(kBullet);
    else if (word == "endash")
        Text("\xE2\x80\x93");
    else if (word == "emdash")
        Text("\xE2\x80\x94");
    else if (word == "lquote")
        Text("\xE2\x80\x98");
    else if (word == "rquote")
        Text("\xE2\x80\x99");
    else if (word == "ldblquote")
        Text("\xE2\x80\x9C");
    else if (word == "rdblquote")
        Text("\xE2\x80\x9D");
}

void Converter::Text(std::string_view text) {
    if (destination_ == Destination::Title) title_ += text;
    if (destination_ != Destination::Body || text.empty()) return;
    if (!runs_.empty() && runs_.back().format == format_)
        runs_.back().text += text;
    else
        runs_.push_back({std::string(text), format_});
}

void Converter::Open(Block block, const char* openTag) {
    if (open_ == block) return;
    static constexpr const char* kCloseTags[] = {"", "</ul>\n", "</pre>\n", "</table>\n"};
    body_ += kCloseTags[static_cast<int>(open_)];
    body_ += openTag;
    open_ = block;
}

void Converter::EndParagraph() {
    if (inTable_) {
        Text("\n");
        return;
    }
    std::vector<Run> runs = std::move(runs_);
    runs_.clear();
    const Format base = format_;  // the paragraph's own formatting, its inner groups closed
    // An example line keeps its indentation: the tab before an instruction sets it apart from a label.
    Trim(runs, base.mono);
    if (runs.empty()) {
        Open(Block::None, "");
        return;
    }
    if (runs.front().text.rfind(kBullet, 0) == 0) {
        runs.front().text.erase(0, std::string_view(kBullet).size());
        Trim(runs);
        Open(Block::List, "<ul>\n");
        body_ += "<li>" + Inline(runs, base) + "</li>\n";
    } else if (base.mono) {
        Open(Block::Code, "<pre>");
        body_ += Escaped(PlainText(runs)) + "\n";
    } else if (heading_ && base.bold) {
        const char* level = base.size >= 36 ? "h1" : base.size >= 26 ? "h2" : "h3";
        Open(Block::None, "");
        body_ += std::string("<") + level + ">" + Inline(runs, base) + "</" + level + ">\n";
    } else {
        Open(Block::None, "");
        body_ += "<p>" + Inline(runs, base) + "</p>\n";
    }
}

void Converter::EndCell() {
    std::vector<Run> runs = std::move(runs_);
    runs_.clear();
    Trim(runs);
    cells_.push_back(Inline(runs, format_));
}

void Converter::EndRow() {
    Open(Block::Table, "<table border=\"1\" cellspacing=\"0\" cellpadding=\"4\">\n");
    const char* cell = headerRow_ ? "th" : "td";
    body_ += "<tr>";
    for (const std::string& text : cells_) body_ += std::string("<") + cell + ">" + text + "</" + cell + ">";
    body_ += "</tr>\n";
    cells_.clear();
}

std::string Converter::Convert(std::string_view rtf) {
    std::size_t i = 0;
    while (i < rtf.size()) {
        const char c = rtf[i];
        if (c == '{' || c == '}') {
            Group(c == '{');
            ++i;
        } else if (c == '\r' || c == '\n') {
            ++i;
        } else if (c != '\\') {
            const std::size_t end = std::min(rtf.find_first_of("{}\\\r\n", i), rtf.size());
            Text(rtf.substr(i, end - i));
            i = end;
        } else if (i + 1 < rtf.size() && std::isalpha(static_cast<unsigned char>(rtf[i + 1]))) {
            std::size_t end = i + 1;
            while (end < rtf.size() && std::isalpha(static_cast<unsigned char>(rtf[end]))) ++end;
            const std::string_view word = rtf.substr(i + 1, end - i - 1);
            std::optional<int> parameter;
            const std::size_t digits = end;
            if (end < rtf.size() && rtf[end] == '-') ++end;
            while (end < rtf.size() && std::isdigit(static_cast<unsigned char>(rtf[end])) && end - digits < 9) ++end;
            if (end > digits && std::isdigit(static_cast<unsigned char>(rtf[end - 1])))
                parameter = std::stoi(std::string(rtf.substr(digits, end - digits)));
            else
                end = digits;
            if (end < rtf.size() && rtf[end] == ' ') ++end;  // the word's delimiter, not text
            ControlWord(word, parameter);
            i = end;
        } else {
            const char symbol = i + 1 < rtf.size() ? rtf[i + 1] : '\0';
            i += 2;
            if (symbol == '\\' || symbol == '{' || symbol == '}') {
                Text(std::string(1, symbol));
            } else if (symbol == '~') {
                Text("\xC2\xA0");
            } else if (symbol == '*') {
                ignorableNext_ = true;
            } else if (symbol == '\'' && i + 2 <= rtf.size() && std::isxdigit(static_cast<unsigned char>(rtf[i])) &&
                       std::isxdigit(static_cast<unsigned char>(rtf[i + 1]))) {
                // A code page byte; the guide's code page agrees with Latin-1 here, written as UTF-8.
                const int byte = std::stoi(std::string(rtf.substr(i, 2)), nullptr, 16);
                i += 2;
                const char utf8[] = {static_cast<char>(0xC0 | (byte >> 6)), static_cast<char>(0x80 | (byte & 0x3F))};
                Text(byte < 0x80 ? std::string(1, static_cast<char>(byte)) : std::string(utf8, 2));
            }
        }
    }
    EndParagraph();
    Open(Block::None, "");
    return "<!DOCTYPE html>\n<html><head><meta charset=\"utf-8\"/><title>" + Escaped(title_) +
           "</title></head>\n<body>\n" + body_ + "</body></html>\n";
}

}  // namespace

std::string RtfToHtml(std::string_view rtf) { return Converter().Convert(rtf); }

}  // namespace vantric::guide
