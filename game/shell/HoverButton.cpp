#include "shell/HoverButton.h"

#include "sound/SoundEffect.h"
#include "sound/modSoundSystem.h"

#include <QKeyEvent>

namespace {} // namespace

HoverButton::HoverButton(QWidget* parent) : QAbstractButton(parent) {
    setFocusPolicy(Qt::StrongFocus);
    // Connected first, so the click sounds before any window reacts to it.
    connect(this, &QAbstractButton::clicked, this,
            [] { modSoundSystem::PlaySound(SoundEffect::Click); });
}

void HoverButton::enterEvent(QEnterEvent* event) {
    QAbstractButton::enterEvent(event);
    if (!isEnabled() || m_hovered)
        return;
    modSoundSystem::PlaySound(SoundEffect::Hover);
    m_hovered = true;
    update();
}

void HoverButton::leaveEvent(QEvent* event) {
    QAbstractButton::leaveEvent(event);
    m_hovered = false;
    update();
}

void HoverButton::changeEvent(QEvent* event) {
    QAbstractButton::changeEvent(event);
    if (event->type() == QEvent::EnabledChange) {
        m_hovered = false;
        update();
    }
}

void HoverButton::keyPressEvent(QKeyEvent* event) {
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    if (enter && !event->isAutoRepeat()) {
        click();
        return;
    }
    if (event->key() == Qt::Key_Space) {
        QAbstractButton::keyPressEvent(event);
        return;
    }
    event->ignore();
}
