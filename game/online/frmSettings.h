#pragma once

#include "shell/FramedWindow.h"

#include <array>

class QComboBox;
class QLabel;
class QLineEdit;
class ctlButton;

// The settings window: network port, player name, online account, language and music. Nothing
// changes until OK is pressed and every entry has passed its check; a changed online account is
// first confirmed by the master server. Closing the window any other way keeps everything as
// it was. A new language and a new track take effect at once.
class frmSettings : public FramedWindow {
    Q_OBJECT
public:
    static constexpr int WindowWidth = 340;
    static constexpr int WindowHeight = 290;
    // Stands in the password box for the stored password, of which only the digest is kept.
    static inline const QString PasswordPlaceholder = QStringLiteral("zimbrale\x1b");
    static constexpr int NoMusicEntry = 3;

    // The menu's opener: shows the window modally over the main window.
    static void Open();

    explicit frmSettings(QWidget* parent = nullptr);

    // The OK button: check, confirm the account if it changed, apply and close.
    void OK();

private:
    QLabel* makeLabel(const QString& name, const QString& text, int row, int column = 0);
    QLineEdit* makeBox(const QString& name, int row, int width, const QString& accessibleName);
    void layOut();
    void fillTexts();
    void fillValues();
    void fillLanguages();
    void fillMusic();
    // The first failed check's message, or nothing when every entry passes.
    QString firstFailedCheck() const;
    bool accountUnchanged() const;
    void Apply();
    void applyAccount();
    void applyLanguage();
    void applyMusic();
    QString passwordDigest() const;

    QLabel* lblSettings;
    std::array<QLabel*, 7> lblInfo;
    QLineEdit* txtPort;
    QLineEdit* txtName;
    QLineEdit* txtOnlineID;
    QLineEdit* txtPassword;
    QComboBox* cboLanguage;
    QComboBox* cboMusic;
    ctlButton* cmdOK;
    // The track as read when the window opened (-1, no music, for one that could not be read).
    int m_storedTrack = -1;
};
