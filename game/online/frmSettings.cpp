#include "online/frmSettings.h"

#include "Md5.h"
#include "online/modOnline.h"
#include "profile/clsLanguage.h"
#include "profile/clsPlayer.h"
#include "profile/clsStore.h"
#include "shell/Look.h"
#include "shell/Ports.h"
#include "shell/WindowLabel.h"
#include "shell/ctlButton.h"
#include "shell/frmMain.h"
#include "shell/modWindow.h"
#include "sound/modSoundSystem.h"

#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QRegularExpressionValidator>

namespace {

constexpr int Margin = 16;
constexpr int FirstRow = 54;
constexpr int RowStep = 30;
constexpr int RowHeight = 22;
constexpr int BoxColumn = 124;
constexpr int WideBox = frmSettings::WindowWidth - BoxColumn - Margin;
constexpr int ButtonWidth = 118;
constexpr int MinPort = 1;
constexpr int MaxPort = 65534;
constexpr int OnlineIdLength = 4;
const QString LanguageSuffix = QStringLiteral(".ini");

const QString BoxStyle = QStringLiteral("color: rgb(0, 166, 247); background: rgb(20, 16, 14); "
                                        "border: 1px solid rgb(197, 160, 49);");
const QString ListStyle =
    QStringLiteral("QComboBox { color: rgb(0, 166, 247); background: rgb(20, 16, 14); "
                   "border: 1px solid rgb(197, 160, 49); padding-left: 3px; } "
                   "QComboBox QAbstractItemView { color: rgb(0, 166, 247); "
                   "background: rgb(20, 16, 14); selection-background-color: rgb(62, 46, 36); }");

// Digits only, at most maxLength of them: letters typed or pasted never reach the box.
void acceptDigitsOnly(QLineEdit* box, int maxLength) {
    box->setMaxLength(maxLength);
    box->setValidator(
        new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]*")), box));
}

bool isDigits(const QString& text) {
    return !text.isEmpty() &&
           std::all_of(text.begin(), text.end(), [](QChar c) { return c >= u'0' && c <= u'9'; });
}

} // namespace

void frmSettings::Open() {
    frmSettings window(modWindow::MainWindow());
    window.exec();
}

frmSettings::frmSettings(QWidget* parent)
    : FramedWindow(WithCloseButton, parent),
      lblSettings(makeLabel(QStringLiteral("lblSettings"), {}, -1)),
      lblInfo{makeLabel(QStringLiteral("lblInfo0"), {}, 4),
              makeLabel(QStringLiteral("lblInfo1"), QStringLiteral("Port:"), 0),
              makeLabel(QStringLiteral("lblInfo2"), QStringLiteral("(1 - 65534)"), 0, 1),
              makeLabel(QStringLiteral("lblInfo3"), {}, 1),
              makeLabel(QStringLiteral("lblInfo4"), {}, 5),
              makeLabel(QStringLiteral("lblInfo5"), QStringLiteral("Online ID:"), 2),
              makeLabel(QStringLiteral("lblInfo6"), {}, 3)},
      txtPort(makeBox(QStringLiteral("txtPort"), 0, 70, QStringLiteral("Port"))),
      txtName(makeBox(QStringLiteral("txtName"), 1, WideBox, clsLanguage::instance().Name())),
      txtOnlineID(makeBox(QStringLiteral("txtOnlineID"), 2, 70, QStringLiteral("Online ID"))),
      txtPassword(
          makeBox(QStringLiteral("txtPassword"), 3, WideBox, clsLanguage::instance().Password())),
      cboLanguage(new QComboBox(this)), cboMusic(new QComboBox(this)), cmdOK(new ctlButton(this)) {
    setObjectName(QStringLiteral("frmSettings"));
    acceptDigitsOnly(txtPort, 5);
    acceptDigitsOnly(txtOnlineID, OnlineIdLength);
    txtPassword->setEchoMode(QLineEdit::Password);
    connect(cmdOK, &QAbstractButton::clicked, this, &frmSettings::OK);
    for (QLineEdit* box : {txtPort, txtName, txtOnlineID, txtPassword})
        connect(box, &QLineEdit::returnPressed, this, &frmSettings::OK);
    layOut();
    fillTexts();
    fillValues();
    txtPort->setFocus();
}

// The heading above the rows; the captions left of their boxes, the port's range right of it.
QLabel* frmSettings::makeLabel(const QString& name, const QString& text, int row, int column) {
    const QRect place = row < 0 ? QRect(Margin, 12, WindowWidth - 2 * Margin, 30)
                        : column == 0
                            ? QRect(Margin, FirstRow + row * RowStep, BoxColumn - Margin, RowHeight)
                            : QRect(BoxColumn + 78, FirstRow + row * RowStep, 100, RowHeight);
    QLabel* label = MakeWindowLabel(this, name, place, row < 0 ? 16 : 9);
    label->setText(text);
    return label;
}

QLineEdit* frmSettings::makeBox(const QString& name, int row, int width,
                                const QString& accessibleName) {
    auto* box = new QLineEdit(this);
    box->setObjectName(name);
    box->setAccessibleName(accessibleName);
    box->setFont(Look::DisplayFont(9));
    box->setStyleSheet(BoxStyle);
    box->setGeometry(BoxColumn, FirstRow + row * RowStep, width, RowHeight);
    return box;
}

void frmSettings::layOut() {
    setFixedSize(WindowWidth, WindowHeight);
    lblSettings->setStyleSheet(QStringLiteral("color: rgb(197, 160, 49);"));
    cboLanguage->setObjectName(QStringLiteral("cboLanguage"));
    cboMusic->setObjectName(QStringLiteral("cboMusic"));
    cmdOK->setObjectName(QStringLiteral("cmdOK"));
    for (auto [box, row] : {std::pair{cboLanguage, 4}, std::pair{cboMusic, 5}}) {
        box->setGeometry(BoxColumn, FirstRow + row * RowStep, WideBox, RowHeight);
        box->setFont(Look::DisplayFont(9));
        box->setStyleSheet(ListStyle);
    }
    cmdOK->setGeometry((WindowWidth - ButtonWidth) / 2, WindowHeight - RowHeight - Margin,
                       ButtonWidth, RowHeight);
}

void frmSettings::fillTexts() {
    const clsLanguage& t = clsLanguage::instance();
    setWindowTitle(t.Settings());
    lblSettings->setText(t.Settings());
    lblInfo[0]->setText(t.sLanguage() + u':');
    lblInfo[3]->setText(t.Name() + u':');
    lblInfo[4]->setText(t.Music() + u':');
    lblInfo[6]->setText(t.Password() + u':');
    cmdOK->setCaption(t.Ok());
    cboLanguage->setAccessibleName(t.sLanguage());
    cboMusic->setAccessibleName(t.Music());
}

void frmSettings::fillValues() {
    const clsPlayer& player = clsPlayer::instance();
    txtPort->setText(QString::number(clsStore::instance().Port()));
    txtName->setText(player.Name());
    txtOnlineID->setText(player.OnlineID());
    if (player.OnlineID() != modOnline::NoAccount)
        txtPassword->setText(PasswordPlaceholder);
    fillLanguages();
    fillMusic();
}

// The language files beside the program, by name; the stored choice is matched exactly.
void frmSettings::fillLanguages() {
    const QStringList files = QDir(clsLanguage::instance().programFolder())
                                  .entryList({QStringLiteral("*") + LanguageSuffix}, QDir::Files,
                                             QDir::Name | QDir::IgnoreCase);
    for (const QString& file : files)
        cboLanguage->addItem(file.left(file.size() - LanguageSuffix.size()));
    const QString stored = clsStore::instance().LanguageFile();
    int selected = 0;
    for (int i = cboLanguage->count() - 1; i >= 0; --i) {
        if (cboLanguage->itemText(i) + LanguageSuffix == stored)
            selected = i;
    }
    cboLanguage->setCurrentIndex(cboLanguage->count() > 0 ? selected : -1);
}

// The entry's position is the stored track number; a stored value that names no track shows
// as no music.
void frmSettings::fillMusic() {
    cboMusic->addItems(
        {QStringLiteral("Sivrek II - Osk Brovel"), QStringLiteral("Sivrek I - Brovel"),
         QStringLiteral("Sivrek I - Modern Brovel"), clsLanguage::instance().NoMusic()});
    const int track = clsStore::instance().MusicFile();
    cboMusic->setCurrentIndex(track >= 0 && track < NoMusicEntry ? track : NoMusicEntry);
}

QString frmSettings::firstFailedCheck() const {
    const clsLanguage& t = clsLanguage::instance();
    bool isNumber = false;
    const int port = txtPort->text().toInt(&isNumber);
    if (!isNumber || port < MinPort || port > MaxPort)
        return t.InvalidPort();
    if (txtName->text().isEmpty())
        return t.EnterName();
    if (txtOnlineID->text().size() != OnlineIdLength || !isDigits(txtOnlineID->text()))
        return t.InvalidID();
    return {};
}

bool frmSettings::accountUnchanged() const {
    return txtOnlineID->text() == clsPlayer::instance().OnlineID() &&
           txtPassword->text() == PasswordPlaceholder;
}

void frmSettings::OK() {
    if (const QString failed = firstFailedCheck(); !failed.isEmpty()) {
        ShowMessage(failed);
        return;
    }
    const QString id = txtOnlineID->text();
    if (id != modOnline::NoAccount && !accountUnchanged() &&
        !modOnline::CheckOnlineAccount(id, passwordDigest())) {
        ShowMessage(clsLanguage::instance().PasswordIDIncorrect());
        return;
    }
    Apply();
    accept();
}

QString frmSettings::passwordDigest() const {
    return QString::fromStdString(MD5(txtPassword->text().toStdString()));
}

void frmSettings::Apply() {
    clsStore::instance().setPort(txtPort->text().toInt());
    clsPlayer::instance().setName(txtName->text());
    applyAccount();
    applyLanguage();
    applyMusic();
}

void frmSettings::applyAccount() {
    if (accountUnchanged())
        return;
    clsPlayer& player = clsPlayer::instance();
    player.setOnlineID(txtOnlineID->text());
    player.setOnlinePassword(player.OnlineID() != modOnline::NoAccount ? passwordDigest()
                                                                       : QString());
}

void frmSettings::applyLanguage() {
    if (cboLanguage->currentIndex() < 0)
        return;
    const QString file = cboLanguage->currentText() + LanguageSuffix;
    if (file == clsStore::instance().LanguageFile())
        return;
    clsStore::instance().setLanguageFile(file);
    clsLanguage::instance().LoadLanguage();
    if (auto* menu = qobject_cast<frmMain*>(modWindow::MainWindow()))
        menu->Form_Language();
}

void frmSettings::applyMusic() {
    clsStore& store = clsStore::instance();
    const int entry = cboMusic->currentIndex();
    if (entry == NoMusicEntry) {
        if (store.MusicFile() != -1) {
            store.setMusicFile(-1);
            modSoundSystem::StopMusic();
        }
    } else if (entry != store.MusicFile()) {
        store.setMusicFile(static_cast<std::int16_t>(entry));
        modSoundSystem::StartMusic();
    }
}
