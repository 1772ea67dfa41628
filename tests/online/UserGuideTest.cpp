#include "OnlineFixture.h"

#include "online/UserGuide.h"

#include <QDesktopServices>
#include <QUrl>

namespace {

// Catches the addresses the game asks the desktop to open, web pages and files alike.
class UrlCatcher : public QObject {
    Q_OBJECT
public:
    UrlCatcher() {
        for (const QString& scheme : {QStringLiteral("http"), QStringLiteral("file")})
            QDesktopServices::setUrlHandler(scheme, this, "open");
    }
    ~UrlCatcher() override {
        for (const QString& scheme : {QStringLiteral("http"), QStringLiteral("file")})
            QDesktopServices::unsetUrlHandler(scheme);
    }
    QStringList opened;
public Q_SLOTS:
    void open(const QUrl& url) { opened.append(url.toString()); }
};

using UserGuideTest = OnlineFixture;

TEST_F(UserGuideTest, TheSitesPageWhenItAnswersTheShippedPageOtherwise) {
    UrlCatcher catcher;
    const QString site =
        QStringLiteral("http://") + m_server->host() + QStringLiteral("/index.php?page=userguide");
    m_server->answer(QStringLiteral("/index.php"), {200, "<html>guide</html>"});
    UserGuide::OpenFrom(site);
    m_server->answer(QStringLiteral("/index.php"), {500, "broken"});
    UserGuide::OpenFrom(site);
    m_server.reset();
    UserGuide::OpenFrom(site);
    const QString shipped = QUrl::fromLocalFile(UserGuide::ShippedPagePath()).toString();
    EXPECT_EQ(catcher.opened, (QStringList{site, shipped, shipped}));
    EXPECT_TRUE(shipped.endsWith(QStringLiteral("/userguide.html")));
}

} // namespace

#include "UserGuideTest.moc"
