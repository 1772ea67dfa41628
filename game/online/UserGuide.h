#pragma once

#include <QString>

// The help button's user guide: the page on the game's web site, or, when the site does not
// answer, the same guide shipped beside the program.
namespace UserGuide {

inline const QString ShippedPage = QStringLiteral("userguide.html");
// How long the site may take to answer before the shipped page is shown instead. Much shorter
// than the master server's time-out: the player is waiting for a page, not for a report.
inline constexpr int SiteTimeoutMs = 3000;

// The shipped page's path in the program's folder.
QString ShippedPagePath();
// Opens the site's page (by default the game's web site) in the default browser when the site
// answers, the shipped page otherwise. Nothing is reported when the browser cannot be started.
void Open();
void OpenFrom(const QString& siteAddress);

} // namespace UserGuide
