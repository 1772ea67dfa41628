#include "OnlineFixture.h"

#include "Md5.h"
#include "online/frmSettings.h"
#include "online/modOnline.h"
#include "profile/clsPlayer.h"
#include "shell/ctlButton.h"
#include "shell/ctlToolbox.h"
#include "shell/frmMain.h"
#include "sound/modSoundSystem.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QTest>

namespace {

const QString Digest = QString::fromStdString(MD5("sesame"));

// The media player's commands, in order.
class RecordingMusicPlayer : public MusicPlayer {
public:
    explicit RecordingMusicPlayer(QStringList& log) : m_log(log) {}
    void Close() override { m_log.append(QStringLiteral("close")); }
    void Open(const QString& file) override { m_log.append(QStringLiteral("open ") + file); }
    void Rewind() override { m_log.append(QStringLiteral("rewind")); }
    void Play() override { m_log.append(QStringLiteral("play")); }
    void Stop() override { m_log.append(QStringLiteral("stop")); }

private:
    QStringList& m_log;
};

class SettingsWindowTest : public OnlineFixture {
protected:
    void SetUp() override {
        OnlineFixture::SetUp();
        modSoundSystem::setMusicPlayer(std::make_unique<RecordingMusicPlayer>(m_music));
        m_server->answer(QStringLiteral("/stats.php"), {200, "1"});
    }

    // Opens a fresh window from the stored values.
    void open() {
        m_window = std::make_unique<frmSettings>();
        m_window->show();
    }
    QLineEdit* box(const char* name) const {
        return m_window->findChild<QLineEdit*>(QString::fromLatin1(name));
    }
    QComboBox* list(const char* name) const {
        return m_window->findChild<QComboBox*>(QString::fromLatin1(name));
    }
    void type(const char* name, const QString& text) const {
        box(name)->clear();
        QTest::keyClicks(box(name), text);
    }
    // Presses OK; true when the window closed with everything applied.
    bool confirm() {
        QTest::mouseClick(m_window->findChild<ctlButton*>(QStringLiteral("cmdOK")), Qt::LeftButton);
        return !m_window->isVisible() && m_window->result() == QDialog::Accepted;
    }

    std::unique_ptr<frmSettings> m_window;
    QStringList m_music;
};

TEST_F(SettingsWindowTest, OpensWithTheStoredValuesAndTheCaptions) {
    clsStore::instance().setPort(40000);
    clsPlayer::instance().setName(QStringLiteral("Tessa"));
    setAccount(QStringLiteral("0042"), Digest);
    open();
    EXPECT_EQ(box("txtPort")->text(), QStringLiteral("40000"));
    EXPECT_EQ(box("txtName")->text(), QStringLiteral("Tessa"));
    EXPECT_EQ(box("txtOnlineID")->text(), QStringLiteral("0042"));
    EXPECT_EQ(box("txtPassword")->text(), QStringLiteral("zimbrale\x1b"));
    EXPECT_EQ(box("txtPassword")->echoMode(), QLineEdit::Password);
    const std::vector<std::pair<const char*, QString>> captions{
        {"lblSettings", numberedText(clsLanguage::Settings_)},
        {"lblInfo0", numberedText(clsLanguage::sLanguage_) + u':'},
        {"lblInfo1", QStringLiteral("Port:")},
        {"lblInfo2", QStringLiteral("(1 - 65534)")},
        {"lblInfo3", numberedText(clsLanguage::Name_) + u':'},
        {"lblInfo4", numberedText(clsLanguage::Music_) + u':'},
        {"lblInfo5", QStringLiteral("Online ID:")},
        {"lblInfo6", numberedText(clsLanguage::Password_) + u':'},
    };
    for (const auto& [name, caption] : captions)
        EXPECT_EQ(m_window->findChild<QLabel*>(QString::fromLatin1(name))->text(), caption) << name;
    EXPECT_EQ(m_window->findChild<ctlButton*>(QStringLiteral("cmdOK"))->Caption(),
              numberedText(clsLanguage::Ok_));
}

TEST_F(SettingsWindowTest, WithoutAnAccountThePasswordBoxIsEmpty) {
    open();
    EXPECT_EQ(box("txtOnlineID")->text(), modOnline::NoAccount);
    EXPECT_EQ(box("txtPassword")->text(), QString());
}

TEST_F(SettingsWindowTest, PortsOutsideOneTo65534AreRefused) {
    const std::vector<std::pair<QString, bool>> ports{
        {QStringLiteral("0"), false},     {QStringLiteral("65535"), false},
        {QStringLiteral("99999"), false}, {QString(), false},
        {QStringLiteral("1"), true},      {QStringLiteral("65534"), true},
        {QStringLiteral("40000"), true},  {QStringLiteral("00080"), true},
    };
    for (const auto& [port, accepted] : ports) {
        SCOPED_TRACE(port.toStdString());
        clsStore::instance().setPort(1234);
        m_messages.clear();
        open();
        type("txtPort", port);
        EXPECT_EQ(confirm(), accepted);
        EXPECT_EQ(clsStore::instance().Port(), accepted ? port.toInt() : 1234);
        EXPECT_EQ(messages(),
                  accepted ? QStringList{} : QStringList{numberedText(clsLanguage::InvalidPort_)});
    }
}

TEST_F(SettingsWindowTest, TheChecksRunInOrderAndTheFirstFailureIsShown) {
    open();
    type("txtPort", QStringLiteral("0"));
    type("txtName", QString());
    type("txtOnlineID", QStringLiteral("12"));
    EXPECT_FALSE(confirm());
    type("txtPort", QStringLiteral("80"));
    EXPECT_FALSE(confirm());
    type("txtName", QStringLiteral("Tessa"));
    EXPECT_FALSE(confirm());
    EXPECT_EQ(messages(), (QStringList{numberedText(clsLanguage::InvalidPort_),
                                       numberedText(clsLanguage::EnterName_),
                                       numberedText(clsLanguage::InvalidID_)}));
    EXPECT_TRUE(m_window->isVisible());
    EXPECT_TRUE(m_server->requests.isEmpty());
}

TEST_F(SettingsWindowTest, ANameOfSpacesPassesAndReadsBackEmpty) {
    open();
    type("txtName", QStringLiteral("   "));
    EXPECT_TRUE(confirm());
    EXPECT_EQ(clsPlayer::instance().Name(), QString());
}

TEST_F(SettingsWindowTest, LettersNeverReachThePortOrTheIdBox) {
    open();
    type("txtPort", QStringLiteral("4a0-0b0 0"));
    type("txtOnlineID", QStringLiteral("x12y345"));
    EXPECT_EQ(box("txtPort")->text(), QStringLiteral("40000"));
    EXPECT_EQ(box("txtOnlineID")->text(), QStringLiteral("1234"));
    box("txtOnlineID")->clear();
    box("txtOnlineID")->insert(QStringLiteral("ab"));
    EXPECT_EQ(box("txtOnlineID")->text(), QString());
}

TEST_F(SettingsWindowTest, NoAccountIsStoredWithoutAskingTheServer) {
    setAccount(QStringLiteral("0042"), Digest);
    open();
    type("txtOnlineID", modOnline::NoAccount);
    type("txtPassword", QStringLiteral("anything at all"));
    EXPECT_TRUE(confirm());
    EXPECT_TRUE(m_server->requests.isEmpty());
    EXPECT_EQ(UserData().OnlineID, 0);
    EXPECT_EQ(clsPlayer::instance().OnlinePassword(), QString(32, u' '));
}

TEST_F(SettingsWindowTest, AnUntouchedAccountIsNotCheckedAgain) {
    setAccount(QStringLiteral("0042"), Digest);
    open();
    EXPECT_TRUE(confirm());
    EXPECT_TRUE(m_server->requests.isEmpty());
    EXPECT_EQ(clsPlayer::instance().OnlinePassword(), Digest);
}

TEST_F(SettingsWindowTest, ANewPasswordIsCheckedWithItsDigestAndStoredWhenValid) {
    setAccount(QStringLiteral("0042"), Digest);
    const QString newDigest = QString::fromStdString(MD5("open sesame"));
    open();
    type("txtPassword", QStringLiteral("open sesame"));
    EXPECT_TRUE(confirm());
    EXPECT_EQ(m_server->requests,
              QStringList{QStringLiteral("/stats.php?mode=check&id=0042&pw=") + newDigest});
    EXPECT_EQ(clsPlayer::instance().OnlinePassword(), newDigest);
}

TEST_F(SettingsWindowTest, ARefusedAccountChangesNothingAtAll) {
    writeLanguageFile(QStringLiteral("Deutsch.ini"), numberedTexts());
    m_server->answer(QStringLiteral("/stats.php"), {200, "0"});
    clsStore::instance().setMusicFile(0);
    open();
    type("txtPort", QStringLiteral("5000"));
    type("txtName", QStringLiteral("Other"));
    type("txtOnlineID", QStringLiteral("0007"));
    type("txtPassword", QStringLiteral("wrong"));
    list("cboLanguage")->setCurrentText(QStringLiteral("Deutsch"));
    list("cboMusic")->setCurrentIndex(2);
    EXPECT_FALSE(confirm());
    EXPECT_EQ(messages(), QStringList{numberedText(clsLanguage::PasswordIDIncorrect_)});
    EXPECT_EQ(m_server->requests.size(), 1);
    EXPECT_TRUE(m_window->isVisible());
    const UserDataRecord record = stored();
    EXPECT_EQ(record.Port, UserDataRecord::defaults().Port);
    EXPECT_EQ(record.OnlineID, 0);
    EXPECT_EQ(clsStore::instance().LanguageFile(), QStringLiteral("English.ini"));
    EXPECT_EQ(clsStore::instance().MusicFile(), 0);
    EXPECT_TRUE(m_music.isEmpty());
}

TEST_F(SettingsWindowTest, TheCloseButtonKeepsEverythingAsItWas) {
    const UserDataRecord before = stored();
    open();
    type("txtPort", QStringLiteral("5000"));
    type("txtName", QStringLiteral("Other"));
    QTest::mouseClick(m_window->findChild<ctlToolbox*>(QStringLiteral("tbClose")), Qt::LeftButton);
    EXPECT_FALSE(m_window->isVisible());
    EXPECT_EQ(stored().toBytes(), before.toBytes());
}

TEST_F(SettingsWindowTest, TheLanguageListShowsTheProgramFoldersFilesWithoutTheirEnding) {
    writeLanguageFile(QStringLiteral("Deutsch.ini"), numberedTexts());
    writeLanguageFile(QStringLiteral("Klingon.INI"), numberedTexts());
    writeLanguageFile(QStringLiteral("notes.txt"), numberedTexts());
    open();
    QStringList names;
    for (int i = 0; i < list("cboLanguage")->count(); ++i)
        names.append(list("cboLanguage")->itemText(i));
    EXPECT_EQ(names, (QStringList{QStringLiteral("Deutsch"), QStringLiteral("English"),
                                  QStringLiteral("Klingon")}));
    EXPECT_EQ(list("cboLanguage")->currentText(), QStringLiteral("English"));
}

// The chosen language takes effect at once, in the menu too.
TEST_F(SettingsWindowTest, AStoredNameDifferingOnlyInCaseSelectsTheFirstAndSwitchesToIt) {
    std::vector<std::string> german = numberedTexts();
    german[clsLanguage::Options_] = "Einstellungen";
    writeLanguageFile(QStringLiteral("Deutsch.ini"), german);
    frmMain menu;
    menu.Form_Language();
    clsStore::instance().setLanguageFile(QStringLiteral("english.ini"));
    open();
    EXPECT_EQ(list("cboLanguage")->currentText(), QStringLiteral("Deutsch"));
    EXPECT_TRUE(confirm());
    EXPECT_EQ(clsStore::instance().LanguageFile(), QStringLiteral("Deutsch.ini"));
    EXPECT_EQ(clsLanguage::instance().Options(), QStringLiteral("Einstellungen"));
    EXPECT_EQ(menu.findChild<ctlButton*>(QStringLiteral("cmdSettings"))->Caption(),
              QStringLiteral("Einstellungen"));
}

struct MusicCase {
    const char* name;
    std::int16_t stored;
    int shownEntry;
    int chosenEntry;
    std::int16_t storedAfter;
    QStringList player;
};

TEST_F(SettingsWindowTest, MusicChangesAtOnceAndTheSameChoiceChangesNothing) {
    const QStringList start{QStringLiteral("close"), QStringLiteral("open brov2.mp3"),
                            QStringLiteral("rewind"), QStringLiteral("play")};
    const QStringList stop{QStringLiteral("stop"), QStringLiteral("rewind")};
    const std::vector<MusicCase> cases{
        {"same track", 1, 1, 1, 1, {}},
        {"another track", 1, 1, 2, 2, start},
        {"no music", 1, 1, 3, -1, stop},
        {"no music again", -1, 3, 3, -1, {}},
        {"track after silence", -1, 3, 2, 2, start},
        {"unknown stored value", 7, 3, 3, -1, stop},
    };
    for (const MusicCase& c : cases) {
        SCOPED_TRACE(c.name);
        clsStore::instance().setMusicFile(c.stored);
        m_music.clear();
        open();
        EXPECT_EQ(list("cboMusic")->itemText(3), numberedText(clsLanguage::NoMusic_));
        EXPECT_EQ(list("cboMusic")->currentIndex(), c.shownEntry);
        list("cboMusic")->setCurrentIndex(c.chosenEntry);
        EXPECT_TRUE(confirm());
        EXPECT_EQ(clsStore::instance().MusicFile(), c.storedAfter);
        EXPECT_EQ(m_music, c.player);
    }
}

} // namespace
