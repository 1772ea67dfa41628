#pragma once

#include <QList>
#include <QPixmap>
#include <QPoint>
#include <QSize>

// The table's own pictures, drawn once: the table itself, the turn light, the set-win marker
// and the plain panel behind the side deck selection.
namespace TableArt {

// The felt table in its wooden rim with the card places of both sides marked; with the chat
// strip below the table in multiplayer.
QPixmap Table(QSize size, bool chatStrip);
// The dark panel with a gold rim that the side deck selection is laid out on.
QPixmap Panel(QSize size);
// Marks a faint card outline at each of these places on a picture made above.
void MarkCardPlaces(QPixmap& picture, const QList<QPoint>& places);
// A glowing red lamp, 53 x 53.
QPixmap TurnLight();
// A gold crest for a won set, 22 x 28.
QPixmap WinMarker();

} // namespace TableArt
