#pragma once

#include <QPixmap>
#include <QWidget>
#include <cstdint>
#include <functional>

class QTimer;
class ctlButton;
class ctlToolbox;

// The main menu: the hub every mode starts from. It lives until the program ends and carries
// the ready timer of a multiplayer start. It opens no other screen itself: its buttons say what
// the player chose (see ScreenCoordinator).
class frmMain : public QWidget {
    Q_OBJECT
public:
    // The user guide page on the game's web site.
    static QString UserGuideAddress();
    // A single game series starts with a fifth of the highscore, at least 25 credits.
    static std::int32_t SingleGameCredits(std::int32_t highscore);

    frmMain();

    // Runs the load sequence: sound, random seed, user data and texts, captions. Returns false
    // when the program has to end (the reason was shown).
    bool Load();
    // Applies the language texts to the menu buttons.
    void Form_Language();

    QTimer* tmrReady() const { return m_tmrReady; }

Q_SIGNALS:
    // The menu buttons that lead to another screen; the screen coordinator opens it. A single
    // game's mode and starting credits are set before singleGameChosen.
    void singleGameChosen();
    void campaignChosen();
    void multiPlayerChosen();
    void settingsChosen();
    void updateChosen();
    // The help button and F1.
    void userGuideChosen();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    ctlButton* addMenuButton(const QString& name, int row, std::function<void()> action);
    void startSingleGame();
    void showInfo();
    void startDeferredWork();
    void reportShown() const;

    QPixmap m_backdrop;
    bool m_firstFrameShown = false;
    QTimer* m_tmrReady;
    ctlButton* cmdSinglegame;
    ctlButton* cmdCampaign;
    ctlButton* cmdMultiPlayer;
    ctlButton* cmdSettings;
    ctlButton* cmdUpdate;
    ctlButton* cmdInfo;
    ctlButton* cmdHelp;
    ctlButton* cmdEnd;
    ctlToolbox* tbMinimize;
    ctlToolbox* tbClose;
};
