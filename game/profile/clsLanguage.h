#pragma once

#include <QString>
#include <array>

// Every text the player sees, one per line of the language file, in line order (line 1 first).
#define QB_LANGUAGE_TEXTS(X)                                                                       \
    X(Ok)                                                                                          \
    X(Cancel)                                                                                      \
    X(Options)                                                                                     \
    X(Quit) X(Campaign) X(Singlegame) X(Multiplayer) X(Info) X(sLanguage) X(Settings) X(Music) X(  \
        PlayerHand) X(OpponentHand) X(SckClosed) X(SckOpen) X(SckListening)                        \
        X(SckConnectionPending) X(SckResolvingHost) X(SckHostResolve) X(SckConnecting) X(          \
            SckConnect) X(SckClosing) X(SckError) X(InvalidPort) X(NoMusic) X(EndTurn) X(Stand)    \
            X(QuitGame) X(Yes) X(No) X(QuitReally) X(Name) X(EnterName) X(sSend) X(NoMessage) X(   \
                state) X(Host) X(Join) X(ChangeSign) X(ChangeValue) X(ChooseCards) X(Sidedeck)     \
                X(Play) X(DeleteCards) X(ChooseSidedeck) X(sEnd) X(Wager) X(WagerHowMuch) X(       \
                    WagerMax) X(Opponent) X(Buy) X(SellList) X(sClose) X(Cost) X(Quantity) X(Sell) \
                    X(BuyList) X(Card) X(Worth) X(PleaseWait) X(WaitingForPlayer) X(Trade) X(      \
                        MatchesWon) X(MatchesLost) X(MatchLost) X(MatchWon) X(SetLost) X(SetWon)   \
                        X(SetTied) X(Joined) X(Stands) X(EndsTurn) X(CardDescription_36)           \
                            X(CardDescription_24) X(CardDescription_Plus) X(CardDescription_Minus) \
                                X(CardDescription_PlusMinus) X(CardDescription_PlusMinus12)        \
                                    X(CardDescription_D) X(CardDescription_T) X(Planet)            \
                                        X(Highscore) X(Level) X(RequiresLevel) X(NextLevel)        \
                                            X(NoCreditsLeft) X(CampaignEnd) X(HasWonSet)           \
                                                X(HasWonMatch) X(CorruptedSaves) X(AlreadyStarted) \
                                                    X(InvalidID) X(PasswordIDIncorrect) X(         \
                                                        StatsUploadError) X(Password) X(Yourself)  \
                                                        X(Earth) X(Update) X(UpdateToVersionX)     \
                                                            X(NoUpdateAvailable) X(UpdateError)    \
                                                                X(TooOldVersion) X(UserGuide)      \
                                                                    X(SettingsUpdated)             \
                                                                        X(SettingsSaveFailed)

// The texts of the current language file. The n-th line of the file is the n-th text; a shorter
// file keeps the texts of its missing lines from the previous load (empty at start-up).
class clsLanguage {
public:
    enum Text {
#define QB_TEXT_ENUM(name) name##_,
        QB_LANGUAGE_TEXTS(QB_TEXT_ENUM)
#undef QB_TEXT_ENUM
            TextCount
    };

    static clsLanguage& instance();

    // Fills the texts from clsStore's LanguageFile in the program's folder. On a file error
    // shows "Error <n> in LoadLanguage: <description>" with "OK" and returns false.
    bool LoadLanguage();
    // Loads from an explicit path (the same rules); LoadLanguage() uses it.
    bool LoadLanguageFrom(const QString& path);

    // Where LoadLanguage() looks for the language files; by default the program's folder.
    void setProgramFolder(const QString& folder) {
        m_programFolder = folder;
    }
    QString programFolder() const;

    // The text of a socket state 0..9, "Error" for any other value.
    QString WinsockStateString(short state) const;

    const QString& text(Text t) const {
        return m_texts[t];
    }
    void setText(Text t, const QString& value) {
        m_texts[t] = value;
    }

#define QB_TEXT_PROPERTY(name)                                                                     \
    const QString& name() const {                                                                  \
        return m_texts[name##_];                                                                   \
    }                                                                                              \
    void set##name(const QString& v) {                                                             \
        m_texts[name##_] = v;                                                                      \
    }
    QB_LANGUAGE_TEXTS(QB_TEXT_PROPERTY)
#undef QB_TEXT_PROPERTY

private:
    clsLanguage() = default;
    bool reportLoadError(long number, const QString& description);

    std::array<QString, TextCount> m_texts;
    QString m_programFolder;
};
