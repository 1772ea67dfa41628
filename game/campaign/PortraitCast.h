#pragma once

#include <QColor>
#include <cstdint>

// How each opponent of the campaign looks: the features a portrait is drawn from. Looks are
// chosen to fit the name and the home planet: the dusty traders of Amarun, the mechanics of
// Phelon, the card sharps of Sarrowin, the court of Kesh Valdun, and the player's own mirror.
struct PortraitLook {
    enum class Hair { None, Short, Slick, Long, Crest, Topknot, Tails, Wavy, Fringe };
    enum class Clothes { Jacket, Coat, Robe, Armour, Gown, Plating };
    enum Extra : std::uint32_t {
        Beard = 1u << 0,
        Moustache = 1u << 1,
        Scar = 1u << 2,
        Earrings = 1u << 3,
        Goggles = 1u << 4,
        Crown = 1u << 5,
        Horns = 1u << 6,
        PointedEars = 1u << 7,
        BigEars = 1u << 8,
        Visor = 1u << 9, // a machine's eye band instead of eyes
        Monocle = 1u << 10,
        GlowEyes = 1u << 11,
        Hood = 1u << 12,
        Helmet = 1u << 13,
        Chain = 1u << 14,
        Antenna = 1u << 15,
        Scarf = 1u << 16,
        Ridges = 1u << 17, // a scaled brow and crest
        Mirror = 1u << 18, // the sheen of a reflection
    };

    QColor skin;
    QColor hair;
    QColor eyes;
    QColor cloth;
    QColor trim;
    QColor backdrop; // the glow of the home planet behind the figure
    Hair hairStyle = Hair::None;
    Clothes clothes = Clothes::Jacket;
    std::uint32_t extras = 0;
    double headWidth = 1.0; // relative to an ordinary head
    double headHeight = 1.0;
    bool smiles = false;

    bool has(Extra e) const { return (extras & e) != 0; }

    // The look of the opponent whose portrait belongs to this level (1-15, 19-22, 27).
    static const PortraitLook* of(int portraitLevel);
};
