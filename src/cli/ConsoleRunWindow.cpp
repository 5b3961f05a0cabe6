#include "cli/ConsoleRunWindow.h"

namespace vantric::console {

void ConsoleRunWindow::AddItem(const std::string& text) {
    if (text == "Press 'Close' to see the line containing the error") return;
    out_ << text << '\n';
}

}  // namespace vantric::console
