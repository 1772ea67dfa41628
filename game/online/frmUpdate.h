#pragma once

#include "shell/FramedWindow.h"

#include <array>
#include <cstdint>

class QLabel;
class ProgressBar;
class UpdateDownload;
class ctlButton;

// The update window: asks the master server for a newer version as soon as it is first active
// (it is already on the screen while it waits), then either says that there is none, that the
// check failed, or downloads the new version with a progress bar and megabyte counts. A
// verified download starts the update program and ends the game; the close button in the
// caption cancels a running download, OK closes the window when nothing runs.
class frmUpdate : public FramedWindow {
    Q_OBJECT
public:
    static constexpr int WindowWidth = 529;
    static constexpr int WindowHeight = 190;
    // The longest version text shown; the server's text is cut to it.
    static constexpr int MaxVersionLength = 24;

    // The menu's opener: shows the window modally over the main window.
    static void Open();

    explicit frmUpdate(QWidget* parent = nullptr);
    ~frmUpdate() override;

    bool Updating() const { return m_updating; }
    void StartDownload();
    void DrawProgress();

protected:
    void changeEvent(QEvent* event) override;
    void done(int result) override;

private:
    QLabel* makeLabel(const QString& name, const QString& text, int pointSize);
    void layOut();
    void FirstActivation();
    void setUpdating(bool updating);
    void totalKnown(std::int32_t totalBytes);
    void received(std::int32_t receivedBytes);
    static void setTextIfChanged(QLabel* label, const QString& text);

    QLabel* lblUpdate;
    QLabel* lblStatus;
    ProgressBar* picProgressBar;
    std::array<QLabel*, 2> lblDownloadInfo;
    ctlButton* cmdClose;
    UpdateDownload* Inet;
    bool m_updating = false;
    bool m_activated = false;
    std::int32_t TotalBytes = 1;
    std::int32_t ReceivedBytes = 0;
    int LastBarWidth = 0;
};
