#include "qt/ToolbarIcons.h"

namespace vantric::qt {

QIcon ToolbarIcon(ToolbarKind toolbar, std::string_view key) {
    struct Picture {
        std::string_view key;
        const char* file;  // in data/icons
    };
    static constexpr Picture kMain[] = {{"new", "new.svg"},
                                        {"open", "open.svg"},
                                        {"save", "save.svg"},
                                        {"cut", "cut.svg"},
                                        {"copy", "copy.svg"},
                                        {"paste", "paste.svg"},
                                        {"compile", "compile.svg"},
                                        {"run", "run.svg"},
                                        {"step", "step.svg"},
                                        {"halt", "halt.svg"},
                                        {"brkpt", "breakpoint.svg"},
                                        {"exit", "exit.svg"},
                                        {"stepover", "step-over.svg"},
                                        {"runtocursor", "run-to-cursor.svg"}};
    static constexpr Picture kMemory[] = {{"cols", "memory-columns.svg"},
                                          {"fill", "memory-fill.svg"},
                                          {"copy", "memory-copy.svg"},
                                          {"reset", "memory-reset.svg"}};
    const auto pick = [key](const auto& pictures) -> QIcon {
        for (const Picture& picture : pictures)
            if (picture.key == key) return QIcon(QStringLiteral(":/icons/") + QLatin1String(picture.file));
        return {};
    };
    return toolbar == ToolbarKind::Main ? pick(kMain) : pick(kMemory);
}

QIcon ApplicationIcon() { return QIcon(QStringLiteral(":/vantric.svg")); }

}  // namespace vantric::qt
