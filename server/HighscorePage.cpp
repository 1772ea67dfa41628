#include "HighscorePage.h"

#include "SiteStyle.h"

#include <array>
#include <cstdio>
#include <map>
#include <sstream>

namespace {
constexpr int ModeCount = 3;
const std::array<const char*, ModeCount> ModeNames{"Single game", "Multiplayer", "Campaign"};

struct Record {
    std::array<std::int64_t, ModeCount> won{};
    std::array<std::int64_t, ModeCount> lost{};
};

std::string onlineId(int id) {
    char text[16];
    std::snprintf(text, sizeof text, "%04d", id);
    return text;
}

void writeHead(std::ostream& out) {
    out << "<!DOCTYPE html>\n<html lang=\"en\">\n<head>\n<meta charset=\"utf-8\">\n"
           "<meta name=\"viewport\" content=\"width=device-width, initial-scale=1\">\n"
           "<title>Quelta Brovel Online - Highscores</title>\n"
           "<link rel=\"icon\" href=\"data:image/svg+xml,%3Csvg "
           "xmlns=%27http://www.w3.org/2000/svg%27 viewBox=%270 0 82 102%27%3E%3Crect x=%272%27 "
           "y=%272%27 width=%2778%27 height=%2798%27 rx=%277%27 fill=%27%2300a6f7%27 "
           "stroke=%27%23c5a031%27 stroke-width=%274%27/%3E%3C/svg%3E\">\n<style>\n"
        << SiteStyle << "</style>\n</head>\n<body>\n"
        << "<header><h1>Quelta Brovel Online</h1><p>Highscores</p></header>\n"
           "<nav><a href=\"/index.php?page=userguide\">User guide</a>"
           "<a href=\"/index.php?page=highscores\">Highscores</a></nav>\n<main>\n";
}

void writeBest(std::ostream& out, const std::vector<HighscoreRow>& best) {
    out << "<h2>Best highscores</h2>\n";
    if (best.empty()) {
        out << "<p>No match has been reported yet.</p>\n";
        return;
    }
    out << "<div class=\"table-wrap\"><table>\n<thead><tr><th>Rank</th><th>Online ID</th>"
           "<th>Highscore</th></tr></thead>\n<tbody>\n";
    int rank = 0;
    for (const HighscoreRow& row : best)
        out << "<tr><td>" << ++rank << "</td><td>" << onlineId(row.accountId) << "</td><td>"
            << row.highscore << "</td></tr>\n";
    out << "</tbody></table></div>\n";
}

void writeTallies(std::ostream& out, const std::vector<ModeTally>& tallies) {
    std::map<int, Record> records;
    for (const ModeTally& t : tallies) {
        if (t.gameType < 0 || t.gameType >= ModeCount)
            continue;
        records[t.accountId].won.at(static_cast<std::size_t>(t.gameType)) += t.won;
        records[t.accountId].lost.at(static_cast<std::size_t>(t.gameType)) += t.lost;
    }
    out << "<h2>Matches won and lost</h2>\n";
    if (records.empty()) {
        out << "<p>No match has been reported yet.</p>\n";
        return;
    }
    out << "<div class=\"table-wrap\"><table>\n<thead><tr><th>Online ID</th>";
    for (const char* mode : ModeNames)
        out << "<th>" << mode << "<br>won / lost</th>";
    out << "</tr></thead>\n<tbody>\n";
    for (const auto& [id, record] : records) {
        out << "<tr><td>" << onlineId(id) << "</td>";
        for (std::size_t m = 0; m < ModeCount; ++m)
            out << "<td>" << record.won.at(m) << " / " << record.lost.at(m) << "</td>";
        out << "</tr>\n";
    }
    out << "</tbody></table></div>\n";
}
} // namespace

std::string HighscorePage::Render(const std::vector<HighscoreRow>& best,
                                  const std::vector<ModeTally>& tallies) {
    std::ostringstream out;
    writeHead(out);
    writeBest(out, best);
    writeTallies(out, tallies);
    out << "</main>\n<footer>Matches are reported by the game when an online account is set "
           "in its settings.</footer>\n</body>\n</html>\n";
    return out.str();
}
