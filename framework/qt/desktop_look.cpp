#include "framework/qt/desktop_look.h"

#include <private/qguiapplication_p.h>
#include <qpa/qplatformtheme.h>
#include <QApplication>

#include "framework/qt/own_title_bar.h"

namespace {

struct Colours {
    QColor window, text, base, button, highlight, highlightedText, disabled, edge;
};

QPalette PaletteOf(const Colours& colours) {
    QPalette palette(colours.button, colours.window);
    palette.setColor(QPalette::WindowText, colours.text);
    palette.setColor(QPalette::Text, colours.text);
    palette.setColor(QPalette::ButtonText, colours.text);
    palette.setColor(QPalette::Base, colours.base);
    palette.setColor(QPalette::AlternateBase, colours.base);
    palette.setColor(QPalette::Highlight, colours.highlight);
    palette.setColor(QPalette::HighlightedText, colours.highlightedText);
    palette.setColor(QPalette::Shadow, colours.edge);
    palette.setColor(QPalette::ToolTipBase, colours.base);
    palette.setColor(QPalette::ToolTipText, colours.text);
    palette.setColor(QPalette::PlaceholderText, colours.disabled);
    for (const QPalette::ColorRole role :
         {QPalette::WindowText, QPalette::Text, QPalette::ButtonText, QPalette::HighlightedText}) {
        palette.setColor(QPalette::Disabled, role, colours.disabled);
    }
    return palette;
}

}  // namespace

QPalette PaletteFor(const DesktopSettings& settings, const QPalette& light) {
    if (settings.highContrast) {
        const QColor ground = settings.dark ? Qt::black : Qt::white;
        const QColor ink = settings.dark ? Qt::white : Qt::black;
        const QColor faint = settings.dark ? QColor(0xa0, 0xa0, 0xa0) : QColor(0x5c, 0x5c, 0x5c);
        return PaletteOf({ground, ink, ground, ground, ink, ground, faint, ink});
    }
    if (settings.dark) {
        return PaletteOf({QColor(0x2e, 0x2e, 0x2e), QColor(0xee, 0xee, 0xee),
                          QColor(0x1e, 0x1e, 0x1e), QColor(0x3a, 0x3a, 0x3a),
                          QColor(0x1b, 0x6a, 0xcb), Qt::white, QColor(0x8c, 0x8c, 0x8c),
                          QColor(0x9a, 0x9a, 0x9a)});
    }
    return light;
}

bool PlatformThemeSetsPalette() {
    // A theme without a palette of its own gives Qt's default.
    const QPlatformTheme* theme = QGuiApplicationPrivate::platformTheme();
    const QPalette* themePalette =
        theme != nullptr ? theme->palette(QPlatformTheme::SystemPalette) : nullptr;
    return themePalette != nullptr &&
           *themePalette != *QPlatformTheme().palette(QPlatformTheme::SystemPalette);
}

void FollowDesktopLook() {
    const QPalette platformPalette = QApplication::palette();
    const QFont platformFont = QApplication::font();
    const bool themeSetsPalette = PlatformThemeSetsPalette();
    FollowDesktopSettings([=](const DesktopSettings& settings) {
        if (!themeSetsPalette) {
            QApplication::setPalette(PaletteFor(settings, platformPalette));
        }
        QFont scaled = platformFont;
        if (platformFont.pointSizeF() > 0) {
            scaled.setPointSizeF(platformFont.pointSizeF() * settings.textScale);
        } else {
            scaled.setPixelSize(qRound(platformFont.pixelSize() * settings.textScale));
        }
        if (scaled != QApplication::font()) {
            QApplication::setFont(scaled);
        }
        SetTitleBarButtonLayout(settings.buttonLayout);
    });
}
