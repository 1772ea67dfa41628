#include "view/frmGame.h"

#include "online/modOnline.h"
#include "opponent/clsOpponent.h"
#include "profile/clsLanguage.h"
#include "profile/clsPlayer.h"
#include "rules/CardFace.h"
#include "rules/GameState.h"
#include "shell/Ports.h"
#include "shell/modWindow.h"
#include "sound/modSoundSystem.h"
#include "view/CardView.h"
#include "view/ChatStrip.h"
#include "view/PlateButton.h"
#include "view/ScoreBoard.h"
#include "view/TableArt.h"
#include "view/TableHighlights.h"
#include "view/TableLabel.h"
#include "view/TableLayout.h"

#include <QEventLoop>
#include <QKeyEvent>
#include <QLabel>
#include <QPainter>
#include <QTimer>
#include <cmath>
#include <vector>

namespace {

// The chat strip's button, after End Turn, Stand and Quit Game.
constexpr int SendButton = 3;

double& waitScale() {
    static double scale = 1.0;
    return scale;
}

} // namespace

void frmGame::setWaitScale(double scale) {
    waitScale() = scale;
}

frmGame::frmGame(TablePeer* peer)
    : QWidget(nullptr, Qt::Window | Qt::FramelessWindowHint), m_peer(peer ? *peer : m_noPeer),
      m_table(*this, *this, m_peer, *this), m_looks(new TableHighlights(this, m_table.match())),
      m_scores(new ScoreBoard(this, m_table.match())),
      lblPlayerHand(MakeTableLabel(this, QStringLiteral("lblPlayerHand"), {152, 456}, 300, 11)),
      lblOpponentHand(
          MakeTableLabel(this, QStringLiteral("lblOpponentHand"), {552, 456}, 300, 11)) {
    setObjectName(QStringLiteral("frmGame"));
    const bool multiplayer = GameState::instance().isMultiplayer();
    setFixedSize(TableLayout::Width, multiplayer ? TableLayout::ChatHeight : TableLayout::Height);
    m_backdrop = TableArt::Table(size(), multiplayer);
    setMouseTracking(true);
    makeCards();
    makeControls();
    makeButtons();
    m_chat = new ChatStrip(this);
    connect(m_chat, &ChatStrip::Sent, this, [this](const QString& line) { m_peer.ChatSent(line); });
    // Below the window outside multiplayer: out of reach of Tab and of assistive tools too.
    m_chat->setShown(multiplayer);
    lblButton[SendButton]->setVisible(multiplayer);
    TextsOnLoad();
    KeyboardOrder();
    modWindow::CenterOverMain(this);
}

frmGame::~frmGame() = default;

bool frmGame::HighlightFlag() const {
    return m_looks->Flag();
}

void frmGame::makeCards() {
    for (int slot = 0; slot < TableModel::SlotCount; ++slot) {
        auto* card = new CardView(this);
        card->setObjectName(QStringLiteral("imgCard%1").arg(slot));
        card->move(TableLayout::SlotPosition(slot));
        imgCard[static_cast<std::size_t>(slot)] = card;
        if (slot < TableModel::FirstHandSlot) {
            card->setAttribute(Qt::WA_TransparentForMouseEvents);
            card->setPassive(true);
            continue;
        }
        card->setFocusPolicy(Qt::StrongFocus);
        connect(card, &QAbstractButton::clicked, this,
                [this, slot] { Run([this, slot] { m_table.HandCardClick(slot); }); });
    }
    for (std::size_t i = 0; i < imgOpponentHand.size(); ++i) {
        auto* card = new CardView(this);
        card->setObjectName(QStringLiteral("imgOpponentHand%1").arg(i));
        card->move(TableLayout::OpponentHandLefts[i], TableLayout::HandTop);
        card->setAttribute(Qt::WA_TransparentForMouseEvents);
        card->setPassive(true);
        imgOpponentHand[i] = card;
    }
}

void frmGame::makeControls() {
    for (int i = 0; i < 4; ++i) {
        const auto at = static_cast<std::size_t>(i);
        const int left = TableLayout::HandLefts[at];
        const std::array<std::pair<PlateButton*&, int>, 2> controls{
            {{imgFlip[at], TableLayout::SignOffset},
             {imgValueChange[at], TableLayout::MagnitudeOffset}}};
        for (auto& [control, offset] : controls) {
            control = new PlateButton(this, 9);
            control->setGeometry(
                QRect(QPoint(left + offset, TableLayout::ControlTop), TableLayout::ControlSize));
            m_looks->addControl(control);
            control->hide();
        }
        imgFlip[at]->setObjectName(QStringLiteral("imgFlip%1").arg(i));
        imgFlip[at]->setText(QString(QChar(0x00B1)));
        imgValueChange[at]->setObjectName(QStringLiteral("imgValueChange%1").arg(i));
        imgValueChange[at]->setText(QStringLiteral("1|2"));
        connect(imgFlip[at], &QAbstractButton::clicked, this,
                [this, i] { Run([this, i] { m_table.FlipClick(i); }); });
        connect(imgValueChange[at], &QAbstractButton::clicked, this,
                [this, i] { Run([this, i] { m_table.MagnitudeClick(i); }); });
    }
    lblChange[0] = MakeTableLabel(this, QStringLiteral("lblChange0"), {176, 639}, 340, 10);
    lblChange[1] = MakeTableLabel(this, QStringLiteral("lblChange1"), {176, 669}, 340, 10);
}

void frmGame::makeButtons() {
    for (int i = 0; i < 4; ++i) {
        auto* button = new PlateButton(this);
        button->setObjectName(QStringLiteral("lblButton%1").arg(i));
        button->setGeometry(TableLayout::Buttons[static_cast<std::size_t>(i)]);
        m_looks->addButton(button);
        connect(button, &QAbstractButton::clicked, this, [this, i] {
            if (i == SendButton) {
                // Accepted at any time, so its highlight goes out like any accepted click's.
                m_looks->ClearHighlights();
                m_chat->Send();
            } else {
                Run([this, i] { m_table.ButtonClick(i); });
            }
        });
        lblButton[static_cast<std::size_t>(i)] = button;
    }
}

void frmGame::TextsOnLoad() {
    const clsLanguage& t = clsLanguage::instance();
    lblPlayerHand->setText(t.PlayerHand());
    lblOpponentHand->setText(t.OpponentHand());
    const std::array<QString, 4> captions{t.EndTurn(), t.Stand(), t.QuitGame(), t.sSend()};
    for (std::size_t i = 0; i < lblButton.size(); ++i)
        lblButton[i]->setText(captions[i]);
    lblChange[0]->setText(QString(QChar(0x00B1)) + QStringLiteral("  ") + t.ChangeSign());
    lblChange[1]->setText(QStringLiteral("1|2  ") + t.ChangeValue());
    m_scores->TextsOnLoad();
    for (int i = 0; i < 4; ++i) {
        imgFlip[static_cast<std::size_t>(i)]->setAccessibleName(t.ChangeSign() + QLatin1Char(' ') +
                                                                QString::number(i + 1));
        imgValueChange[static_cast<std::size_t>(i)]->setAccessibleName(
            t.ChangeValue() + QLatin1Char(' ') + QString::number(i + 1));
    }
    for (std::size_t i = 0; i < imgOpponentHand.size(); ++i) {
        imgOpponentHand[i]->setFace(CardFace::Back);
        imgOpponentHand[i]->setAccessibleName(t.OpponentHand() + QLatin1Char(' ') +
                                              QString::number(i + 1));
        imgOpponentHand[i]->show();
    }
    for (int slot = 0; slot < TableModel::SlotCount; ++slot)
        NameSlot(slot);
    m_chat->TextsOnLoad();
    setWindowTitle(QStringLiteral("Quelta Brovel"));
}

// End Turn first, so that Enter or Space on a fresh table ends the turn and never plays a hand
// card; then Stand, the hand with its controls, and Quit Game.
void frmGame::KeyboardOrder() {
    std::vector<QWidget*> order{lblButton[GameTable::EndTurnButton],
                                lblButton[GameTable::StandButton]};
    for (std::size_t i = 0; i < imgFlip.size(); ++i)
        order.insert(order.end(),
                     {imgCard[TableModel::FirstHandSlot + i], imgFlip[i], imgValueChange[i]});
    order.push_back(lblButton[GameTable::QuitButton]);
    for (std::size_t i = 1; i < order.size(); ++i)
        setTabOrder(order[i - 1], order[i]);
    lblButton[GameTable::EndTurnButton]->setFocus();
}

// Every place of the table is named for assistive tools: the side it belongs to, its number
// and the card lying there (nothing for an empty place).
void frmGame::NameSlot(int slot) {
    const QString text = m_table.model().text(slot).toQString();
    CardView* card = imgCard[static_cast<std::size_t>(slot)];
    if (slot >= TableModel::FirstHandSlot) {
        card->setAccessibleName(clsLanguage::instance().PlayerHand() + QLatin1Char(' ') +
                                QString::number(slot - TableModel::FirstHandSlot + 1) +
                                QStringLiteral(": ") + text);
        return;
    }
    const bool own = slot < TableModel::SideSlots;
    const QString side = own ? clsPlayer::instance().Name() : clsOpponent::instance().Name();
    card->setAccessibleName(side + QLatin1Char(' ') +
                            QString::number(slot % TableModel::SideSlots + 1) +
                            QStringLiteral(": ") + text);
}

// What the player may do now, for assistive tools: End Turn and Stand while it is the
// player's turn, a hand card while one may still be played.
void frmGame::ActionStates() {
    const MatchState::Side& player = m_table.match().Player();
    lblButton[GameTable::EndTurnButton]->setInactive(!player.CanAct);
    lblButton[GameTable::StandButton]->setInactive(!player.CanAct);
    for (int slot = TableModel::FirstHandSlot; slot < TableModel::SlotCount; ++slot)
        imgCard[static_cast<std::size_t>(slot)]->setInactive(!player.CanPlayCard || player.Stand);
}

void frmGame::StartMatch() {
    Run([this] { m_table.StartMatch(); });
}

void frmGame::Abandon() {
    Run([this] { m_table.QuitConfirmed(); });
}

template <typename F> void frmGame::Run(F&& action) {
    ++m_depth;
    struct Leave {
        frmGame* game;
        ~Leave() {
            if (--game->m_depth == 0 && game->m_closed)
                game->deleteLater();
        }
    } leave{this};
    action();
}

void frmGame::Activate() {
    if (!m_closed && isVisible())
        Run([this] { m_table.Activated(); });
}

// ---- What the match asks of the window ----

void frmGame::Wait(int ms) {
    QEventLoop loop;
    QTimer::singleShot(static_cast<int>(std::lround(ms * waitScale())), &loop, &QEventLoop::quit);
    loop.exec();
}

void frmGame::ShowMessage(const QString& message, const QString& firstButton,
                          const QString& secondButton) {
    ::ShowMessage(message, firstButton, secondButton);
}

void frmGame::PlaySound(int effect) {
    modSoundSystem::PlaySound(effect);
}

void frmGame::ReportMatch(int win) {
    modOnline::UploadStats(win);
}

void frmGame::AddChatLine(const QString& line, int type) {
    m_chat->AddChatLine(line, type);
}

void frmGame::Hold(const std::function<void(GameTable&)>& action) {
    Run([&] { action(m_table); });
}

void frmGame::ShowConnectionState(const QString& text) {
    m_chat->ShowState(text);
}

void frmGame::SlotChanged(int slot) {
    CardView* card = imgCard[static_cast<std::size_t>(slot)];
    const QString text = m_table.model().text(slot).toQString();
    card->setFace(m_table.model().face(slot));
    card->setText(text);
    NameSlot(slot);
    if (slot < TableModel::FirstHandSlot)
        return;
    card->setVisible(!text.isEmpty());
    ActionStates();
}

void frmGame::CountsChanged(std::int16_t player, std::int16_t opponent) {
    m_scores->CountsChanged(player, opponent);
}

void frmGame::TurnLight(int side) {
    m_scores->TurnLight(side);
}

void frmGame::ShowWinMarker(int marker) {
    m_scores->ShowWinMarker(marker);
}

void frmGame::ButtonsNormal() {
    m_looks->Normal();
    ActionStates();
}

void frmGame::ButtonsInactive() {
    m_looks->Inactive();
    ActionStates();
}

void frmGame::HandControls(int handIndex, bool sign, bool magnitude) {
    imgFlip[static_cast<std::size_t>(handIndex)]->setVisible(sign);
    imgValueChange[static_cast<std::size_t>(handIndex)]->setVisible(magnitude);
}

void frmGame::OpponentHandCardHidden(int index) {
    imgOpponentHand[static_cast<std::size_t>(index)]->hide();
}

void frmGame::CloseTable() {
    m_closed = true;
    hide();
    Q_EMIT closed();
}

void frmGame::ReopenSideDeckSelection() {
    Q_EMIT seriesGoesOn();
}

void frmGame::SetStarted(int) {
    m_scores->ClearStands();
}

void frmGame::SetDecided(int winner) {
    m_scores->SetDecided(winner);
}

void frmGame::SideStands(int side) {
    m_scores->SideStands(side);
}

// ---- Window events ----

void frmGame::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.drawPixmap(0, 0, m_backdrop);
}

void frmGame::mousePressEvent(QMouseEvent*) {
    modWindow::DragWindow(this);
}

void frmGame::mouseMoveEvent(QMouseEvent* event) {
    m_looks->ClearHighlights();
    QWidget::mouseMoveEvent(event);
}

void frmGame::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape)
        Run([this] { m_table.AskQuit(); });
    else
        QWidget::keyPressEvent(event);
}

// Deals asked for while the window was hidden are made once it is on screen.
void frmGame::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    QTimer::singleShot(0, this, &frmGame::Activate);
}

void frmGame::changeEvent(QEvent* event) {
    QWidget::changeEvent(event);
    if (event->type() == QEvent::ActivationChange && isActiveWindow())
        Activate();
}

// Closed from outside (the desktop, or another mode taking over): the match ends here.
void frmGame::closeEvent(QCloseEvent* event) {
    event->accept();
    if (!m_closed)
        Run([this] { m_table.CloseTable(); });
}
