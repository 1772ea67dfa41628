#include "sidedeck/frmSelectCards.h"

#include "campaign/frmWager.h"
#include "opponent/clsOpponent.h"
#include "profile/clsLanguage.h"
#include "profile/clsPlayer.h"
#include "profile/clsStore.h"
#include "rules/GameError.h"
#include "rules/GameState.h"
#include "shell/Look.h"
#include "shell/Ports.h"
#include "shell/ReadOr.h"
#include "shell/frmMain.h"
#include "shell/modWindow.h"
#include "sidedeck/MatchStart.h"
#include "sound/SoundEffect.h"
#include "sound/modSoundSystem.h"
#include "view/CardView.h"
#include "view/PlateButton.h"
#include "view/TableArt.h"

#include <QEvent>
#include <QLabel>
#include <QPainter>
#include <QPointer>
#include <QTimer>

namespace {

constexpr int KindColumns = 8;
constexpr QSize KindCell{104, 124};
constexpr QPoint KindOrigin{63, 56};
constexpr QPoint SlotOrigin{34, 462};
constexpr int SlotStep = 88;
const QString LabelColour = QStringLiteral("color: rgb(173, 173, 151);");
constexpr const char* Procedure = "frmSelectCards";

// A level no byte holds reads as the first one: only the owned cards are offered.
std::uint8_t StoredLevel() {
    return ReadOr(
        Procedure, [] { return clsPlayer::instance().Level(); }, 1);
}

frmMain* mainMenu() {
    return qobject_cast<frmMain*>(modWindow::MainWindow());
}

} // namespace

frmSelectCards::frmSelectCards()
    : QWidget(nullptr, Qt::Window | Qt::FramelessWindowHint),
      m_deck([](int effect) { modSoundSystem::PlaySound(effect); }),
      lblChoose(makeLabel(QStringLiteral("lblChoose"), {24, 20, 600, 30}, 14)),
      lblSideDeck(makeLabel(QStringLiteral("lblSideDeck"), {24, 430, 600, 28}, 12)),
      lblCredits(makeLabel(QStringLiteral("lblCredits"), {24, 592, 480, 28}, 12)) {
    setObjectName(QStringLiteral("frmSelectCards"));
    setFixedSize(WindowWidth, WindowHeight);
    m_backdrop = TableArt::Panel(size());
    setMouseTracking(true);
    makeKinds();
    makeSlots();
    makeButtons();
    Load();
    modWindow::CenterOverMain(this);
}

QLabel* frmSelectCards::makeLabel(const QString& name, QRect at, int pointSize) {
    auto* label = new QLabel(this);
    label->setObjectName(name);
    label->setTextFormat(Qt::PlainText);
    label->setFont(Look::DisplayFont(pointSize));
    label->setStyleSheet(LabelColour);
    label->setGeometry(at);
    label->setAttribute(Qt::WA_TransparentForMouseEvents);
    return label;
}

void frmSelectCards::makeKinds() {
    for (int kind = 0; kind < CardKind::Count; ++kind) {
        auto* card = new CardView(this, true);
        card->setObjectName(QStringLiteral("imgCard%1").arg(kind));
        card->move(KindOrigin + QPoint(kind % KindColumns * KindCell.width(),
                                       kind / KindColumns * KindCell.height()));
        card->setText(CardKind::ListText(kind));
        card->setAccessibleName(card->text());
        card->setFocusPolicy(Qt::StrongFocus);
        connect(card, &QAbstractButton::clicked, this, [this, kind] { AddCard(kind); });
        connect(card, &CardView::pointerMoved, this, &frmSelectCards::ResetButtons);
        imgCard[static_cast<std::size_t>(kind)] = card;
    }
}

void frmSelectCards::makeSlots() {
    // The ten places show where the chosen cards go while they are still empty.
    QList<QPoint> places;
    for (int slot = 0; slot < SideDeck::SlotCount; ++slot)
        places.append(SlotOrigin + QPoint(slot * SlotStep, 0));
    TableArt::MarkCardPlaces(m_backdrop, places);
    for (int slot = 0; slot < SideDeck::SlotCount; ++slot) {
        auto* card = new CardView(this);
        card->setObjectName(QStringLiteral("imgHandCard%1").arg(slot));
        card->move(places.at(slot));
        card->setFocusPolicy(Qt::StrongFocus);
        connect(card, &QAbstractButton::clicked, this, [this, slot] { RemoveCard(slot); });
        connect(card, &CardView::pointerMoved, this, &frmSelectCards::ResetButtons);
        imgHandCard[static_cast<std::size_t>(slot)] = card;
    }
}

void frmSelectCards::makeButtons() {
    const std::array<QRect, 2> places{QRect(560, 590, 170, 28), QRect(746, 590, 170, 28)};
    for (int b = 0; b < 2; ++b) {
        auto* button = new PlateButton(this);
        button->setObjectName(QStringLiteral("lblButton%1").arg(b));
        button->setGeometry(places[static_cast<std::size_t>(b)]);
        connect(button, &PlateButton::pointerMoved, this, [this, b] { HoverButton(b); });
        lblButton[static_cast<std::size_t>(b)] = button;
    }
    connect(lblButton[0], &QAbstractButton::clicked, this, &frmSelectCards::Play);
    connect(lblButton[1], &QAbstractButton::clicked, this, &frmSelectCards::DeleteCards);
}

void frmSelectCards::Load() {
    if (QWidget* main = modWindow::MainWindow())
        setWindowIcon(main->windowIcon());
    const clsLanguage& t = clsLanguage::instance();
    setWindowTitle(t.ChooseCards());
    lblChoose->setText(t.ChooseCards());
    lblSideDeck->setText(t.Sidedeck());
    lblButton[0]->setText(t.Play());
    lblButton[1]->setText(t.DeleteCards());
    const GameState& state = GameState::instance();
    const bool freeChoice = SideDeck::FreeChoice(state.GameMode, StoredLevel());
    m_wagerPending =
        !state.isMultiplayer() && !(state.GameMode == GameState::Campaign && freeChoice);
    if (state.isMultiplayer())
        lblCredits->setText(QStringLiteral("Quelta Brovel Online"));
    else if (state.GameMode == GameState::Campaign && freeChoice)
        lblCredits->setText(QStringLiteral("Quelta Brovel Bonus"));
    OfferCards();
}

void frmSelectCards::OfferCards() {
    const GameState& state = GameState::instance();
    const clsPlayer& player = clsPlayer::instance();
    const clsStore& store = clsStore::instance();
    if (SideDeck::FreeChoice(state.GameMode, StoredLevel())) {
        m_deck.OfferAll();
    } else {
        SideDeck::Owned owned{};
        for (int kind = 0; kind < CardKind::Count; ++kind)
            owned[static_cast<std::size_t>(kind)] = ReadOr(
                Procedure, [&] { return player.Card(kind); }, 0);
        m_deck.OfferOwned(owned);
    }
    const std::int16_t saveMode = ReadOr(
        Procedure, [&] { return store.SidedeckSaveMode(); }, 0);
    if (SideDeck::ShouldRestore(saveMode, state.GameMode, store.SidedeckCard(0))) {
        SideDeck::Kinds saved{};
        for (int slot = 0; slot < SideDeck::SlotCount; ++slot)
            saved[static_cast<std::size_t>(slot)] = store.SidedeckCard(slot);
        m_deck.Restore(saved);
    }
    for (int kind = 0; kind < CardKind::Count; ++kind)
        RefreshKind(kind);
    for (int slot = 0; slot < SideDeck::SlotCount; ++slot)
        RefreshSlot(slot);
}

// A kind that is not offered is not shown at all; one whose copies have run out shows dimmed.
void frmSelectCards::RefreshKind(int kind) {
    CardView* card = imgCard[static_cast<std::size_t>(kind)];
    card->setVisible(m_deck.Offered(kind));
    card->setFace(m_deck.KindFace(kind));
    card->setCaption(QString::number(m_deck.Available(kind)));
    card->setAccessibleDescription(card->Caption());
}

void frmSelectCards::RefreshSlot(int slot) {
    CardView* card = imgHandCard[static_cast<std::size_t>(slot)];
    const int kind = m_deck.SlotKind(slot);
    const QString text = kind == SideDeck::NoKind ? QString() : CardKind::ListText(kind);
    card->setFace(m_deck.SlotFace(slot));
    card->setText(text);
    card->setAccessibleName(clsLanguage::instance().Sidedeck() + QLatin1Char(' ') +
                            QString::number(slot + 1) + QStringLiteral(": ") + text);
}

void frmSelectCards::AddCard(int kind) {
    if (!m_deck.AddCard(kind, false))
        return;
    RefreshKind(kind);
    for (int slot = 0; slot < SideDeck::SlotCount; ++slot)
        RefreshSlot(slot);
}

void frmSelectCards::RemoveCard(int slot) {
    const int kind = m_deck.SlotKind(slot);
    if (kind == SideDeck::NoKind)
        return;
    m_deck.RemoveCard(slot, true);
    RefreshKind(kind);
    RefreshSlot(slot);
}

void frmSelectCards::DeleteCards() {
    m_deck.DeleteCards();
    for (int kind = 0; kind < CardKind::Count; ++kind)
        RefreshKind(kind);
    for (int slot = 0; slot < SideDeck::SlotCount; ++slot)
        RefreshSlot(slot);
}

void frmSelectCards::Play() {
    if (m_starting)
        return;
    if (!m_deck.Complete()) {
        ResetButtons();
        ShowMessage(clsLanguage::instance().ChooseSidedeck());
        return;
    }
    modSoundSystem::PlaySound(SoundEffect::Click);
    // Saved whatever the save mode says: the mode only decides what comes back next time.
    const SideDeck::Kinds kinds = m_deck.Deck();
    for (int slot = 0; slot < SideDeck::SlotCount; ++slot)
        clsStore::instance().setSidedeckCard(slot, kinds[static_cast<std::size_t>(slot)]);
    StartMatch();
}

void frmSelectCards::StartMatch() {
    m_starting = true;
    MatchStart::DrawHand(m_deck.Deck());
    if (GameState::instance().isMultiplayer()) {
        StartMultiplayerMatch();
        return;
    }
    if (GameState::instance().GameMode == GameState::Campaign) {
        try {
            MatchStart::BookCampaignStake();
        } catch (const GameError& e) {
            ReportError(e.number(), QStringLiteral("StartMatch"), QString::fromLatin1(e.what()));
        }
    }
    Q_EMIT matchStarting();
}

// Both players must be ready; the table opens once they are, and closes this window.
void frmSelectCards::StartMultiplayerMatch() {
    Q_EMIT readyReported();
    GameState::instance().LocalReady = true;
    ResetButtons();
    frmMain* main = mainMenu();
    if (main && !main->tmrReady()->isActive()) {
        const clsLanguage& t = clsLanguage::instance();
        ShowMessage(t.WaitingForPlayer(), t.Cancel());
    }
}

void frmSelectCards::ResetButtons() {
    if (!m_buttonHover)
        return;
    for (PlateButton* button : lblButton)
        button->setHighlighted(false);
    m_buttonHover = false;
}

void frmSelectCards::HoverButton(int index) {
    if (m_buttonHover)
        return;
    modSoundSystem::PlaySound(SoundEffect::Hover);
    lblButton[static_cast<std::size_t>(index)]->setHighlighted(true);
    m_buttonHover = true;
}

void frmSelectCards::Activate() {
    if (m_wagerPending) {
        m_wagerPending = false;
        ShowWager();
    }
}

void frmSelectCards::ShowWager() {
    frmWager wager(this);
    connect(&wager, &frmWager::wagerStored, this, [this](std::int32_t amount) {
        lblCredits->setText(QString::number(amount) + QStringLiteral(" Credits"));
    });
    // The wager window's end button: no match this time.
    connect(&wager, &frmWager::ended, this, &QWidget::close);
    wager.exec();
}

void frmSelectCards::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.drawPixmap(0, 0, m_backdrop);
}

void frmSelectCards::mousePressEvent(QMouseEvent*) {
    modWindow::DragWindow(this);
}

void frmSelectCards::mouseMoveEvent(QMouseEvent* event) {
    ResetButtons();
    QWidget::mouseMoveEvent(event);
}

void frmSelectCards::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    QTimer::singleShot(0, this, &frmSelectCards::Activate);
}

void frmSelectCards::changeEvent(QEvent* event) {
    QWidget::changeEvent(event);
    if (event->type() == QEvent::ActivationChange && isActiveWindow())
        Activate();
}

// Closed before Play, by the wager's end button or by the desktop: the player is back where the
// match was chosen.
void frmSelectCards::closeEvent(QCloseEvent* event) {
    QWidget::closeEvent(event);
    if (!m_starting)
        Q_EMIT leftByPlayer();
}
