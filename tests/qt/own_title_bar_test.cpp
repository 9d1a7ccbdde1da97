// The title bar that dialogs draw themselves where the compositor draws none: a button for each
// of the window's commands and no other, the title kept clear of them, and the contents moved
// to make room.
#include <gtest/gtest.h>
#include <QAbstractButton>
#include <QApplication>
#include <QImage>
#include <QLabel>
#include <QLocale>
#include <QVBoxLayout>

#include "framework/qt/own_title_bar.h"

namespace {

QList<QAbstractButton*> TitleButtons(QWidget& window) {
    return window.findChildren<QAbstractButton*>();
}

struct ButtonsRow {
    std::uint32_t style;
    QStringList names;  // from the right
};

TEST(OwnTitleBar, HasAButtonForEachWindowCommandThatSendsIt) {
    const ButtonsRow rows[] = {
        {template_style::SysMenu | template_style::MinimizeBox, {"Close", "Minimize"}},
        {template_style::SysMenu, {"Close"}},
        {0, {}},
    };
    for (const ButtonsRow& row : rows) {
        QWidget window;
        window.resize(300, 200);
        std::vector<UINT> sent;
        AddOwnTitleBar(window, WindowCommandsOf(row.style, true),
                       [&sent](UINT id) { sent.push_back(id); });
        window.show();
        QList<QAbstractButton*> buttons = TitleButtons(window);
        std::sort(buttons.begin(), buttons.end(), [](auto* a, auto* b) { return a->x() > b->x(); });
        QStringList names;
        for (QAbstractButton* button : buttons) {
            names << button->accessibleName();
            EXPECT_EQ(button->focusPolicy(), Qt::NoFocus) << "the Tab order stays the dialog's";
            button->click();
        }
        EXPECT_EQ(names, row.names);
        std::vector<UINT> expected;
        for (const QString& name : row.names) {
            expected.push_back(name == "Close" ? SC_CLOSE : SC_MINIMIZE);
        }
        EXPECT_EQ(sent, expected);
    }
}

struct LayoutRow {
    const char* layout;  // GNOME's button-layout
    Qt::LayoutDirection reading;
    QStringList names;  // from the left
    bool onTheLeft;
};

TEST(OwnTitleBar, FollowsTheDesktopsButtonLayoutAndReadingDirectionLive) {
    const LayoutRow rows[] = {
        {"appmenu:close", Qt::LeftToRight, {"Close"}, false},
        {"appmenu:minimize,maximize,close", Qt::LeftToRight, {"Minimize", "Close"}, false},
        {"close,minimize:", Qt::LeftToRight, {"Close", "Minimize"}, true},
        {"appmenu:minimize,close", Qt::RightToLeft, {"Close", "Minimize"}, true},
        {"close:", Qt::RightToLeft, {"Close"}, false},
        {"", Qt::LeftToRight, {"Minimize", "Close"}, false},
    };
    QWidget window;
    window.resize(300, 200);
    AddOwnTitleBar(window,
                   WindowCommandsOf(template_style::SysMenu | template_style::MinimizeBox, true),
                   [](UINT) {});
    window.show();
    for (const LayoutRow& row : rows) {
        QLocale::setDefault(QLocale(row.reading == Qt::RightToLeft ? "he" : "en"));
        SetTitleBarButtonLayout(row.layout);
        QList<QAbstractButton*> buttons = TitleButtons(window);
        std::sort(buttons.begin(), buttons.end(), [](auto* a, auto* b) { return a->x() < b->x(); });
        QStringList names;
        for (QAbstractButton* button : buttons) {
            names << button->accessibleName();
            EXPECT_EQ(button->x() < window.width() / 2, row.onTheLeft) << row.layout;
        }
        EXPECT_EQ(names, row.names) << row.layout;
    }
    QLocale::setDefault(QLocale::c());
    SetTitleBarButtonLayout("");
}

// ctest runs this again at scales 1.5 and 2.
TEST(OwnTitleBar, TheEdgeIsOneScreenPixelOfTheTextColourAtAnyScale) {
    QWidget window;
    window.setFixedSize(201, 101);
    AddOwnTitleBar(window, WindowCommandsOf(template_style::SysMenu, true), [](UINT) {});
    window.show();
    const QImage picture = window.grab().toImage();
    const QRgb edge = window.palette().color(QPalette::WindowText).rgb();
    const QRgb face = window.palette().color(QPalette::Window).rgb();
    const int right = picture.width() - 1;
    const int bottom = picture.height() - 1;
    const int middle = picture.height() * 2 / 3;
    const int centre = picture.width() / 2;
    const struct {
        const char* side;
        QPoint edge, inside;
    } sides[] = {{"left", {0, middle}, {1, middle}},
                 {"right", {right, middle}, {right - 1, middle}},
                 {"bottom", {centre, bottom}, {centre, bottom - 1}}};
    for (const auto& side : sides) {
        EXPECT_EQ(picture.pixel(side.edge), edge)
            << side.side << " at " << window.devicePixelRatio();
        EXPECT_EQ(picture.pixel(side.inside), face)
            << side.side << " at " << window.devicePixelRatio();
    }
}

TEST(OwnTitleBar, MovesPlacedContentsDownAndGrowsTheWindow) {
    QWidget window;
    window.setFixedSize(200, 100);
    auto* content = new QLabel("content", &window);
    content->move(10, 10);
    AddOwnTitleBar(window, WindowCommandsOf(template_style::SysMenu, true), [](UINT) {});
    const int bar = content->y() - 10;
    EXPECT_GE(bar, 24) << "the bar is at least as high as its buttons";
    EXPECT_EQ(content->x(), 11) << "one pixel of edge";
    EXPECT_EQ(window.size(), QSize(202, 100 + bar + 1));
}

TEST(OwnTitleBar, GivesALaidOutWindowMarginsForTheBar) {
    QWidget window;
    auto* layout = new QVBoxLayout(&window);
    layout->addWidget(new QLabel("content"));
    const QMargins before = window.contentsMargins();
    AddOwnTitleBar(window, WindowCommandsOf(template_style::SysMenu, true), [](UINT) {});
    EXPECT_GE(window.contentsMargins().top() - before.top(), 24);
    EXPECT_EQ(window.contentsMargins().left() - before.left(), 1);
}

TEST(OwnTitleBar, ALongTitleStopsShortOfTheButtons) {
    QWidget window;
    window.setWindowTitle(QString("A title far too long for its window ").repeated(8));
    window.setFixedSize(240, 60);
    AddOwnTitleBar(window,
                   WindowCommandsOf(template_style::SysMenu | template_style::MinimizeBox, true),
                   [](UINT) {});
    window.show();
    QApplication::processEvents();
    // With the buttons out of the way, where they stood shows only the bar's ground.
    QList<QAbstractButton*> buttons = TitleButtons(window);
    ASSERT_EQ(buttons.size(), 2);
    QRect buttonArea;
    for (QAbstractButton* button : buttons) {
        buttonArea |= button->geometry();
        button->hide();
    }
    QWidget* bar = buttons.first()->parentWidget();
    const QImage picture = bar->grab().toImage();
    const QRgb ground = picture.pixel(buttonArea.left(), 2);
    int drawn = 0;
    for (int x = buttonArea.left(); x <= buttonArea.right(); ++x) {
        for (int y = buttonArea.top(); y <= buttonArea.bottom(); ++y) {
            drawn += picture.pixel(x, y) != ground;
        }
    }
    EXPECT_EQ(drawn, 0) << "the title reaches under the buttons";
}

}  // namespace
