#include "framework/qt/own_title_bar.h"

#include <QAbstractButton>
#include <QApplication>
#include <QLayout>
#include <QLocale>
#include <QMouseEvent>
#include <QPainter>
#include <QWindow>
#include <algorithm>
#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "framework/qt/dialog_units.h"
#include "framework/qt/wayland_connection.h"

namespace {

constexpr int kEdge = 1;
constexpr int kButtonSize = 24;
constexpr int kPadding = 4;

constexpr const char* kTitleBarName = "vardolin-title-bar";

enum class Glyph { Minimize, Close };

// The width of one pixel of the screen, in the widget's coordinates.
qreal Hairline(const QWidget& widget) {
    return 1.0 / widget.devicePixelRatioF();
}

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

std::string& ButtonLayout() {
    static std::string layout;
    return layout;
}

// The bar across the top of the window: icon, title and buttons, in the window's palette. The
// buttons stand where the desktop's button layout puts them, mirrored where the language reads
// from right to left.
class TitleBar : public QWidget {
public:
    TitleBar(QWidget& window, std::vector<WindowCommand> commands, std::function<void(UINT)> send)
        : QWidget(&window), commands_(std::move(commands)), send_(std::move(send)) {
        setObjectName(kTitleBarName);
        setFocusPolicy(Qt::NoFocus);
        // A window with a layout makes room for the bar through its margins, which follow the
        // bar when the desktop's font changes; one that places its contents places them again
        // itself.
        if (window.layout() != nullptr) {
            WhenDesktopFontChanges(*this, [this, &window] {
                const QMargins before = frame_;
                window.setContentsMargins(window.contentsMargins() - before + Refit());
            });
        }
    }

    // Takes the window's font, bold, and the desktop's button layout; returns the room that the
    // bar and the edge take from the window.
    QMargins Refit() {
        QFont bold = window()->font();
        bold.setBold(true);
        setFont(bold);
        // The buttons grow with the title's font.
        buttonSize_ = std::max(kButtonSize, fontMetrics().height() + 8);
        qDeleteAll(start_);
        qDeleteAll(end_);
        const TitleBarButtons arranged = ArrangeTitleBarButtons(ButtonLayout(), commands_);
        start_ = MakeButtons(arranged.start);
        end_ = MakeButtons(arranged.end);
        setGeometry(0, 0, window()->width(), buttonSize_ + 2 * kPadding);
        Place();
        frame_ = {kEdge, height(), kEdge, kEdge};
        return frame_;
    }

protected:
    void resizeEvent(QResizeEvent*) override { Place(); }

    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        const QWidget* window = this->window();
        const QIcon icon = window->windowIcon();
        if (!icon.isNull()) {
            icon.paint(&painter, Mirrored(icon_));
        }
        // The title is centred on the window, and elided before the icon and the buttons.
        const int room =
            2 * std::max(0, std::min(width() / 2 - startEnd_, endStart_ - width() / 2));
        const QString title = fontMetrics().elidedText(window->windowTitle(), Qt::ElideRight, room);
        painter.setPen(TitleColourFor(palette(), window->isActiveWindow()));
        painter.drawText(QRect((width() - room) / 2, 0, room, height()), Qt::AlignCenter, title);
        painter.fillRect(QRectF(0, height() - Hairline(*this), width(), Hairline(*this)),
                         palette().color(QPalette::WindowText));
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
    std::vector<QWidget*> MakeButtons(const std::vector<UINT>& ids) {
        std::vector<QWidget*> buttons;
        for (const UINT id : ids) {
            const auto command = std::find_if(commands_.begin(), commands_.end(),
                                              [id](const WindowCommand& c) { return c.id == id; });
            auto* button =
                new TitleButton(id == SC_MINIMIZE ? Glyph::Minimize : Glyph::Close,
                                QString::fromStdString(command->text), buttonSize_, this);
            connect(button, &QAbstractButton::clicked, this, [this, id] { send_(id); });
            button->show();
            buttons.push_back(button);
        }
        return buttons;
    }

    // A rectangle laid out from the bar's start, where the language's reading starts.
    QRect Mirrored(const QRect& fromStart) const {
        if (QLocale().textDirection() != Qt::RightToLeft) {
            return fromStart;
        }
        return {width() - fromStart.x() - fromStart.width(), fromStart.y(), fromStart.width(),
                fromStart.height()};
    }

    // Lays out from the start: the start's buttons, then the icon; the end's buttons last.
    void Place() {
        const int top = (height() - buttonSize_) / 2;
        int x = kEdge + kPadding;
        for (QWidget* button : start_) {
            button->setGeometry(Mirrored({x, top, buttonSize_, buttonSize_}));
            x += buttonSize_ + kPadding;
        }
        const int side = fontMetrics().height();
        icon_ = QRect(x, (height() - side) / 2, side, side);
        startEnd_ = window()->windowIcon().isNull() ? x : x + side + kPadding;
        int right = width() - kEdge - kPadding;
        for (auto button = end_.rbegin(); button != end_.rend(); ++button) {
            right -= buttonSize_;
            (*button)->setGeometry(Mirrored({right, top, buttonSize_, buttonSize_}));
            right -= kPadding;
        }
        endStart_ = right;
    }

    std::vector<WindowCommand> commands_;
    std::function<void(UINT)> send_;
    std::vector<QWidget*> start_;
    std::vector<QWidget*> end_;
    int buttonSize_ = kButtonSize;
    QMargins frame_;
    QRect icon_;
    int startEnd_ = 0;
    int endStart_ = 0;
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
        // One pixel of the screen wide at any scale, on whole pixels, so that it stays crisp.
        QPainter painter(this);
        const QColor edge = palette().color(QPalette::WindowText);
        const qreal line = Hairline(*this);
        painter.fillRect(QRectF(0, 0, width(), line), edge);
        painter.fillRect(QRectF(0, height() - line, width(), line), edge);
        painter.fillRect(QRectF(0, 0, line, height()), edge);
        painter.fillRect(QRectF(width() - line, 0, line, height()), edge);
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
    auto* bar = new TitleBar(window, commands, std::move(send));
    const QMargins frame = bar->Refit();
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

QMargins RefitOwnTitleBar(QWidget& window) {
    auto* bar = window.findChild<QWidget*>(kTitleBarName, Qt::FindDirectChildrenOnly);
    return bar != nullptr ? static_cast<TitleBar*>(bar)->Refit() : QMargins();
}

void SetTitleBarButtonLayout(const std::string& layout) {
    if (layout == ButtonLayout()) {
        return;
    }
    ButtonLayout() = layout;
    for (QWidget* window : QApplication::topLevelWidgets()) {
        RefitOwnTitleBar(*window);
    }
}
