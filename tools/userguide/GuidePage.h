#pragma once

#include "CardRow.h"

#include <QString>

// Fills the user guide's page template. In the template
//   {{style}}                          becomes the web site's style sheet,
//   {{version}}                        the game's version,
//   {{cards FACE:TEXT ... | caption}}  a picture of those cards (faces as the game numbers
//                                      them), embedded as a PNG with the caption as its text.
class GuidePage {
public:
    GuidePage(const CardRow& painter, QString style, QString version);

    // Throws std::runtime_error naming a placeholder it cannot read.
    QString Fill(const QString& page) const;

private:
    QString cardsPicture(const QString& spec) const;

    const CardRow& m_painter;
    QString m_style;
    QString m_version;
};
