#include "ShellFixture.h"
#include "multiplayer/MultiplayerSession.h"
#include "multiplayer/Winsock.h"
#include "multiplayer/ctlChatBox.h"
#include "multiplayer/frmMultiPlayer.h"
#include "multiplayer/modGetLocalIPs.h"
#include "rules/GameState.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTest>
#include <vector>

namespace {

class MultiplayerWindowsTest : public ShellFixture {};

TEST_F(MultiplayerWindowsTest, TheChatBoxKeepsTheLastFiveLinesInTheirColours) {
    ctlChatBox box;
    for (int i = 1; i <= 6; ++i)
        box.AddLine(i % 3, QStringLiteral("line %1").arg(i));
    ASSERT_EQ(box.LineCount(), ctlChatBox::Lines);
    for (int i = 0; i < ctlChatBox::Lines; ++i)
        EXPECT_EQ(box.LineText(i), QStringLiteral("line %1").arg(i + 2));
    // Lines 2 to 6 of types 2, 0, 1, 2, 0.
    const std::vector<QColor> colours{QColor(192, 0, 0), QColor(173, 173, 151), QColor(0, 166, 247),
                                      QColor(192, 0, 0), QColor(173, 173, 151)};
    for (int i = 0; i < ctlChatBox::Lines; ++i)
        EXPECT_EQ(box.LineColour(i), colours[static_cast<std::size_t>(i)]);
    // Another type keeps the colour the record had: black for a fresh one.
    box.AddLine(7, QStringLiteral("odd"));
    EXPECT_EQ(box.LineColour(4), QColor(173, 173, 151));
    box.Clear();
    box.AddLine(7, QStringLiteral("odd"));
    EXPECT_EQ(box.LineColour(0), QColor(Qt::black));
    box.resize(200, 300);
    EXPECT_EQ(box.size(), QSize(ctlChatBox::BoxWidth, ctlChatBox::BoxHeight));
}

TEST_F(MultiplayerWindowsTest, AddressesAreDottedDecimalInResolverOrder) {
    EXPECT_EQ(modGetLocalIPs::HostAddresses(QStringLiteral("10.0.0.1")),
              QStringList{QStringLiteral("10.0.0.1")});
    EXPECT_EQ(modGetLocalIPs::HostAddresses(QStringLiteral("127.000.000.001")),
              QStringList{QStringLiteral("127.0.0.1")});
    EXPECT_TRUE(modGetLocalIPs::HostAddresses(QStringLiteral("no-such-host.invalid")).isEmpty());
    EXPECT_TRUE(modGetLocalIPs::HostAddresses({}).isEmpty());
}

class ConnectionWindowTest : public MultiplayerWindowsTest {
protected:
    MultiplayerSession session;
    frmMultiPlayer window{session};
    QLineEdit* txtIP = window.findChild<QLineEdit*>(QStringLiteral("txtIP"));
    QAbstractButton* cmdClient = window.findChild<QAbstractButton*>(QStringLiteral("cmdClient"));
    QLabel* lblState = window.findChild<QLabel*>(QStringLiteral("lblState"));

    void SetUp() override {
        MultiplayerWindowsTest::SetUp();
        window.show();
    }
};

TEST_F(ConnectionWindowTest, JoinNeedsAnAddressAndEnterActsAsJoin) {
    EXPECT_EQ(GameState::instance().GameMode, GameState::Multiplayer);
    txtIP->clear();
    EXPECT_FALSE(cmdClient->isEnabled());
    QTest::keyClick(txtIP, Qt::Key_Return);
    EXPECT_TRUE(lblState->isHidden());
    EXPECT_EQ(session.socket().State(), Winsock::Closed);
    QTest::keyClicks(txtIP, QStringLiteral("127.0.0.1"));
    EXPECT_TRUE(cmdClient->isEnabled());
    QTest::keyClick(txtIP, Qt::Key_Return);
    EXPECT_EQ(txtIP->text(), QStringLiteral("127.0.0.1")); // no line break went in
    EXPECT_FALSE(lblState->isHidden());
    EXPECT_NE(session.socket().State(), Winsock::Closed);
    window.close();
    EXPECT_EQ(session.socket().State(), Winsock::Closed);
}

TEST_F(ConnectionWindowTest, TheWaitingDotsCycleAndTheStateIsShown) {
    clsLanguage& t = clsLanguage::instance();
    t.setPleaseWait(QStringLiteral("Wait"));
    t.setWaitingForPlayer(QStringLiteral("Waiting"));
    window.Host();
    const QStringList expected{QStringLiteral("Wait"), QStringLiteral("Wait."),
                               QStringLiteral("Wait.."), QStringLiteral("Wait..."),
                               QStringLiteral("Wait")};
    for (int tick = 0; tick < expected.size(); ++tick) {
        if (tick > 0)
            window.StateTick();
        const QStringList lines = lblState->text().split(QLatin1Char('\n'));
        ASSERT_EQ(lines.size(), 4);
        EXPECT_EQ(lines[0], QStringLiteral("Waiting"));
        EXPECT_EQ(lines[1], expected[tick]);
        EXPECT_TRUE(lines[3].endsWith(t.WinsockStateString(session.socket().State())));
    }
    EXPECT_EQ(session.socket().State(), Winsock::Listening);
    window.close();
    EXPECT_EQ(session.socket().State(), Winsock::Closed);
}

// The host's side of a connection request, as the game handles it: the first request is taken
// and nothing listens any more.
void AcceptFirst(Winsock& host) {
    QObject::connect(&host, &Winsock::ConnectionRequest, &host, [&host](int id) {
        if (host.State() != Winsock::Listening)
            return;
        host.Close();
        host.Accept(id);
    });
}

TEST_F(MultiplayerWindowsTest, OneConnectionCarriesLinesAndASecondClientGetsNone) {
    Winsock host;
    AcceptFirst(host);
    host.Bind(0, QStringLiteral("127.0.0.1"));
    host.Listen();
    ASSERT_EQ(host.State(), Winsock::Listening);
    const quint16 port = host.LocalPort();
    Winsock client;
    EXPECT_EQ(client.SendData("rdy\r\n"), Winsock::WrongProtocolOrConnectionState);
    client.Connect(QStringLiteral("127.0.0.1"), port);
    ASSERT_TRUE(QTest::qWaitFor([&] {
        return host.State() == Winsock::Connected && client.State() == Winsock::Connected;
    }));
    QSignalSpy arrived(&host, &Winsock::DataArrival);
    EXPECT_EQ(client.SendData("pc0\r\n"), 0);
    ASSERT_TRUE(arrived.wait());
    EXPECT_EQ(host.GetData(), QByteArray("pc0\r\n"));

    Winsock second;
    second.Connect(QStringLiteral("127.0.0.1"), port);
    EXPECT_TRUE(QTest::qWaitFor([&] { return second.State() == Winsock::Error; }));
    EXPECT_EQ(host.State(), Winsock::Connected);

    QSignalSpy closed(&host, &Winsock::PeerClosed);
    client.Close();
    ASSERT_TRUE(closed.wait());
    EXPECT_EQ(host.State(), Winsock::Closing);
}

} // namespace
