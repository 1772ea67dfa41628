#pragma once

// The web site's style sheet (web/site.css), built into the server so its pages stand alone.
extern const char* const SiteStyle;
