#include "rules/clsCardPool.h"

#include "rules/RandomSource.h"
#include "shell/Ports.h"

#include <utility>

void clsCardPool::CreateNew() {
    m_top = Size - 1;
    for (int i = 0; i < Size; ++i)
        m_cards[i] = static_cast<std::uint8_t>(i % 10 + 1);
    for (int n = 0; n < Size; ++n) {
        const int a = m_random->Pick(Size);
        const int b = m_random->Pick(Size);
        std::swap(m_cards[a], m_cards[b]);
    }
}

std::uint8_t clsCardPool::GetCard() {
    if (m_top < 0) {
        ShowMessage(QStringLiteral("Error: No cards left. New CardPool will be build."));
        CreateNew();
        // The deal goes on from the fresh deck: a card of value 0 is no card of this game.
    }
    return m_cards[m_top--];
}
