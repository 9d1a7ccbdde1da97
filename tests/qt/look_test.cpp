// How the calculator reads at a glance, measured in what Qt draws: text against its ground, the
// read-only boxes on the window's face, the pressed toggle and the default button, in the
// desktop's light palette and in the palettes the program chooses for GNOME's settings (dark,
// high contrast of both polarities); and, in those and in whatever palette the desktop sets
// (ctest runs DesktopPalette.* in four more, high contrast among them), the boxes' edges, the
// focus outline, a focused push button and the title bar.
#include <QApplication>
#include <QImage>
#include <QPushButton>
#include <QSettings>
#include <QTest>
#include <algorithm>
#include <map>
#include <optional>
#include <utility>
#include <vector>

#include "calculator/tuning_dlg.h"
#include "framework/qt/contrast.h"
#include "framework/qt/desktop_look.h"
#include "framework/qt/title_bar_rules.h"
#include "res/resource.h"
#include "tests/qt/qt_harness.h"

namespace {

// What a control shows: its ground (the commonest colour inside its edge) and the contrast of
// its text, the pixel that stands out most from that ground.
struct Shown {
    QRgb ground;
    double textContrast;
};

// The colour counted most often.
QRgb Commonest(const std::map<QRgb, int>& counts) {
    QRgb commonest = 0;
    int most = 0;
    for (const auto& [colour, count] : counts) {
        if (count > most) {
            commonest = colour, most = count;
        }
    }
    return commonest;
}

Shown Measure(QWidget* control) {
    const QImage image = control->grab().toImage();
    std::map<QRgb, int> counts;
    for (int y = 3; y < image.height() - 3; ++y) {
        for (int x = 3; x < image.width() - 3; ++x) {
            ++counts[image.pixel(x, y)];
        }
    }
    const QRgb ground = Commonest(counts);
    double best = 1;
    for (const auto& [colour, count] : counts) {
        best = std::max(best, ContrastRatio(colour, ground));
    }
    return {ground, best};
}

// A palette the tests draw in: the desktop's as it is set, or the one the program chooses for
// GNOME's settings.
struct PaletteCase {
    const char* name;
    std::optional<DesktopSettings> followed;
};

void PrintTo(const PaletteCase& row, std::ostream* out) {
    *out << row.name;
}

const PaletteCase kAsSet{"AsSet", std::nullopt};
const PaletteCase kDark{"Dark", DesktopSettings{.dark = true, .buttonLayout = {}}};
const PaletteCase kHighContrast{"HighContrast",
                                DesktopSettings{.highContrast = true, .buttonLayout = {}}};
const PaletteCase kHighContrastInverse{
    "HighContrastInverse", DesktopSettings{.dark = true, .highContrast = true, .buttonLayout = {}}};

class InPalette : public QtDialogTest, public ::testing::WithParamInterface<PaletteCase> {
protected:
    void SetUp() override {
        if (GetParam().followed) {
            QApplication::setPalette(PaletteFor(*GetParam().followed, saved));
        }
    }
    void TearDown() override { QApplication::setPalette(saved); }

    const QPalette saved = QApplication::palette();
};

class Look : public InPalette {};
class DesktopPalette : public InPalette {};

TEST_P(Look, EveryStateReadsAtAGlance) {
    CTuningDlg dialog;
    Run(dialog, [](QtDialogWindow& window) {
        QTest::keyClicks(window.Control(IDC_VALUE), "445");
        window.dialog().SendCommand(IDOK);
        const QRgb face = window.palette().color(QPalette::Window).rgb();

        const Shown released = Measure(window.Control(IDC_ROLAND));
        const Shown pressed = Measure(window.Control(IDC_YAMAHA));
        const Shown readOnly = Measure(window.Control(IDC_TONE));
        const Shown editable = Measure(window.Control(IDC_REFERENCE));
        EXPECT_GE(released.textContrast, 4.5) << "released toggle";
        EXPECT_GE(pressed.textContrast, 4.5) << "pressed toggle";
        EXPECT_GE(ContrastRatio(pressed.ground, released.ground), 3.0)
            << "the pressed toggle stands out from the released one";
        EXPECT_GE(readOnly.textContrast, 4.5) << "read-only box";
        EXPECT_EQ(readOnly.ground, face) << "a read-only box shows on the window's face";
        // High-contrast palettes give boxes the window's ground; their edges tell them apart
        // (DesktopPalette.BoxesHaveEdgesAndReadOnlyOnesLookDifferent).
        if (window.palette().color(QPalette::Base).rgb() != face) {
            EXPECT_NE(editable.ground, face) << "a box to type into does not";
        }
        EXPECT_GE(editable.textContrast, 4.5) << "box to type into";
        std::printf(
            "[ contrast ] released %.1f, pressed %.1f, read-only %.1f, editable %.1f; "
            "pressed against released %.2f\n",
            released.textContrast, pressed.textContrast, readOnly.textContrast,
            editable.textContrast, ContrastRatio(pressed.ground, released.ground));

        auto* calc = qobject_cast<QPushButton*>(window.Control(IDOK));
        EXPECT_TRUE(calc->isDefault()) << "the upper Calc is drawn as the default button";
        EXPECT_FALSE(qobject_cast<QPushButton*>(window.Control(IDC_CALC_FREQ))->isDefault());
        QTest::keyClick(&window, Qt::Key_Escape);
    });
}

// The colours, in the second picture, of the pixels that differ between two pictures of a
// control.
std::vector<QRgb> Changes(const QImage& before, const QImage& after) {
    std::vector<QRgb> changed;
    for (int y = 0; y < std::min(before.height(), after.height()); ++y) {
        for (int x = 0; x < std::min(before.width(), after.width()); ++x) {
            if (before.pixel(x, y) != after.pixel(x, y)) {
                changed.push_back(after.pixel(x, y));
            }
        }
    }
    return changed;
}

// How many pixels of a control differ between two pictures of it.
int DifferingPixels(const QImage& a, const QImage& b) {
    return static_cast<int>(Changes(a, b).size());
}

TEST_P(Look, TheFocusShowsEvenOnTheDefaultButton) {
    CTuningDlg dialog;
    Run(dialog, [](QtDialogWindow& window) {
        for (const int id : {IDOK, IDC_CALC_FREQ, IDC_ROLAND}) {
            window.FocusItem(id, false);
            const QImage focused = window.Control(id)->grab().toImage();
            window.FocusItem(IDC_VALUE, true);
            const QImage unfocused = window.Control(id)->grab().toImage();
            const int differing = DifferingPixels(focused, unfocused);
            EXPECT_GE(differing, 20) << "control " << id << " looks the same with the focus";
            std::printf("[ focus ] control %d: %d of %d pixels differ\n", id, differing,
                        focused.width() * focused.height());
        }
        QTest::keyClick(&window, Qt::Key_Escape);
    });
}

// How much of a box's outermost ring of pixels, corners left out, stands out from the window's
// face by 3:1.
double EdgeStandingOut(QWidget* box, QRgb face) {
    const QImage image = box->grab().toImage();
    int standing = 0;
    int all = 0;
    const auto count = [&](int x, int y) {
        ++all;
        standing += ContrastRatio(image.pixel(x, y), face) >= 3.0;
    };
    for (int x = 3; x < image.width() - 3; ++x) {
        count(x, 0);
        count(x, image.height() - 1);
    }
    for (int y = 3; y < image.height() - 3; ++y) {
        count(0, y);
        count(image.width() - 1, y);
    }
    return static_cast<double>(standing) / all;
}

// The commonest colour among the pixels that differ between two pictures of a control.
QRgb CommonestChange(const QImage& before, const QImage& after) {
    std::map<QRgb, int> counts;
    for (const QRgb colour : Changes(before, after)) {
        ++counts[colour];
    }
    return Commonest(counts);
}

// How many of the pixels that differ between two pictures of a control stand out from `ground`
// by 3:1 in the second.
int ChangedStandingOut(const QImage& before, const QImage& after, QRgb ground) {
    const std::vector<QRgb> changed = Changes(before, after);
    return static_cast<int>(std::count_if(changed.begin(), changed.end(), [ground](QRgb colour) {
        return ContrastRatio(colour, ground) >= 3.0;
    }));
}

TEST_P(DesktopPalette, BoxesHaveEdgesAndReadOnlyOnesLookDifferent) {
    CTuningDlg dialog;
    Run(dialog, [](QtDialogWindow& window) {
        QTest::keyClicks(window.Control(IDC_VALUE), "445");
        window.dialog().SendCommand(IDOK);
        window.FocusItem(IDOK, false);
        const QRgb face = window.palette().color(QPalette::Window).rgb();
        const double editable = EdgeStandingOut(window.Control(IDC_VALUE), face);
        const double readOnly = EdgeStandingOut(window.Control(IDC_TONE), face);
        const Shown editableBox = Measure(window.Control(IDC_VALUE));
        const Shown readOnlyBox = Measure(window.Control(IDC_TONE));
        EXPECT_GE(editable, 0.95) << "a box to type into has an edge of 3:1 against the face";
        EXPECT_GE(readOnly, 0.3) << "a read-only box has an edge of 3:1 too";
        EXPECT_TRUE(ContrastRatio(editableBox.ground, readOnlyBox.ground) >= 1.5 ||
                    editable - readOnly >= 0.25)
            << "a read-only box looks different from a box to type into";
        EXPECT_GE(editableBox.textContrast, 4.5);
        EXPECT_GE(readOnlyBox.textContrast, 4.5);
        std::printf("[ edges ] editable %.0f %%, read-only %.0f %% at 3:1; grounds %.2f:1\n",
                    100 * editable, 100 * readOnly,
                    ContrastRatio(editableBox.ground, readOnlyBox.ground));
        QTest::keyClick(&window, Qt::Key_Escape);
    });
}

TEST_P(DesktopPalette, TheFocusOutlineStandsOutFromFaceAndBox) {
    CTuningDlg dialog;
    Run(dialog, [](QtDialogWindow& window) {
        const QRgb face = window.palette().color(QPalette::Window).rgb();
        for (const int id : {IDC_VALUE, IDC_CENT}) {
            window.FocusItem(IDOK, false);
            const QImage unfocused = window.Control(id)->grab().toImage();
            const QRgb ground = Measure(window.Control(id)).ground;
            window.FocusItem(id, false);
            const QRgb outline = CommonestChange(unfocused, window.Control(id)->grab().toImage());
            EXPECT_GE(ContrastRatio(outline, face), 3.0) << "box " << id << ": against the face";
            EXPECT_GE(ContrastRatio(outline, ground), 3.0) << "box " << id << ": against the box";
            std::printf("[ focus ] box %d: outline %.2f:1 against the face, %.2f:1 the box\n", id,
                        ContrastRatio(outline, face), ContrastRatio(outline, ground));
        }
        // A button's focus is a dotted rectangle: enough of what changes stands out from its face.
        for (const int id : {IDOK, IDC_CALC_FREQ, IDC_ROLAND}) {
            window.FocusItem(IDC_VALUE, false);
            const QImage unfocused = window.Control(id)->grab().toImage();
            const QRgb ground = Measure(window.Control(id)).ground;
            window.FocusItem(id, false);
            const int standing =
                ChangedStandingOut(unfocused, window.Control(id)->grab().toImage(), ground);
            EXPECT_GE(standing, 20) << "button " << id << ": its focus does not stand out by 3:1";
            std::printf("[ focus ] button %d: %d changed pixels stand out 3:1 from its face\n", id,
                        standing);
        }
        QTest::keyClick(&window, Qt::Key_Escape);
    });
}

TEST_P(DesktopPalette, AFocusedPushButtonTakesTheDefaultFrameUntilTheFocusLeaves) {
    CTuningDlg dialog;
    Run(dialog, [](QtDialogWindow& window) {
        auto* upper = qobject_cast<QPushButton*>(window.Control(IDOK));
        auto* lower = qobject_cast<QPushButton*>(window.Control(IDC_CALC_FREQ));
        window.FocusItem(IDC_CALC_FREQ, false);
        EXPECT_TRUE(lower->isDefault() && !upper->isDefault())
            << "the focused lower Calc is drawn as the default button";
        const int differing = DifferingPixels(upper->grab().toImage(), lower->grab().toImage());
        EXPECT_GE(differing, 20) << "the focused lower Calc looks like the upper one";
        std::printf("[ default ] focused lower Calc against the upper: %d pixels differ\n",
                    differing);
        window.FocusItem(IDC_VALUE, true);
        EXPECT_TRUE(upper->isDefault() && !lower->isDefault())
            << "the upper Calc is the default again once the focus is in a box";
        QTest::keyClick(&window, Qt::Key_Escape);
    });
}

TEST_P(DesktopPalette, TheTitleBarsGlyphsAndTitleStandOutInEveryState) {
    const QPalette palette = QApplication::palette();
    const QColor bar = palette.color(QPalette::Window);
    for (const bool active : {true, false}) {
        for (const auto state :
             {TitleButtonState::Normal, TitleButtonState::Hovered, TitleButtonState::Pressed}) {
            const TitleButtonColours colours = TitleButtonColoursFor(palette, active, state);
            const double glyph = ContrastRatio(colours.glyph, colours.ground);
            EXPECT_GE(glyph, 3.0) << (active ? "active" : "inactive") << ", state "
                                  << static_cast<int>(state);
            std::printf("[ title bar ] %s, state %d: glyph %.2f:1\n",
                        active ? "active" : "inactive", static_cast<int>(state), glyph);
        }
        const double title = ContrastRatio(TitleColourFor(palette, active), bar);
        EXPECT_GE(title, 3.0) << (active ? "active" : "inactive") << " title";
        std::printf("[ title bar ] %s title %.2f:1\n", active ? "active" : "inactive", title);
    }
}

TEST_F(QtDialogTest, AnOpenWindowTakesTheDesktopsNewPaletteWhole) {
    const QPalette saved = QApplication::palette();
    CTuningDlg dialog;
    Run(dialog, [&saved](QtDialogWindow& window) {
        const DesktopSettings inverse{.dark = true, .highContrast = true, .buttonLayout = {}};
        QApplication::setPalette(PaletteFor(inverse, saved));
        QApplication::processEvents();
        const QPalette now = window.palette();
        // The boxes' grounds: the box's own where the user types, the window's face elsewhere.
        for (const auto& [id, role] :
             {std::pair{IDC_VALUE, QPalette::Base}, std::pair{IDC_CENT, QPalette::Window}}) {
            const Shown shown = Measure(window.Control(id));
            EXPECT_EQ(shown.ground, now.color(role).rgb()) << "box " << id;
            EXPECT_GE(shown.textContrast, 4.5) << "box " << id;
        }
        QApplication::setPalette(saved);
        QTest::keyClick(&window, Qt::Key_Escape);
    });
}

TEST(DesktopTheme, APaletteChosenInQt6ctWinsOverTheDesktopsSettings) {
    const QString configuration = qEnvironmentVariable("XDG_CONFIG_HOME") + "/qt6ct/qt6ct.conf";
    const bool chosen =
        qgetenv("QT_QPA_PLATFORMTHEME") == "qt6ct" &&
        QSettings(configuration, QSettings::IniFormat).value("Appearance/custom_palette").toBool();
    EXPECT_EQ(PlatformThemeSetsPalette(), chosen);
}

const auto kCaseName = [](const auto& info) { return std::string(info.param.name); };
INSTANTIATE_TEST_SUITE_P(Palettes, Look,
                         ::testing::Values(kAsSet, kDark, kHighContrast, kHighContrastInverse),
                         kCaseName);
// ctest runs AsSet in the palettes a desktop sets through its platform theme.
INSTANTIATE_TEST_SUITE_P(Desktop, DesktopPalette,
                         ::testing::Values(kAsSet, kDark, kHighContrast, kHighContrastInverse),
                         kCaseName);

}  // namespace
