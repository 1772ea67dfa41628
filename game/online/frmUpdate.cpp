#include "online/frmUpdate.h"

#include "online/DownloadProgress.h"
#include "online/ProgressBar.h"
#include "online/UpdateDownload.h"
#include "online/modOnline.h"
#include "profile/clsLanguage.h"
#include "profile/clsStore.h"
#include "shell/WindowLabel.h"
#include "shell/ctlButton.h"
#include "shell/modWindow.h"

#include <QEvent>
#include <QLabel>
#include <QTimer>

namespace {
constexpr int Margin = 16;
constexpr int ButtonWidth = 118;
constexpr int ButtonHeight = 22;

QString zeroMegabytes() {
    return DownloadProgress::ReceivedText(0);
}

QString totalText(const QString& megabytes) {
    return QStringLiteral("MB / ") + megabytes + QStringLiteral(" MB");
}
} // namespace

void frmUpdate::Open() {
    frmUpdate window(modWindow::MainWindow());
    window.exec();
}

frmUpdate::frmUpdate(QWidget* parent)
    : FramedWindow(WithCloseButton, parent),
      lblUpdate(makeLabel(QStringLiteral("lblUpdate"), clsLanguage::instance().Update(), 16)),
      lblStatus(makeLabel(QStringLiteral("lblStatus"),
                          clsLanguage::instance().PleaseWait() + QStringLiteral("..."), 9)),
      picProgressBar(new ProgressBar(this)),
      lblDownloadInfo{makeLabel(QStringLiteral("lblDownloadInfo0"), zeroMegabytes(), 9),
                      makeLabel(QStringLiteral("lblDownloadInfo1"), totalText(zeroMegabytes()), 9)},
      cmdClose(new ctlButton(this)), Inet(new UpdateDownload(this)) {
    setObjectName(QStringLiteral("frmUpdate"));
    setWindowTitle(clsLanguage::instance().Update());
    cmdClose->setObjectName(QStringLiteral("cmdClose"));
    cmdClose->setCaption(clsLanguage::instance().Ok());
    lblUpdate->setStyleSheet(QStringLiteral("color: rgb(197, 160, 49);"));
    for (QLabel* info : lblDownloadInfo)
        info->hide();
    connect(cmdClose, &QAbstractButton::clicked, this, &QDialog::close);
    connect(Inet, &UpdateDownload::totalKnown, this, &frmUpdate::totalKnown);
    connect(Inet, &UpdateDownload::received, this, &frmUpdate::received);
    connect(Inet, &UpdateDownload::stopped, this, [this] { setUpdating(false); });
    layOut();
}

frmUpdate::~frmUpdate() = default;

QLabel* frmUpdate::makeLabel(const QString& name, const QString& text, int pointSize) {
    QLabel* label = MakeWindowLabel(this, name, QRect(), pointSize);
    label->setText(text);
    return label;
}

void frmUpdate::layOut() {
    setFixedSize(WindowWidth, WindowHeight);
    const int inner = WindowWidth - 2 * Margin;
    lblUpdate->setGeometry(Margin, 12, inner, 30);
    lblStatus->setGeometry(Margin, 54, inner, 20);
    picProgressBar->move(Margin, 84);
    lblDownloadInfo[0]->setGeometry(Margin, 108, 60, 18);
    lblDownloadInfo[0]->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    lblDownloadInfo[1]->setGeometry(Margin + 64, 108, 200, 18);
    cmdClose->setGeometry((WindowWidth - ButtonWidth) / 2, WindowHeight - ButtonHeight - Margin,
                          ButtonWidth, ButtonHeight);
}

// The check runs once, the first time the window is active: it is on the screen by then, so
// the player sees "Please wait..." while the answer is awaited.
void frmUpdate::changeEvent(QEvent* event) {
    FramedWindow::changeEvent(event);
    if (event->type() == QEvent::ActivationChange && isActiveWindow() && !m_activated) {
        m_activated = true;
        QTimer::singleShot(0, this, &frmUpdate::FirstActivation);
    }
}

void frmUpdate::FirstActivation() {
    const clsLanguage& t = clsLanguage::instance();
    const QString result = modOnline::CheckForUpdate();
    if (result == modOnline::UpdateCheckError) {
        lblStatus->setText(t.UpdateError());
        setUpdating(false);
    } else if (result == modOnline::NoUpdate) {
        lblStatus->setText(t.NoUpdateAvailable());
        setUpdating(false);
    } else {
        QString status = t.UpdateToVersionX();
        lblStatus->setText(status.replace(QStringLiteral("%1"), result.left(MaxVersionLength)));
        setUpdating(true);
        StartDownload();
    }
}

void frmUpdate::setUpdating(bool updating) {
    m_updating = updating;
    cmdClose->setVisible(!updating);
    if (!updating)
        cmdClose->setFocus();
}

void frmUpdate::StartDownload() {
    if (!m_updating)
        return;
    for (QLabel* info : lblDownloadInfo)
        info->show();
    ReceivedBytes = 0;
    DrawProgress();
    Inet->Start(clsStore::instance().UpdateFile());
}

void frmUpdate::totalKnown(std::int32_t totalBytes) {
    TotalBytes = totalBytes;
    lblDownloadInfo[1]->setText(totalText(DownloadProgress::TotalText(TotalBytes)));
}

void frmUpdate::received(std::int32_t receivedBytes) {
    ReceivedBytes = receivedBytes;
    DrawProgress();
}

void frmUpdate::DrawProgress() {
    if (ReceivedBytes == 0) {
        picProgressBar->setFillWidth(0);
        LastBarWidth = 0;
        setTextIfChanged(lblDownloadInfo[0], zeroMegabytes());
        lblDownloadInfo[1]->setText(totalText(zeroMegabytes()));
        return;
    }
    const int width = DownloadProgress::BarWidth(ReceivedBytes, TotalBytes, ProgressBar::BarWidth);
    if (width != LastBarWidth) {
        picProgressBar->setFillWidth(width);
        LastBarWidth = width;
    }
    setTextIfChanged(lblDownloadInfo[0], DownloadProgress::ReceivedText(ReceivedBytes));
}

void frmUpdate::setTextIfChanged(QLabel* label, const QString& text) {
    if (label->text() != text)
        label->setText(text);
}

// However the window closes, a running download stops first and leaves nothing behind.
void frmUpdate::done(int result) {
    Inet->Cancel();
    FramedWindow::done(result);
}
