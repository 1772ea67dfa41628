#pragma once

#include "sidedeck/SideDeck.h"

#include <QPixmap>
#include <QWidget>
#include <array>

class CardView;
class PlateButton;
class QLabel;

// The side deck selection before every match: the 23 kinds with the copies still available,
// the ten slots of the deck, Play and Delete cards. It asks for the wager before a staked match,
// and on Play saves the deck, draws the hand and says the match can start (in multiplayer that
// the player is ready); the screen coordinator opens the table. A new window for each match.
class frmSelectCards : public QWidget {
    Q_OBJECT
public:
    static constexpr int WindowWidth = 940;
    static constexpr int WindowHeight = 640;

    frmSelectCards();

    const SideDeck& deck() const { return m_deck; }
    bool WagerPending() const { return m_wagerPending; }

Q_SIGNALS:
    // Play with a complete deck: the hand is drawn and, in the campaign, the stake booked.
    void matchStarting();
    // Multiplayer Play: the hand is drawn; the other program is to be told.
    void readyReported();
    // Closed without a match: the wager window's end button, or the desktop closing it.
    void leftByPlayer();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void changeEvent(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void makeKinds();
    void makeSlots();
    void makeButtons();
    QLabel* makeLabel(const QString& name, QRect at, int pointSize);
    void Load();
    void OfferCards();
    void RefreshKind(int kind);
    void RefreshSlot(int slot);
    void AddCard(int kind);
    void RemoveCard(int slot);
    void DeleteCards();
    void Play();
    void StartMatch();
    void StartMultiplayerMatch();
    void ResetButtons();
    void HoverButton(int index);
    void Activate();
    void ShowWager();

    SideDeck m_deck;
    QPixmap m_backdrop;
    std::array<CardView*, CardKind::Count> imgCard{};
    std::array<CardView*, SideDeck::SlotCount> imgHandCard{};
    std::array<PlateButton*, 2> lblButton{};
    QLabel* lblChoose;
    QLabel* lblSideDeck;
    QLabel* lblCredits;
    bool m_wagerPending = false;
    bool m_buttonHover = false;
    bool m_starting = false;
};
