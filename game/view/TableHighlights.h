#pragma once

#include <QObject>
#include <vector>

class PlateButton;
struct MatchState;

// The looks of the table's buttons and of the sign and magnitude controls under the hand. The
// pointer moving onto one of them lights its highlight; while one is lit the flag is set and no
// second button lights up until the highlights are cleared. End Turn and Stand keep their
// highlighted look while the opponent moves: there it shows them inactive.
class TableHighlights : public QObject {
public:
    TableHighlights(QObject* parent, const MatchState& match) : QObject(parent), m_match(match) {}

    // Buttons are numbered in the order they are added: End Turn, Stand, Quit Game, Send.
    void addButton(PlateButton* button);
    void addControl(PlateButton* control);

    // Set while a button or control shows its highlight.
    bool Flag() const { return m_highlight; }
    // The pointer is over the table again: every highlight goes out, except that End Turn and
    // Stand stay inactive while the player cannot act.
    void ClearHighlights();
    // Every button and control gets its normal look, whatever the flag was.
    void Normal();
    // End Turn and Stand get their highlighted look.
    void Inactive();

private:
    void HighlightButton(std::size_t index);
    void HighlightControl(PlateButton* control);

    std::vector<PlateButton*> m_buttons;
    std::vector<PlateButton*> m_controls;
    const MatchState& m_match;
    bool m_highlight = false;
};
