#pragma once

#include <QPixmap>
#include <QWidget>
#include <array>
#include <cstdint>
#include <functional>
#include <optional>

class QTimer;
class ctlButton;
class ctlToolbox;

// The main menu: the hub every mode starts from. It lives until the program ends and carries
// what other windows share: the card face pictures, the corner pictures and the ready timer of a
// multiplayer start.
class frmMain : public QWidget {
    Q_OBJECT
public:
    // The windows the menu opens that belong to other parts of the game; each is set once its
    // window exists. Until then its button does nothing.
    enum class Screen { SideDeckSelection, Campaign, MultiPlayer, Settings, Update, UserGuide };
    static void setOpener(Screen screen, std::function<void()> open);

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

    // When set, the next activation of the menu reopens the campaign window.
    bool bShowCampaign = false;

    const QPixmap& imgCardRes(int face);
    QPixmap imgCorner(int index) const;
    QTimer* tmrReady() const { return m_tmrReady; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void changeEvent(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    ctlButton* addMenuButton(const QString& name, int row, std::function<void()> action);
    void startSingleGame();
    void showCampaign();
    void showInfo();
    void showUserGuide();
    void startDeferredWork();
    void reportShown() const;
    // Whether an opener was installed and ran.
    static bool openScreen(Screen screen);

    QPixmap m_backdrop;
    std::array<std::optional<QPixmap>, 13> m_cardFaces;
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
