#include "framework/qt/title_bar_rules.h"

#include <algorithm>

#include "framework/qt/contrast.h"

namespace {

// What a glyph or the title needs against its ground: WCAG's contrast for what is not text.
constexpr double kGlyphContrast = 3.0;

}  // namespace

TitleBarButtons ArrangeTitleBarButtons(const std::string& layout,
                                       const std::vector<WindowCommand>& commands) {
    TitleBarButtons arranged;
    if (layout.empty()) {
        for (const WindowCommand& command : commands) {
            arranged.end.push_back(command.id);
        }
        return arranged;
    }
    const auto has = [&commands](UINT id) {
        return std::any_of(commands.begin(), commands.end(),
                           [id](const WindowCommand& command) { return command.id == id; });
    };
    std::vector<UINT>* side = &arranged.start;
    std::string name;
    for (const char c : layout + ",") {
        if (c != ',' && c != ':') {
            name += c;
            continue;
        }
        const UINT id = name == "close" ? SC_CLOSE : name == "minimize" ? SC_MINIMIZE : 0;
        if (id != 0 && has(id)) {
            side->push_back(id);
        }
        name.clear();
        if (c == ':') {
            side = &arranged.end;
        }
    }
    return arranged;
}

TitleButtonColours TitleButtonColoursFor(const QPalette& palette, bool active,
                                         TitleButtonState state) {
    const QColor bar = palette.color(QPalette::Window);
    const TitleButtonColours inverted{palette.color(QPalette::WindowText), bar};
    switch (state) {
        case TitleButtonState::Normal:
            return {bar, TitleColourFor(palette, active)};
        case TitleButtonState::Hovered: {
            const TitleButtonColours highlighted{palette.color(QPalette::Highlight),
                                                 palette.color(QPalette::HighlightedText)};
            return ContrastRatio(highlighted.glyph, highlighted.ground) >= kGlyphContrast
                       ? highlighted
                       : inverted;
        }
        case TitleButtonState::Pressed:
            return inverted;
    }
    return inverted;
}

QColor TitleColourFor(const QPalette& palette, bool active) {
    const QColor text = palette.color(QPalette::WindowText);
    if (active) {
        return text;
    }
    const QColor bar = palette.color(QPalette::Window);
    const QColor faint = palette.color(QPalette::Disabled, QPalette::WindowText);
    for (int step = 0; step <= 10; ++step) {
        const double t = step / 10.0;
        const QColor mixed = QColor::fromRgbF(faint.redF() + (text.redF() - faint.redF()) * t,
                                              faint.greenF() + (text.greenF() - faint.greenF()) * t,
                                              faint.blueF() + (text.blueF() - faint.blueF()) * t);
        if (ContrastRatio(mixed, bar) >= kGlyphContrast) {
            return mixed;
        }
    }
    return text;
}
