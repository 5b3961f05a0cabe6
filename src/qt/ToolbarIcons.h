#pragma once
#include <QIcon>
#include <string_view>

namespace vantric::qt {

enum class ToolbarKind { Main, Memory };

// The picture of a toolbar button, drawn at start-up in fixed colours (so it looks the same under
// every desktop theme) at 16, 24, 32 and 48 pixels. An unknown key gives an empty icon.
QIcon ToolbarIcon(ToolbarKind toolbar, std::string_view key);

// The program's own icon, shared by all its windows.
QIcon ApplicationIcon();

}  // namespace vantric::qt
