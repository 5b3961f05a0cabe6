#pragma once
#include <QIcon>
#include <string_view>

namespace vantric::qt {

enum class ToolbarKind { Main, Memory };

// The picture of a toolbar button: an SVG file of data/icons, compiled into the program's resources,
// in fixed colours (so it looks the same under every desktop theme). An unknown key gives an empty
// icon.
QIcon ToolbarIcon(ToolbarKind toolbar, std::string_view key);

// The program's own icon, the logo of data/vantric.svg, shared by all its windows.
QIcon ApplicationIcon();

}  // namespace vantric::qt
