#include "framework/qt/own_title_bar.h"

#include <QAbstractButton>
#include <QLayout>
#include <QMouseEvent>
#include <QPainter>
#include <QWindow>
#include <algorithm>
#include <functional>
#include <vector>

#include "framework/qt/wayland_connection.h"

namespace {

constexpr int kEdge = 1;
constexpr int kButtonSize = 24;
constexpr int kPadding = 4;

enum class Glyph { Minimize, Close };

class TitleButton : public QAbstractButton {
public:
    TitleButton(Glyph glyph, const QString& name, QWidget* parent)
        : QAbstractButton(parent), glyph_(glyph) {
        setFocusPolicy(Qt::NoFocus);
        setAccessibleName(name);
        setToolTip(name);
        setFixedSize(kButtonSize, kButtonSize);
    }

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        painter.setRenderHint(QPainter::Antialiasing);
        const QPalette::ColorGroup group =
            window()->isActiveWindow() ? QPalette::Active : QPalette::Disabled;
        if (isDown() || underMouse()) {
            painter.setPen(Qt::NoPen);
            painter.setBrush(palette().color(isDown() ? QPalette::Dark : QPalette::Midlight));
            painter.drawEllipse(rect().adjusted(1, 1, -1, -1));
        }
        painter.setPen(QPen(palette().color(group, QPalette::WindowText), 1.5));
        const QRectF glyph = QRectF(rect()).adjusted(8, 8, -8, -8);
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
        // The buttons stand at the right in the window menu's order, the last rightmost.
        for (auto command = commands.rbegin(); command != commands.rend(); ++command) {
            const Glyph glyph = command->id == SC_MINIMIZE ? Glyph::Minimize : Glyph::Close;
            auto* button = new TitleButton(glyph, QString::fromStdString(command->text), this);
            connect(button, &QAbstractButton::clicked, this,
                    [send, id = command->id] { send(id); });
            buttons_.push_back(button);
        }
        setGeometry(0, 0, window.width(),
                    std::max(kButtonSize, fontMetrics().height()) + 2 * kPadding);
    }

protected:
    void resizeEvent(QResizeEvent*) override {
        int right = width() - kEdge - kPadding;
        for (QWidget* button : buttons_) {
            right -= kButtonSize;
            button->move(right, (height() - kButtonSize) / 2);
            right -= kPadding;
        }
        buttonsLeft_ = right;
    }

    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        const QWidget* window = this->window();
        const QPalette::ColorGroup group =
            window->isActiveWindow() ? QPalette::Active : QPalette::Disabled;
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
        painter.setPen(palette().color(group, QPalette::WindowText));
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
