#include "framework/qt/own_title_bar.h"

#include <QAbstractButton>
#include <QLayout>
#include <QMouseEvent>
#include <QPainter>
#include <QWindow>
#include <algorithm>
#include <functional>
#include <vector>

#include "framework/qt/contrast.h"
#include "framework/qt/wayland_connection.h"

namespace {

constexpr int kEdge = 1;
constexpr int kButtonSize = 24;
constexpr int kPadding = 4;
// What a glyph or the title needs against its ground: WCAG's contrast for what is not text.
constexpr double kGlyphContrast = 3.0;

enum class Glyph { Minimize, Close };

class TitleButton : public QAbstractButton {
public:
    TitleButton(Glyph glyph, const QString& name, int size, QWidget* parent)
        : QAbstractButton(parent), glyph_(glyph) {
        setFocusPolicy(Qt::NoFocus);
        setAccessibleName(name);
        setToolTip(name);
        setFixedSize(size, size);
    }

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        painter.setRenderHint(QPainter::Antialiasing);
        const TitleButtonState state = isDown()       ? TitleButtonState::Pressed
                                       : underMouse() ? TitleButtonState::Hovered
                                                      : TitleButtonState::Normal;
        const TitleButtonColours colours =
            TitleButtonColoursFor(palette(), window()->isActiveWindow(), state);
        if (state != TitleButtonState::Normal) {
            painter.setPen(Qt::NoPen);
            painter.setBrush(colours.ground);
            painter.drawEllipse(rect().adjusted(1, 1, -1, -1));
        }
        // The glyph a third of the button wide, its stroke growing with it.
        const qreal inset = width() / 3.0;
        painter.setPen(QPen(colours.glyph, std::max(1.5, width() / 16.0)));
        const QRectF glyph = QRectF(rect()).adjusted(inset, inset, -inset, -inset);
        if (glyph_ == Glyph::Close) {
            painter.drawLine(glyph.topLeft(), glyph.bottomRight());
            painter.drawLine(glyph.bottomLeft(), glyph.topRight());
        } else {
            painter.drawLine(glyph.bottomLeft(), glyph.bottomRight());
        }
    }

private:
    Glyph glyph_;
};

// The bar across the top of the window: icon, title and buttons, in the window's palette.
class TitleBar : public QWidget {
public:
    TitleBar(QWidget& window, const std::vector<WindowCommand>& commands,
             const std::function<void(UINT)>& send)
        : QWidget(&window) {
        setFocusPolicy(Qt::NoFocus);
        QFont bold = font();
        bold.setBold(true);
        setFont(bold);
        // The buttons stand at the right in the window menu's order, the last rightmost; they
        // grow with the title's font.
        buttonSize_ = std::max(kButtonSize, fontMetrics().height() + 8);
        for (auto command = commands.rbegin(); command != commands.rend(); ++command) {
            const Glyph glyph = command->id == SC_MINIMIZE ? Glyph::Minimize : Glyph::Close;
            auto* button =
                new TitleButton(glyph, QString::fromStdString(command->text), buttonSize_, this);
            connect(button, &QAbstractButton::clicked, this,
                    [send, id = command->id] { send(id); });
            buttons_.push_back(button);
        }
        setGeometry(0, 0, window.width(), buttonSize_ + 2 * kPadding);
    }

protected:
    void resizeEvent(QResizeEvent*) override {
        int right = width() - kEdge - kPadding;
        for (QWidget* button : buttons_) {
            right -= buttonSize_;
            button->move(right, (height() - buttonSize_) / 2);
            right -= kPadding;
        }
        buttonsLeft_ = right;
    }

    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        const QWidget* window = this->window();
        int left = kEdge + kPadding;
        const QIcon icon = window->windowIcon();
        if (!icon.isNull()) {
            const int side = fontMetrics().height();
            icon.paint(&painter, QRect(left, (height() - side) / 2, side, side));
            left += side + kPadding;
        }
        // The title is centred on the window, and elided before the icon and the buttons.
        const int room = 2 * std::max(0, std::min(width() / 2 - left, buttonsLeft_ - width() / 2));
        const QString title = fontMetrics().elidedText(window->windowTitle(), Qt::ElideRight, room);
        painter.setPen(TitleColourFor(palette(), window->isActiveWindow()));
        painter.drawText(QRect((width() - room) / 2, 0, room, height()), Qt::AlignCenter, title);
        painter.drawLine(0, height() - 1, width(), height() - 1);
    }

    void mousePressEvent(QMouseEvent* event) override {
        if (event->button() == Qt::LeftButton && window()->windowHandle() != nullptr) {
            window()->windowHandle()->startSystemMove();
        }
        QWidget::mousePressEvent(event);
    }

    bool event(QEvent* event) override {
        if (event->type() == QEvent::WindowActivate || event->type() == QEvent::WindowDeactivate) {
            update();
        }
        return QWidget::event(event);
    }

private:
    std::vector<QWidget*> buttons_;
    int buttonSize_ = kButtonSize;
    int buttonsLeft_ = 0;
};

// The window's edge, drawn over everything and transparent to the mouse.
class WindowEdge : public QWidget {
public:
    explicit WindowEdge(QWidget& window) : QWidget(&window) {
        setAttribute(Qt::WA_TransparentForMouseEvents);
        setFocusPolicy(Qt::NoFocus);
        setGeometry(window.rect());
    }

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        painter.setPen(palette().color(QPalette::WindowText));
        painter.drawRect(rect().adjusted(0, 0, -kEdge, -kEdge));
    }
};

// Keeps the bar as wide as the window and the edge around it, whatever size a layout gives.
class FrameFollower : public QObject {
public:
    FrameFollower(QWidget& window, QWidget& bar, QWidget& edge)
        : QObject(&window), bar_(bar), edge_(edge) {
        window.installEventFilter(this);
    }

    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Resize) {
            const QRect area = static_cast<QWidget*>(watched)->rect();
            bar_.resize(area.width(), bar_.height());
            edge_.setGeometry(area);
            edge_.raise();
        }
        return false;
    }

private:
    QWidget& bar_;
    QWidget& edge_;
};

}  // namespace

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

bool CompositorLeavesTitleBars() {
    static const bool leaves = OnWayland() && !CompositorOffers("zxdg_decoration_manager_v1");
    return leaves;
}

void AddOwnTitleBar(QWidget& window, const std::vector<WindowCommand>& commands,
                    std::function<void(UINT)> send) {
    // Qt keeps the frame of a window with a minimize or maximize button: the window keeps only
    // its type.
    window.setWindowFlags((window.windowFlags() & Qt::WindowType_Mask) | Qt::FramelessWindowHint);
    const QList<QWidget*> contents = window.findChildren<QWidget*>(Qt::FindDirectChildrenOnly);
    auto* bar = new TitleBar(window, commands, send);
    const QMargins frame(kEdge, bar->height(), kEdge, kEdge);
    if (window.layout() != nullptr) {
        window.setContentsMargins(window.contentsMargins() + frame);
    } else {
        for (QWidget* child : contents) {
            child->move(child->pos() + QPoint(frame.left(), frame.top()));
        }
        window.setFixedSize(window.size().grownBy(frame));
    }
    new FrameFollower(window, *bar, *new WindowEdge(window));
}
