#include "framework/qt/dialog_units.h"

#include <QApplication>
#include <QEvent>
#include <QFontMetrics>
#include <utility>

namespace {

// a * b / c, rounded to the nearest integer, as Windows' MulDiv.
int MulDiv(int a, int b, int c) {
    const long long product = static_cast<long long>(a) * b;
    const long long half = c / 2;
    return static_cast<int>(product >= 0 ? (product + half) / c : (product - half) / c);
}

// Qt tells the application object of a new font, and widgets only while its event loop runs.
class FontChangeWatcher : public QObject {
public:
    FontChangeWatcher(QObject& owner, std::function<void()> react)
        : QObject(&owner), react_(std::move(react)) {
        qApp->installEventFilter(this);
    }

    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched == qApp && event->type() == QEvent::ApplicationFontChange) {
            react_();
        }
        return false;
    }

private:
    std::function<void()> react_;
};

}  // namespace

DialogBaseUnits DialogBaseUnits::Of(const QFont& font) {
    const QFontMetrics metrics(font);
    const int letters = metrics.horizontalAdvance(
        QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz"));
    return {(letters / 26 + 1) / 2, metrics.height()};
}

int DialogBaseUnits::ToPixelsX(int x) const {
    return MulDiv(x, width, 4);
}

int DialogBaseUnits::ToPixelsY(int y) const {
    return MulDiv(y, height, 8);
}

QRect DialogBaseUnits::ToPixels(int x, int y, int cx, int cy) const {
    return {ToPixelsX(x), ToPixelsY(y), ToPixelsX(cx), ToPixelsY(cy)};
}

QFont TemplateFont(int pointSize, int weight, bool italic) {
    QFont font = QApplication::font();
    font.setStyleHint(QFont::SansSerif);
    // The template's size, or the desktop's general font where that is larger: people who
    // enlarge their desktop's font to read it get a calculator that grows with it.
    const double desktop = font.pointSizeF();
    if (pointSize > 0 && (desktop <= 0 || pointSize > desktop)) {
        font.setPointSize(pointSize);
    }
    if (weight >= 600) {
        font.setBold(true);
    }
    font.setItalic(italic);
    return font;
}

void WhenDesktopFontChanges(QObject& owner, std::function<void()> react) {
    new FontChangeWatcher(owner, std::move(react));
}
