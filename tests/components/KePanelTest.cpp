#include "components/KePanel.h"

#include "support/QtPrinters.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPaintEvent>
#include <QPushButton>
#include <QSpinBox>
#include <QTest>

#include <gtest/gtest.h>

#include <optional>
#include <vector>

namespace {

// A panel on a page of a window, holding controls at every depth: directly,
// in a nested panel, in a group box and in a plain holder widget with a frame
// inside.
struct PanelTree {
    QWidget window;
    QWidget* page = new QWidget(&window);
    TKePanel* panel = new TKePanel(page);
    QCheckBox* check = new QCheckBox("check", panel);
    QLabel* label = new QLabel("label", panel);
    TKePanel* inner = new TKePanel(panel);
    QSpinBox* spin = new QSpinBox(inner);
    QGroupBox* group = new QGroupBox("group", panel);
    QLineEdit* edit = new QLineEdit(group);
    QWidget* holder = new QWidget(panel);
    QFrame* frame = new QFrame(holder);
    QPushButton* button = new QPushButton("button", frame);

    std::vector<QWidget*> Contents() const {
        return {check, label, inner, spin, group, edit, holder, frame, button};
    }
};

void ExpectAllEnabled(const PanelTree& tree, bool enabled) {
    for (QWidget* w : tree.Contents()) {
        EXPECT_EQ(w->isEnabled(), enabled) << w->metaObject()->className();
    }
}

// Counts the enabled-changed notifications that a widget receives.
class EnabledChangeCounter : public QObject {
public:
    int count = 0;
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::EnabledChange) ++count;
        return false;
    }
};

// Collects the area that a widget repaints.
class PaintRecorder : public QObject {
public:
    QRegion painted;
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Paint) painted += static_cast<QPaintEvent*>(event)->region();
        return false;
    }
};

TEST(TKePanel, DisablingReachesEveryControlAtEveryDepthAndEnablingBringsThemBack) {
    PanelTree tree;
    tree.panel->setEnabled(false);
    ExpectAllEnabled(tree, false);
    tree.panel->setEnabled(true);
    ExpectAllEnabled(tree, true);
}

TEST(TKePanel, AControlDisabledOnItsOwnComesBackWithThePanel) {
    for (int i = 0; i < int(PanelTree().Contents().size()); ++i) {
        PanelTree tree;
        QWidget* control = tree.Contents()[i];
        control->setEnabled(false);
        tree.panel->setEnabled(false);
        tree.panel->setEnabled(true);
        EXPECT_TRUE(control->isEnabled()) << control->metaObject()->className();
    }
}

TEST(TKePanel, ControlsComeBackWhenTheWindowAroundThePanelComesBack) {
    for (bool updateParent : {false, true}) {
        PanelTree tree;
        tree.panel->SetUpdateParent(updateParent);
        tree.window.setEnabled(false);
        ExpectAllEnabled(tree, false);
        tree.window.setEnabled(true);
        EXPECT_TRUE(tree.page->isEnabled()) << "UpdateParent " << updateParent;
        EXPECT_TRUE(tree.panel->isEnabled()) << "UpdateParent " << updateParent;
        ExpectAllEnabled(tree, true);
    }
}

TEST(TKePanel, SettingTheStateItAlreadyHasChangesNothing) {
    PanelTree tree;
    EnabledChangeCounter counter;
    tree.panel->installEventFilter(&counter);

    tree.check->setEnabled(false);
    tree.panel->setEnabled(true);
    EXPECT_FALSE(tree.check->isEnabled());

    tree.panel->setEnabled(false);
    tree.button->setEnabled(true); // its own state; it stays grey inside the panel
    tree.panel->setEnabled(false);
    EXPECT_TRUE(tree.button->isEnabledTo(tree.frame));
    EXPECT_EQ(counter.count, 1); // the one real change
}

TEST(TKePanel, UpdateParentPassesTheStateToAGroupBoxAndRepaintsIt) {
    for (bool updateParent : {false, true}) {
        QWidget window;
        window.resize(300, 200);
        auto* group = new QGroupBox("group", &window);
        group->setGeometry(10, 10, 280, 180);
        auto* sibling = new QPushButton("sibling", group);
        sibling->setGeometry(10, 140, 100, 30);
        auto* panel = new TKePanel(group);
        panel->setGeometry(10, 30, 200, 100);
        EXPECT_FALSE(panel->UpdateParent());
        panel->SetUpdateParent(updateParent);
        window.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));

        panel->setEnabled(false);
        EXPECT_EQ(group->isEnabled(), !updateParent) << "UpdateParent " << updateParent;
        EXPECT_EQ(sibling->isEnabled(), !updateParent) << "UpdateParent " << updateParent;

        // Bring the group back first, then the panel: the panel's own change
        // alone leaves the group's state as it is and must still repaint it
        // whole, not just the part under the panel.
        group->setEnabled(true);
        PaintRecorder recorder;
        group->installEventFilter(&recorder);
        QCoreApplication::processEvents();
        recorder.painted = QRegion();
        panel->setEnabled(true);
        EXPECT_TRUE(panel->isEnabled());
        EXPECT_TRUE(QTest::qWaitFor([&] { return !recorder.painted.isEmpty(); }));
        EXPECT_EQ((QRegion(group->rect()) - recorder.painted).isEmpty(), updateParent)
            << "UpdateParent " << updateParent;
    }
}

TEST(TKePanel, DrawsItsBevelsInTheClassicPanelColours) {
    struct Case {
        const char* name;
        std::optional<TBevelCut> outer, inner; // unset: the panel's default
        QPalette::ColorRole outerTopLeft, innerTopLeft, outerBottomRight, innerBottomRight;
    };
    constexpr auto light = QPalette::Light, dark = QPalette::Dark, face = QPalette::Window;
    const Case cases[] = {
        {"default: grooved", {}, {}, dark, light, light, dark},
        {"ridged", bvRaised, bvLowered, light, dark, dark, light},
        {"no outer bevel", bvNone, bvRaised, light, face, dark, face},
        {"space outside", bvSpace, bvRaised, face, light, face, dark},
        {"no bevels", bvNone, bvNone, face, face, face, face},
    };
    const QPalette palette = TKePanel().palette();
    ASSERT_NE(palette.color(light), palette.color(dark));
    ASSERT_NE(palette.color(light), palette.color(face));
    ASSERT_NE(palette.color(dark), palette.color(face));
    for (const Case& c : cases) {
        TKePanel panel;
        panel.resize(40, 30);
        if (c.outer) panel.SetBevelOuter(*c.outer);
        if (c.inner) panel.SetBevelInner(*c.inner);
        const QImage image = panel.grab().toImage();
        const auto pixel = [&](int x, int y) { return QColor(image.pixel(x, y)); };
        const auto colour = [&](QPalette::ColorRole role) {
            return QColor(panel.palette().color(QPalette::Active, role).rgb());
        };
        EXPECT_EQ(pixel(0, 0), colour(c.outerTopLeft)) << c.name;
        EXPECT_EQ(pixel(1, 1), colour(c.innerTopLeft)) << c.name;
        EXPECT_EQ(pixel(39, 29), colour(c.outerBottomRight)) << c.name;
        EXPECT_EQ(pixel(38, 28), colour(c.innerBottomRight)) << c.name;
        EXPECT_EQ(pixel(39, 0), colour(c.outerBottomRight)) << c.name << ", corner";
        EXPECT_EQ(pixel(20, 15), colour(face)) << c.name;
    }
}

} // namespace
