#include "ShellFixture.h"

#include "shell/Look.h"
#include "shell/ctlButton.h"
#include "shell/ctlToolbox.h"

#include <QAccessible>
#include <QEnterEvent>
#include <QKeyEvent>
#include <QSignalSpy>
#include <QTest>
#include <memory>

namespace {

constexpr int HoverSound = 3;
constexpr int ClickSound = 2;

void enter(QWidget* w) {
    QEnterEvent event(QPointF(2, 2), QPointF(2, 2), QPointF(2, 2));
    QApplication::sendEvent(w, &event);
}

void leave(QWidget* w) {
    QEvent event(QEvent::Leave);
    QApplication::sendEvent(w, &event);
}

// A window that notes the keys its buttons pass on, as the trade screen uses them.
class KeyWindow : public QWidget {
public:
    std::vector<int> keys;

protected:
    void keyPressEvent(QKeyEvent* event) override { keys.push_back(event->key()); }
};

class ControlsTest : public ShellFixture {
protected:
    void SetUp() override {
        ShellFixture::SetUp();
        clsLanguage::instance().setsClose(QStringLiteral("Schlie\u00DFen"));
        button = new ctlButton(&window);
        toolbox = new ctlToolbox(&window);
        window.show();
    }
    KeyWindow window;
    ctlButton* button = nullptr;
    ctlToolbox* toolbox = nullptr;
};

TEST_F(ControlsTest, HoverSoundsOnceUntilThePointerLeaves) {
    for (HoverButton* b : std::initializer_list<HoverButton*>{button, toolbox}) {
        PlayedSounds().clear();
        enter(b);
        enter(b);
        EXPECT_TRUE(b->isHovered());
        EXPECT_EQ(countOf(HoverSound), 1);
        leave(b);
        EXPECT_FALSE(b->isHovered());
        enter(b);
        EXPECT_EQ(countOf(HoverSound), 2);
    }
}

TEST_F(ControlsTest, LooksFollowHoverAndEnabledState) {
    EXPECT_EQ(button->LookColour(), Look::Blue);
    enter(button);
    EXPECT_EQ(button->LookColour(), Look::Hover);
    button->setEnabled(false);
    EXPECT_EQ(button->LookColour(), Look::Gray);
    button->setEnabled(true);
    EXPECT_EQ(button->LookColour(), Look::Blue);
}

TEST_F(ControlsTest, DisabledButtonNeitherLightsUpNorClicks) {
    QSignalSpy clicks(button, &QAbstractButton::clicked);
    button->setEnabled(false);
    enter(button);
    QTest::mouseClick(button, Qt::LeftButton);
    QTest::keyClick(button, Qt::Key_Space);
    EXPECT_FALSE(button->isHovered());
    EXPECT_EQ(clicks.count(), 0);
    EXPECT_TRUE(PlayedSounds().empty());
}

TEST_F(ControlsTest, MouseSpaceAndEnterClickWithTheClickSound) {
    QSignalSpy clicks(button, &QAbstractButton::clicked);
    button->setFocus();
    QTest::mouseClick(button, Qt::LeftButton);
    for (Qt::Key key : {Qt::Key_Space, Qt::Key_Return, Qt::Key_Enter})
        QTest::keyClick(button, key);
    EXPECT_EQ(clicks.count(), 4);
    EXPECT_EQ(countOf(ClickSound), 4);
}

TEST_F(ControlsTest, OtherKeysGoOnToTheWindow) {
    QSignalSpy clicks(button, &QAbstractButton::clicked);
    QTest::keyClick(button, Qt::Key_A);
    QTest::keyClick(button, Qt::Key_Left);
    EXPECT_EQ(window.keys, (std::vector<int>{Qt::Key_A, Qt::Key_Left}));
    EXPECT_EQ(clicks.count(), 0);
}

TEST_F(ControlsTest, ToolboxIsACloseOrMinimiseButtonThatClicksWithSound) {
    EXPECT_FALSE(toolbox->MinButton());
    const QString closeName = toolbox->text();
    toolbox->setMinButton(true);
    EXPECT_NE(toolbox->text(), closeName);
    QSignalSpy clicks(toolbox, &QAbstractButton::clicked);
    QTest::mouseClick(toolbox, Qt::LeftButton);
    EXPECT_EQ(clicks.count(), 1);
    EXPECT_EQ(countOf(ClickSound), 1);
}

// The caption bar speaks the player's language: the close button is named by its Close text.
TEST_F(ControlsTest, TheCloseButtonIsNamedInThePlayersLanguage) {
    EXPECT_EQ(QAccessible::queryAccessibleInterface(toolbox)->text(QAccessible::Name),
              QStringLiteral("Schlie\u00DFen"));
    toolbox->setMinButton(true);
    EXPECT_NE(toolbox->text(), QStringLiteral("Minimize"));
}

TEST_F(ControlsTest, AssistiveToolsFindThemAsNamedButtons) {
    button->setCaption(QStringLiteral("Campaign"));
    const std::vector<std::pair<QWidget*, QString>> cases{
        {button, QStringLiteral("Campaign")},
        {toolbox, toolbox->text()},
    };
    for (const auto& [widget, name] : cases) {
        QAccessibleInterface* a = QAccessible::queryAccessibleInterface(widget);
        ASSERT_NE(a, nullptr);
        EXPECT_EQ(a->role(), QAccessible::Button);
        EXPECT_FALSE(name.isEmpty());
        EXPECT_EQ(a->text(QAccessible::Name), name);
    }
}

} // namespace
