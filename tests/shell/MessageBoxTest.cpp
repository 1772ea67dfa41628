#include "ShellFixture.h"

#include "shell/ctlButton.h"
#include "shell/frmMessage.h"

#include <QKeyEvent>
#include <QLabel>
#include <QTest>
#include <QTimer>
#include <functional>

namespace {

struct OpenBox {
    frmMessage* box;
    QLabel* label;
    ctlButton* first;
    ctlButton* second;
};

// Shows a box and hands it to inspect while it waits; what inspect does not close is closed from
// outside. Returns the box's answer.
frmMessage::Answer withBox(const QString& message, const QString& first, const QString& second,
                           const std::function<void(const OpenBox&)>& inspect) {
    QTimer::singleShot(0, [inspect] {
        auto* box = qobject_cast<frmMessage*>(QApplication::activeModalWidget());
        ASSERT_NE(box, nullptr);
        inspect({box, box->findChild<QLabel*>(QStringLiteral("lblMessage")),
                 box->findChild<ctlButton*>(QStringLiteral("cmdFirstButton")),
                 box->findChild<ctlButton*>(QStringLiteral("cmdSecondButton"))});
        if (box->isVisible())
            box->close();
    });
    return frmMessage::ShowMessage(message, first, second);
}

void clickFirst(const OpenBox& b) {
    QTest::mouseClick(b.first, Qt::LeftButton);
}

class MessageBoxTest : public ShellFixture {
protected:
    void SetUp() override {
        ShellFixture::SetUp();
        clsLanguage& t = clsLanguage::instance();
        t.setQuitReally(QStringLiteral("Do you really want to quit?"));
        t.setWaitingForPlayer(QStringLiteral("Waiting for the other player..."));
    }
};

int textWidth(const OpenBox& b, const QString& text) {
    return QFontMetrics(b.label->font()).horizontalAdvance(text);
}

TEST_F(MessageBoxTest, WidthStaysAtDesignGrowsWithTextAndStopsAt500) {
    withBox(QStringLiteral("Hi"), {}, {}, [](const OpenBox& b) {
        EXPECT_EQ(b.box->width(), frmMessage::DesignWidth);
        EXPECT_EQ(b.box->height(), frmMessage::DesignHeight);
    });
    withBox(QString(400, QLatin1Char('W')), {}, {}, [](const OpenBox& b) {
        EXPECT_EQ(b.box->width(), frmMessage::MaxWidth);
        EXPECT_EQ(b.label->width(), frmMessage::MaxWidth - 2 * frmMessage::Margin);
    });
    // A text just wider than the design: the box grows to the text plus both margins.
    QString medium;
    withBox(QStringLiteral("x"), {}, {}, [&medium](const OpenBox& b) {
        while (textWidth(b, medium) + 2 * frmMessage::Margin <= frmMessage::DesignWidth + 20)
            medium += QStringLiteral("word ");
    });
    withBox(medium, {}, {}, [&medium](const OpenBox& b) {
        EXPECT_EQ(b.box->width(), textWidth(b, medium) + 2 * frmMessage::Margin);
        EXPECT_LT(b.box->width(), frmMessage::MaxWidth);
    });
}

// A two-line message is as wide as its longer line, not as both lines laid end to end.
TEST_F(MessageBoxTest, ATwoLineMessageIsMeasuredByItsLongerLine) {
    QString line;
    withBox(QStringLiteral("x"), {}, {}, [&line](const OpenBox& b) {
        while (textWidth(b, line) + 2 * frmMessage::Margin <= frmMessage::DesignWidth + 20)
            line += QStringLiteral("word ");
    });
    const QString twoLines = line + QLatin1Char('\n') + QStringLiteral("/short");
    withBox(twoLines, {}, {}, [&line](const OpenBox& b) {
        EXPECT_EQ(b.box->width(), textWidth(b, line) + 2 * frmMessage::Margin);
    });
}

TEST_F(MessageBoxTest, SingleButtonIsCentredAndEmptyCaptionMeansOk) {
    withBox(QStringLiteral("Hello"), {}, {}, [](const OpenBox& b) {
        EXPECT_EQ(b.first->Caption(), QStringLiteral("Okay"));
        EXPECT_TRUE(b.second->isHidden());
        const int rightGap = b.box->width() - b.first->geometry().right() - 1;
        EXPECT_LE(std::abs(b.first->x() - rightGap), 1);
    });
}

TEST_F(MessageBoxTest, TwoButtonsAreCentredWithTheirGap) {
    const QString longText(300, QLatin1Char('m'));
    for (const QString& message : {QStringLiteral("Quit?"), longText}) {
        withBox(message, QStringLiteral("Yes"), QStringLiteral("No"), [](const OpenBox& b) {
            ASSERT_TRUE(b.second->isVisible());
            EXPECT_EQ(b.second->Caption(), QStringLiteral("No"));
            EXPECT_EQ(b.first->y(), b.second->y());
            const int gap = b.second->x() - b.first->geometry().right() - 1;
            EXPECT_LE(std::abs(gap - frmMessage::ButtonGap), 1);
            const int rightGap = b.box->width() - b.second->geometry().right() - 1;
            EXPECT_LE(std::abs(b.first->x() - rightGap), 1);
        });
    }
}

TEST_F(MessageBoxTest, EachTextPlaysItsSound) {
    clsLanguage& t = clsLanguage::instance();
    t.setMatchLost(QStringLiteral("You lost the match."));
    t.setNoCreditsLeft(QStringLiteral("You have no credits left."));
    t.setNextLevel(QStringLiteral("Next level!"));
    t.setCampaignEnd(QStringLiteral("The campaign is won."));
    t.setMatchWon(QStringLiteral("You won the match."));
    t.setSetLost(QStringLiteral("Set lost."));
    t.setSetWon(QStringLiteral("Set won."));
    t.setSetTied(QStringLiteral("Set tied."));
    const std::vector<std::pair<QString, int>> cases{
        {t.MatchLost() + QStringLiteral("\r\n") + t.NoCreditsLeft(), 7},
        {t.MatchLost(), 7},
        {t.NextLevel(), 4},
        {t.CampaignEnd(), 4},
        {t.MatchWon(), 9},
        {t.SetLost(), 8},
        {t.SetWon(), 10},
        {t.SetTied(), 11},
        {QStringLiteral("Player 2: ") + t.SetWon(), 5},
        {t.NoCreditsLeft(), 5},
        {QStringLiteral("Error 5 in X: y"), 5},
    };
    for (const auto& [message, effect] : cases) {
        SCOPED_TRACE(message.toStdString());
        PlayedSounds().clear();
        withBox(message, {}, {}, [](const OpenBox&) {});
        ASSERT_FALSE(PlayedSounds().empty());
        EXPECT_EQ(PlayedSounds().front(), effect);
    }
}

TEST_F(MessageBoxTest, EmptyTextsNeverMatchBeforeTheLanguageIsLoaded) {
    clsLanguage::instance().setSetWon({});
    clsLanguage::instance().setQuitReally({});
    withBox({}, {}, {}, clickFirst);
    EXPECT_EQ(PlayedSounds().front(), 5);
    EXPECT_FALSE(frmMessage::IsText({}, clsLanguage::instance().QuitReally()));
    EXPECT_FALSE(frmMessage::IsText(QStringLiteral(" "), QStringLiteral(" ")));
    EXPECT_TRUE(frmMessage::IsText(QStringLiteral("Quit?"), QStringLiteral("Quit?")));
}

// The caller learns which button closed the box: Escape answers with the last button.
TEST_F(MessageBoxTest, TheAnswerNamesTheButtonThatClosedTheBox) {
    const QString quit = clsLanguage::instance().QuitReally();
    const QString yes = QStringLiteral("Yes");
    const QString no = QStringLiteral("No");
    const auto escape = [](const OpenBox& b) { QTest::keyClick(b.box, Qt::Key_Escape); };
    const auto second = [](const OpenBox& b) { QTest::mouseClick(b.second, Qt::LeftButton); };
    const auto nothing = [](const OpenBox&) {};
    EXPECT_EQ(withBox(quit, yes, no, clickFirst), frmMessage::FirstButton);
    EXPECT_EQ(withBox(quit, yes, no, second), frmMessage::SecondButton);
    EXPECT_EQ(withBox(quit, yes, no, escape), frmMessage::SecondButton);
    EXPECT_EQ(withBox(QStringLiteral("Hello"), {}, {}, escape), frmMessage::FirstButton);
    EXPECT_EQ(withBox(QStringLiteral("Hello"), {}, {}, nothing), frmMessage::Closed);
}

TEST_F(MessageBoxTest, ABoxCanOpenWhileAnotherWaits) {
    std::vector<QString> closed;
    withBox(QStringLiteral("outer"), {}, {}, [&closed](const OpenBox& outer) {
        withBox(QStringLiteral("inner"), {}, {}, [&closed, &outer](const OpenBox& inner) {
            EXPECT_NE(inner.box, outer.box);
            EXPECT_TRUE(outer.box->isVisible());
            clickFirst(inner);
            closed.push_back(inner.label->text());
        });
        clickFirst(outer);
        closed.push_back(outer.label->text());
    });
    EXPECT_EQ(closed, (std::vector<QString>{QStringLiteral("inner"), QStringLiteral("outer")}));
}

} // namespace
