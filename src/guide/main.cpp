// vantric-guide-html RTF HTML: writes the help window's HTML from the user guide readme.rtf.

#include <fstream>
#include <iostream>
#include <iterator>

#include "guide/RtfToHtml.h"

int main(int argc, char** argv) {
    if (argc != 3) {
        std::cerr << "usage: vantric-guide-html README.rtf OUTPUT.html\n";
        return 64;
    }
    std::ifstream in(argv[1], std::ios::binary);
    const std::string rtf{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    if (!in.good() && !in.eof()) {
        std::cerr << "cannot read " << argv[1] << "\n";
        return 66;
    }
    std::ofstream out(argv[2], std::ios::binary | std::ios::trunc);
    out << vantric::guide::RtfToHtml(rtf);
    out.close();
    if (!out) {
        std::cerr << "cannot write " << argv[2] << "\n";
        return 73;
    }
    return 0;
}
