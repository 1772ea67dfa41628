#include "rules/frmGame.h"

#include "opponent/clsOpponent.h"
#include "profile/clsLanguage.h"
#include "profile/clsPlayer.h"
#include "profile/clsStore.h"
#include "rules/CardFace.h"
#include "rules/CardView.h"
#include "rules/GameState.h"
#include "rules/PlateButton.h"
#include "rules/TableArt.h"
#include "rules/TableLayout.h"
#include "shell/Look.h"
#include "shell/Ports.h"
#include "shell/frmMessage.h"
#include "shell/modWindow.h"
#include "sidedeck/frmSelectCards.h"
#include "sound/modSoundSystem.h"

#include <QEventLoop>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPointer>
#include <QTimer>
#include <cmath>

namespace {

constexpr int HoverSound = 3;
constexpr int ChatSound = 2;
const QString LabelColour = QStringLiteral("color: rgb(173, 173, 151);");

double& waitScale() {
    static double scale = 1.0;
    return scale;
}

// The open table, for the message box's answer to the quit question.
QPointer<frmGame>& openTable() {
    static QPointer<frmGame> table;
    return table;
}

} // namespace

void frmGame::setWaitScale(double scale) {
    waitScale() = scale;
}

frmGame::frmGame()
    : QWidget(nullptr, Qt::Window | Qt::FramelessWindowHint), m_table(*this),
      lblPlayerName(makeLabel(QStringLiteral("lblPlayerName"), {176, 80}, 270, 12)),
      lblOpponentName(makeLabel(QStringLiteral("lblOpponentName"), {592, 80}, 250, 12)),
      lblPlayerCount(makeLabel(QStringLiteral("lblPlayerCount"), {461, 88}, 40, 18)),
      lblOpponentCount(makeLabel(QStringLiteral("lblOpponentCount"), {530, 88}, 40, 18)),
      lblPlayerHand(makeLabel(QStringLiteral("lblPlayerHand"), {152, 456}, 300, 11)),
      lblOpponentHand(makeLabel(QStringLiteral("lblOpponentHand"), {552, 456}, 300, 11)) {
    setObjectName(QStringLiteral("frmGame"));
    const bool multiplayer = GameState::instance().isMultiplayer();
    setFixedSize(TableLayout::Width, multiplayer ? TableLayout::ChatHeight : TableLayout::Height);
    m_backdrop = TableArt::Table(size(), multiplayer);
    setMouseTracking(true);
    makeCards();
    makeControls();
    makeButtons();
    makeChatStrip();
    TextsOnLoad();
    openTable() = this;
    frmMessage::setQuitConfirmedAction([] {
        if (frmGame* table = openTable())
            table->Run([table] { table->m_table.QuitConfirmed(); });
    });
    modWindow::CenterOverMain(this);
}

frmGame::~frmGame() = default;

QLabel* frmGame::makeLabel(const QString& name, QPoint at, int width, int pointSize) {
    auto* label = new QLabel(this);
    label->setObjectName(name);
    label->setTextFormat(Qt::PlainText);
    label->setFont(Look::DisplayFont(pointSize));
    label->setStyleSheet(LabelColour);
    label->setGeometry(QRect(at, QSize(width, pointSize * 2 + 4)));
    // Passive labels belong to the background: pressing them moves the window.
    label->setAttribute(Qt::WA_TransparentForMouseEvents);
    return label;
}

QLabel* frmGame::makePicture(const QString& name, const QPixmap& picture, QPoint at) {
    auto* label = new QLabel(this);
    label->setObjectName(name);
    label->setPixmap(picture);
    label->setGeometry(QRect(at, picture.size()));
    label->setAttribute(Qt::WA_TransparentForMouseEvents);
    label->hide();
    return label;
}

void frmGame::makeCards() {
    for (int slot = 0; slot < TableModel::SlotCount; ++slot) {
        auto* card = new CardView(this);
        card->setObjectName(QStringLiteral("imgCard%1").arg(slot));
        card->move(TableLayout::SlotPosition(slot));
        imgCard[static_cast<std::size_t>(slot)] = card;
        if (slot < TableModel::FirstHandSlot) {
            card->setAttribute(Qt::WA_TransparentForMouseEvents);
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
            connect(control, &PlateButton::pointerMoved, this,
                    [this, c = control] { HighlightControl(c); });
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
    for (std::size_t side = 0; side < imgRed.size(); ++side)
        imgRed[side] = makePicture(QStringLiteral("imgRed%1").arg(side), TableArt::TurnLight(),
                                   TableLayout::Lights[side]);
    for (std::size_t m = 0; m < imgWin.size(); ++m)
        imgWin[m] = makePicture(QStringLiteral("imgWin%1").arg(m), TableArt::WinMarker(),
                                {TableLayout::MarkerLefts[m / 3], TableLayout::MarkerTops[m % 3]});
    lblChange[0] = makeLabel(QStringLiteral("lblChange0"), {176, 639}, 340, 10);
    lblChange[1] = makeLabel(QStringLiteral("lblChange1"), {176, 669}, 340, 10);
    lblStands[0] = makeLabel(QStringLiteral("lblPlayerStands"), {176, 104}, 270, 9);
    lblStands[1] = makeLabel(QStringLiteral("lblOpponentStands"), {592, 104}, 250, 9);
}

void frmGame::makeButtons() {
    for (int i = 0; i < 4; ++i) {
        auto* button = new PlateButton(this);
        button->setObjectName(QStringLiteral("lblButton%1").arg(i));
        button->setGeometry(TableLayout::Buttons[static_cast<std::size_t>(i)]);
        connect(button, &PlateButton::pointerMoved, this, [this, i] { HighlightButton(i); });
        connect(button, &QAbstractButton::clicked, this, [this, i] {
            if (i == 3)
                Send();
            else
                Run([this, i] { m_table.ButtonClick(i); });
        });
        lblButton[static_cast<std::size_t>(i)] = button;
    }
}

// The strip below the table: the chat box, the connection state and the input. Outside
// multiplayer it lies below the window's lower edge and its input is disabled.
void frmGame::makeChatStrip() {
    chbChat = new QPlainTextEdit(this);
    chbChat->setObjectName(QStringLiteral("chbChat"));
    chbChat->setReadOnly(true);
    chbChat->setGeometry(36, 776, 468, 112);
    txtState = makeLabel(QStringLiteral("txtState"), {520, 776}, 388, 9);
    txtMessage = new QLineEdit(this);
    txtMessage->setObjectName(QStringLiteral("txtMessage"));
    txtMessage->setGeometry(520, 796, 388, 24);
    txtMessage->setEnabled(GameState::instance().isMultiplayer());
    const QString field = QStringLiteral("color: rgb(173, 173, 151); background: rgb(14, 12, 10); "
                                         "border: 1px solid rgb(96, 78, 30);");
    chbChat->setStyleSheet(field);
    txtMessage->setStyleSheet(field);
    connect(txtMessage, &QLineEdit::returnPressed, this, &frmGame::Send);
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
    lblPlayerName->setText(clsPlayer::instance().Name());
    lblOpponentName->setText(clsOpponent::instance().Name());
    lblPlayerCount->setText(QStringLiteral("0"));
    lblOpponentCount->setText(QStringLiteral("0"));
    txtState->setText(t.state() + QStringLiteral(": ") + t.SckConnect());
    txtMessage->setAccessibleName(t.sSend());
    for (int i = 0; i < 4; ++i) {
        imgFlip[static_cast<std::size_t>(i)]->setAccessibleName(t.ChangeSign() + QLatin1Char(' ') +
                                                                QString::number(i + 1));
        imgValueChange[static_cast<std::size_t>(i)]->setAccessibleName(
            t.ChangeValue() + QLatin1Char(' ') + QString::number(i + 1));
    }
    for (CardView* back : imgOpponentHand) {
        back->setFace(CardFace::Back);
        back->show();
    }
    AddChatLine(QStringLiteral("Quelta Brovel Online - v") + clsStore::instance().Version(), 0);
    setWindowTitle(QStringLiteral("Quelta Brovel"));
}

void frmGame::StartMatch() {
    Run([this] { m_table.StartMatch(); });
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

// Commands to the other program are carried by the network part of the game; outside
// multiplayer the match never sends any.
void frmGame::SendCommand(const QString&, const QString&) {
}

// The online statistics part reports finished matches; until it is there nothing is sent.
void frmGame::UploadStats(int) {
}

void frmGame::AddChatLine(const QString& line, int) {
    chbChat->appendPlainText(line);
}

void frmGame::SlotChanged(int slot) {
    CardView* card = imgCard[static_cast<std::size_t>(slot)];
    const QString text = m_table.model().text(slot).toQString();
    card->setFace(m_table.model().face(slot));
    card->setText(text);
    if (slot < TableModel::FirstHandSlot)
        return;
    card->setVisible(!text.isEmpty());
    card->setAccessibleName(clsLanguage::instance().PlayerHand() + QLatin1Char(' ') +
                            QString::number(slot - TableModel::FirstHandSlot + 1) +
                            QStringLiteral(": ") + text);
}

void frmGame::CountsChanged(std::int16_t player, std::int16_t opponent) {
    lblOpponentCount->setText(QString::number(opponent));
    lblPlayerCount->setText(QString::number(player));
}

void frmGame::TurnLight(int side) {
    imgRed[0]->setVisible(side == 0);
    imgRed[1]->setVisible(side == 1);
}

void frmGame::ShowWinMarker(int marker) {
    imgWin[static_cast<std::size_t>(marker)]->show();
}

void frmGame::ButtonsNormal() {
    m_highlight = true;
    ClearHighlights();
}

void frmGame::ButtonsInactive() {
    for (int i = 0; i < 2; ++i) {
        m_highlight = false;
        HighlightButton(i);
    }
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
    if (openTable() == this)
        openTable() = nullptr;
    hide();
    if (QWidget* main = modWindow::MainWindow())
        main->show();
}

void frmGame::ReopenSideDeckSelection() {
    // Opened once the table's own calls have returned, so matches never nest.
    QTimer::singleShot(0, [] { frmSelectCards::Open(); });
}

void frmGame::SetStarted(int) {
    for (QLabel* stands : lblStands)
        stands->clear();
}

void frmGame::SideStands(int side) {
    const QString name = side == 0 ? clsPlayer::instance().Name() : clsOpponent::instance().Name();
    lblStands[static_cast<std::size_t>(side)]->setText(name + QLatin1Char(' ') +
                                                       clsLanguage::instance().Stands());
}

// ---- Looks ----

void frmGame::HighlightButton(int index) {
    if (m_highlight)
        return;
    if (index >= GameTable::QuitButton || clsPlayer::instance().CanAct)
        modSoundSystem::PlaySound(HoverSound);
    lblButton[static_cast<std::size_t>(index)]->setHighlighted(true);
    m_highlight = true;
}

// While side 1 moves, End Turn and Stand keep their highlighted look: it shows them inactive.
void frmGame::ClearHighlights() {
    if (!m_highlight)
        return;
    const bool canAct = clsPlayer::instance().CanAct;
    for (std::size_t i = 0; i < lblButton.size(); ++i) {
        if (i >= GameTable::QuitButton || canAct)
            lblButton[i]->setHighlighted(false);
    }
    for (std::size_t i = 0; i < imgFlip.size(); ++i) {
        imgFlip[i]->setHighlighted(false);
        imgValueChange[i]->setHighlighted(false);
    }
    m_highlight = false;
}

void frmGame::HighlightControl(PlateButton* control) {
    if (control->Highlighted())
        return;
    control->setHighlighted(true);
    m_highlight = true;
}

void frmGame::Send() {
    const QString text = txtMessage->text();
    txtMessage->clear();
    if (text.isEmpty()) {
        ::ShowMessage(clsLanguage::instance().NoMessage());
        return;
    }
    modSoundSystem::PlaySound(ChatSound);
    const QString line =
        QLatin1Char('[') + clsPlayer::instance().Name() + QStringLiteral("] ") + text;
    AddChatLine(line, 1);
    SendCommand(QStringLiteral("msg"), line);
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
    ClearHighlights();
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
