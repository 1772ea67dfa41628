#include "CampaignFixture.h"

#include "campaign/PortraitPainter.h"
#include "campaign/frmCampaign.h"
#include "campaign/frmTrade.h"
#include "opponent/clsOpponent.h"
#include "profile/clsLanguage.h"
#include "profile/clsPlayer.h"
#include "shell/ctlButton.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QTest>
#include <QTimer>
#include <QWheelEvent>
#include <set>

namespace {
class CampaignWindowTest : public CampaignFixture {
protected:
    int argc = 0;
    QApplication app{argc, nullptr};

    template <typename T> static T* child(const QWidget& window, const char* name) {
        T* found = window.findChild<T*>(QString::fromLatin1(name));
        EXPECT_NE(found, nullptr) << name;
        return found;
    }
    static QString text(const QWidget& window, const char* name) {
        const QLabel* label = child<QLabel>(window, name);
        return label ? label->text() : QString();
    }
    static void Wheel(QWidget& window, int delta) {
        QWheelEvent wheel(QPointF(10, 10), QPointF(10, 10), QPoint(), QPoint(0, delta),
                          Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(&window, &wheel);
    }
};

TEST_F(CampaignWindowTest, ShowsThePlayerAndTheOpponentOfTheLevel) {
    SetLevel(16);
    clsPlayer::instance().setCredits(640);
    clsPlayer::instance().setWins(17);
    clsPlayer::instance().setLosses(4);
    const frmCampaign window;
    const clsLanguage& t = clsLanguage::instance();
    EXPECT_EQ(text(window, "lblCampaign"), t.Campaign());
    EXPECT_EQ(text(window, "lblCredits0"), QStringLiteral("640"));
    EXPECT_EQ(text(window, "lblCredits1"), QStringLiteral("Credits"));
    EXPECT_EQ(text(window, "lblLevel"), t.Level() + QStringLiteral(" 16"));
    EXPECT_EQ(text(window, "lblWins0"), QStringLiteral("17"));
    EXPECT_EQ(text(window, "lblWins1"), t.MatchesWon());
    EXPECT_EQ(text(window, "lblLosses0"), QStringLiteral("4"));
    EXPECT_EQ(text(window, "lblLosses1"), t.MatchesLost());
    EXPECT_EQ(text(window, "lblNPCName"), QStringLiteral("Hubo Zandar"));
    EXPECT_EQ(text(window, "lblNPCPlanet"), t.Planet() + QStringLiteral(": Wendrath"));
    EXPECT_EQ(text(window, "lblNPCCredits"), QStringLiteral("Credits: 500"));
    const QImage shown = child<QLabel>(window, "imgNPC")->pixmap().toImage();
    EXPECT_EQ(shown, PortraitPainter::ForLevel(6, shown.size()).convertToFormat(shown.format()));
    EXPECT_TRUE(child<ctlButton>(window, "cmdTrade")->isEnabled());
}

TEST_F(CampaignWindowTest, TheMirrorMatchHasNoTrade) {
    SetLevel(27);
    frmCampaign window;
    EXPECT_EQ(text(window, "lblNPCName"), clsLanguage::instance().Yourself());
    ctlButton* trade = child<ctlButton>(window, "cmdTrade");
    EXPECT_FALSE(trade->isEnabled());
    // A trade window opened by mistake would be modal: it is noted and closed again.
    QString opened;
    QTimer::singleShot(0, [&opened] {
        if (QWidget* modal = QApplication::activeModalWidget()) {
            opened = modal->objectName();
            modal->close();
        }
    });
    QTest::mouseClick(trade, Qt::LeftButton);
    QApplication::processEvents();
    EXPECT_TRUE(opened.isEmpty()) << opened.toStdString();
}

TEST_F(CampaignWindowTest, TheStripScrollsByKeysAndWheelAndTradesUpdateTheLabels) {
    clsPlayer::instance().setCredits(100);
    frmTrade trade;
    QTest::keyClick(&trade, Qt::Key_Up);
    EXPECT_EQ(trade.model().Offset(), 0);
    QTest::keyClick(&trade, Qt::Key_Down);
    Wheel(trade, -120);
    EXPECT_EQ(trade.model().Offset(), 2);
    Wheel(trade, 120);
    EXPECT_EQ(trade.model().Offset(), 1);
    ctlButton* buy = child<ctlButton>(trade, "cmdBuySell");
    ASSERT_TRUE(buy->isEnabled());
    buy->click();
    EXPECT_EQ(text(trade, "lblCredits"), QStringLiteral("0"));
    EXPECT_EQ(text(trade, "lblNumberOf"), QStringLiteral("8"));
    EXPECT_FALSE(buy->isEnabled());
    child<ctlButton>(trade, "cmdChangeMode")->click();
    EXPECT_EQ(text(trade, "lblBuySell"), clsLanguage::instance().Sell());
    EXPECT_EQ(text(trade, "lblPrice"), QStringLiteral("80"));
    EXPECT_EQ(text(trade, "lblNumberOf"), QStringLiteral("2"));
    EXPECT_TRUE(buy->isEnabled()); // eleven cards owned now
}
// Without a mouse: Tab reaches every place of the strip and Space or Enter selects its kind.
TEST_F(CampaignWindowTest, TheStripIsReachedAndChosenByKeyboard) {
    clsPlayer::instance().setCredits(100);
    frmTrade trade;
    trade.show();
    QApplication::setActiveWindow(&trade);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&trade));
    std::set<QString> reached;
    for (int step = 0; step < 12; ++step) {
        QWidget* focused = QApplication::focusWidget();
        if (focused && focused->objectName().startsWith(QStringLiteral("imgCard")))
            reached.insert(focused->objectName());
        QTest::keyClick(focused ? focused : &trade, Qt::Key_Tab);
    }
    EXPECT_EQ(reached.size(), static_cast<std::size_t>(TradeModel::SlotCount));
    QWidget* third = child<QWidget>(trade, "imgCard2");
    third->setFocus();
    const int before = trade.model().SelectedSlot();
    QTest::keyClick(third, Qt::Key_Space);
    EXPECT_EQ(trade.model().SelectedSlot(), 2);
    QWidget* fourth = child<QWidget>(trade, "imgCard3");
    fourth->setFocus();
    QTest::keyClick(fourth, Qt::Key_Return);
    EXPECT_EQ(trade.model().SelectedSlot(), 3);
    EXPECT_NE(before, 3);
}

} // namespace
