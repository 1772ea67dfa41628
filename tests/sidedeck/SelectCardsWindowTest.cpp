#include "ShellFixture.h"

#include "profile/clsPlayer.h"
#include "rules/CardFace.h"
#include "rules/GameState.h"
#include "shell/Ports.h"
#include "sidedeck/frmSelectCards.h"
#include "view/CardView.h"
#include "view/PlateButton.h"

#include <QEnterEvent>
#include <QTest>

namespace {

class SelectCardsWindowTest : public ShellFixture {
protected:
    void SetUp() override {
        ShellFixture::SetUp();
        auto file = std::make_unique<MemoryRecordFile>();
        memoryFile = file.get();
        clsStore::instance().setFileAccess(std::move(file));
        clsLanguage::instance().setChooseSidedeck(QStringLiteral("Choose ten cards."));
        Ports::installShowMessage(
            [this](const QString& m, const QString&, const QString&) { messages.push_back(m); });
    }
    CardView* kind(int k) const {
        return window->findChild<CardView*>(QStringLiteral("imgCard%1").arg(k));
    }
    CardView* slot(int s) const {
        return window->findChild<CardView*>(QStringLiteral("imgHandCard%1").arg(s));
    }
    void click(QWidget* w) { QTest::mouseClick(w, Qt::LeftButton, {}, QPoint(40, 50)); }

    MemoryRecordFile* memoryFile = nullptr;
    std::vector<QString> messages;
    std::unique_ptr<frmSelectCards> window;
};

TEST_F(SelectCardsWindowTest, ClicksMoveCardsBetweenTheKindsAndTheSlots) {
    GameState::instance().GameMode = GameState::SingleGame;
    window = std::make_unique<frmSelectCards>();
    for (int i = 0; i < 11; ++i)
        click(kind(0));
    EXPECT_EQ(kind(0)->Caption(), QStringLiteral("0"));
    EXPECT_EQ(kind(0)->Face(), CardFace::Plus + CardFace::DimOffset);
    EXPECT_EQ(slot(9)->text(), QStringLiteral("+1"));
    EXPECT_EQ(countOf(1), 10);
    click(slot(3));
    EXPECT_EQ(slot(3)->text(), QString());
    EXPECT_EQ(slot(3)->Face(), -1);
    EXPECT_EQ(kind(0)->Caption(), QStringLiteral("1"));
    EXPECT_EQ(kind(0)->Face(), CardFace::Plus);
}

// The pointer going from Play onto a card takes Play's hover look away, as the background does.
TEST_F(SelectCardsWindowTest, ThePointerOnACardResetsTheButtons) {
    GameState::instance().GameMode = GameState::SingleGame;
    window = std::make_unique<frmSelectCards>();
    auto* play = window->findChild<PlateButton*>(QStringLiteral("lblButton0"));
    for (QWidget* card : {static_cast<QWidget*>(kind(4)), static_cast<QWidget*>(slot(2))}) {
        QEnterEvent onPlay(QPointF(5, 5), QPointF(5, 5), QPointF(5, 5));
        QCoreApplication::sendEvent(play, &onPlay);
        ASSERT_TRUE(play->Highlighted());
        QEnterEvent onCard(QPointF(5, 5), QPointF(5, 5), QPointF(5, 5));
        QCoreApplication::sendEvent(card, &onCard);
        EXPECT_FALSE(play->Highlighted()) << card->objectName().toStdString();
    }
}

TEST_F(SelectCardsWindowTest, NineCardsAreRefusedWithNothingSaved) {
    GameState::instance().GameMode = GameState::SingleGame;
    window = std::make_unique<frmSelectCards>();
    for (int k = 0; k < 9; ++k)
        click(kind(k));
    const int writesBefore = memoryFile->writeCount();
    PlayedSounds().clear();
    QTest::mouseClick(window->findChild<PlateButton*>(QStringLiteral("lblButton0")),
                      Qt::LeftButton);
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0], QStringLiteral("Choose ten cards."));
    EXPECT_EQ(memoryFile->writeCount(), writesBefore);
    EXPECT_EQ(countOf(2), 0);
}

TEST_F(SelectCardsWindowTest, CampaignOffersOwnedCardsAndRestoresWhatIsStillOwned) {
    GameState::instance().GameMode = GameState::Campaign;
    UserData().SidedeckSaveMode = 2;
    clsPlayer& player = clsPlayer::instance();
    player.setLevel(3);
    player.setCard(3, 2);
    player.setCard(20, 1);
    const std::array<std::int32_t, 10> saved{3, 3, 3, 5, 20, 20, 9, 3, 3, 3};
    for (int s = 0; s < 10; ++s)
        clsStore::instance().setSidedeckCard(s, saved[static_cast<std::size_t>(s)]);
    window = std::make_unique<frmSelectCards>();
    EXPECT_FALSE(kind(3)->isHidden());
    EXPECT_TRUE(kind(5)->isHidden()) << "not owned: not offered";
    EXPECT_EQ(slot(0)->text(), QStringLiteral("+4"));
    EXPECT_EQ(slot(1)->text(), QStringLiteral("+4"));
    EXPECT_EQ(slot(2)->text(), QStringLiteral("2&4"));
    EXPECT_EQ(slot(3)->text(), QString());
    EXPECT_EQ(kind(3)->Caption(), QStringLiteral("0"));
    EXPECT_TRUE(window->WagerPending());
}

TEST_F(SelectCardsWindowTest, SingleGameIgnoresACampaignOnlySaveMode) {
    GameState::instance().GameMode = GameState::SingleGame;
    UserData().SidedeckSaveMode = 2;
    for (int s = 0; s < 10; ++s)
        clsStore::instance().setSidedeckCard(s, 1);
    window = std::make_unique<frmSelectCards>();
    EXPECT_EQ(slot(0)->text(), QString());
    EXPECT_EQ(kind(1)->Caption(), QStringLiteral("10"));
}

} // namespace
