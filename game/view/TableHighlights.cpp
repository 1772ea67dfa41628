#include "view/TableHighlights.h"

#include "rules/GameTable.h"
#include "sound/SoundEffect.h"
#include "sound/modSoundSystem.h"
#include "view/PlateButton.h"

namespace {

// Quit Game and Send may be used at any time; End Turn and Stand only on the player's turn.
bool AlwaysActive(std::size_t index) {
    return index >= GameTable::QuitButton;
}

} // namespace

void TableHighlights::addButton(PlateButton* button) {
    const std::size_t index = m_buttons.size();
    m_buttons.push_back(button);
    connect(button, &PlateButton::pointerMoved, this, [this, index] { HighlightButton(index); });
}

void TableHighlights::addControl(PlateButton* control) {
    m_controls.push_back(control);
    connect(control, &PlateButton::pointerMoved, this,
            [this, control] { HighlightControl(control); });
}

void TableHighlights::HighlightButton(std::size_t index) {
    if (m_highlight)
        return;
    if (AlwaysActive(index) || m_match.Player().CanAct)
        modSoundSystem::PlaySound(SoundEffect::Hover);
    m_buttons[index]->setHighlighted(true);
    m_highlight = true;
}

void TableHighlights::HighlightControl(PlateButton* control) {
    if (control->Highlighted())
        return;
    control->setHighlighted(true);
    m_highlight = true;
}

void TableHighlights::ClearHighlights() {
    if (!m_highlight)
        return;
    const bool canAct = m_match.Player().CanAct;
    for (std::size_t i = 0; i < m_buttons.size(); ++i) {
        if (AlwaysActive(i) || canAct)
            m_buttons[i]->setHighlighted(false);
    }
    for (PlateButton* control : m_controls)
        control->setHighlighted(false);
    m_highlight = false;
}

void TableHighlights::Normal() {
    m_highlight = true;
    ClearHighlights();
}

void TableHighlights::Inactive() {
    for (std::size_t i : {GameTable::EndTurnButton, GameTable::StandButton}) {
        m_highlight = false;
        HighlightButton(i);
    }
}
