#include "WizardPages.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

namespace {

constexpr int Left = 30;
constexpr int Inner = WizardPages::Width - 2 * Left;

QWidget* page(QWidget* parent, int top, const char* name) {
    auto* widget = new QWidget(parent);
    widget->setObjectName(QString::fromLatin1(name));
    widget->setGeometry(0, top, WizardPages::Width, WizardPages::Height);
    widget->hide();
    return widget;
}

QLabel* label(QWidget* page, const QString& text, int y, const char* name) {
    auto* widget = new QLabel(text, page);
    widget->setObjectName(QString::fromLatin1(name));
    widget->setGeometry(Left, y, Inner, 20);
    return widget;
}

// Every page opens with its task in bold.
QLabel* title(QWidget* page, const QString& text, const char* name) {
    QLabel* widget = label(page, text, 14, name);
    QFont font = widget->font();
    font.setBold(true);
    widget->setFont(font);
    return widget;
}

template <typename Button>
Button* option(QWidget* page, const QString& text, int y, bool checked, const QString& name) {
    auto* widget = new Button(text, page);
    widget->setObjectName(name);
    widget->setGeometry(Left + 10, y, Inner - 10, 22);
    widget->setChecked(checked);
    return widget;
}

QLineEdit* textBox(QWidget* page, QLabel* caption, const QString& text, int y, int width,
                   const char* name) {
    auto* widget = new QLineEdit(text, page);
    widget->setObjectName(QString::fromLatin1(name));
    widget->setGeometry(Left + 10, y, width, 24);
    // The caption names the box for the keyboard and for assistive tools.
    caption->setBuddy(widget);
    widget->setAccessibleName(caption->text());
    return widget;
}

// Where a backup file is looked for at first: the root of the user's own files.
QString defaultBackupFile() {
#ifdef Q_OS_WIN
    return QStringLiteral("C:\\QueltaBrovelBackup.sav");
#else
    return QDir::toNativeSeparators(QDir::homePath() + QStringLiteral("/QueltaBrovelBackup.sav"));
#endif
}

} // namespace

WizardPages::WizardPages(QWidget* parent, int top) {
    makeSelection(parent, top);
    makeConvertRegistry(parent, top);
    makeConvertFile(parent, top);
    makeReset(parent, top);
    makeSettings(parent, top);
    makeFinish(parent, top);
    picSelection->show();
}

std::array<QWidget*, 6> WizardPages::all() const {
    return {picSelection, picConvertRegistry, picConvertFile, picReset, picSettings, picFinish};
}

void WizardPages::makeSelection(QWidget* parent, int top) {
    picSelection = page(parent, top, "picSelection");
    title(picSelection, QStringLiteral("Please select a task"), "lblSelection");
    optConvertRegistry = option<QRadioButton>(
        picSelection, QStringLiteral("Convert settings and saves from registry to User.dat"), 50,
        true, QStringLiteral("optConvertRegistry"));
    optConvertFile = option<QRadioButton>(
        picSelection, QStringLiteral("Convert settings and saves from backup file to User.dat"), 80,
        false, QStringLiteral("optConvertFile"));
    optReset =
        option<QRadioButton>(picSelection, QStringLiteral("Reset the current settings and saves"),
                             110, false, QStringLiteral("optReset"));
    optSettings = option<QRadioButton>(picSelection, QStringLiteral("Change advanced settings"),
                                       140, false, QStringLiteral("optSettings"));
}

void WizardPages::makeConvertRegistry(QWidget* parent, int top) {
    picConvertRegistry = page(parent, top, "picConvertRegistry");
    title(picConvertRegistry,
          QStringLiteral("Convert settings and saves from registry to User.dat"),
          "lblConvertRegistry");
    chkDelete = option<QCheckBox>(
        picConvertRegistry, QStringLiteral("Delete registry values when conversion is complete"),
        50, true, QStringLiteral("chkDelete"));
}

void WizardPages::makeConvertFile(QWidget* parent, int top) {
    picConvertFile = page(parent, top, "picConvertFile");
    title(picConvertFile, QStringLiteral("Convert settings and saves from backup file to User.dat"),
          "lblConvertFile");
    QLabel* lblRestoreFile =
        label(picConvertFile, QStringLiteral("Restore file:"), 48, "lblRestoreFile");
    txtConvertFile = textBox(picConvertFile, lblRestoreFile, defaultBackupFile(), 70, Inner - 50,
                             "txtConvertFile");
    cmdBrowse = new QPushButton(QStringLiteral("..."), picConvertFile);
    cmdBrowse->setObjectName(QStringLiteral("cmdBrowse"));
    cmdBrowse->setAccessibleName(QStringLiteral("Browse"));
    cmdBrowse->setGeometry(Left + Inner - 32, 70, 32, 24);
    chkDeleteFile = option<QCheckBox>(picConvertFile,
                                      QStringLiteral("Delete file when conversion is successful"),
                                      110, false, QStringLiteral("chkDeleteFile"));
    chkDeleteFileRegistry = option<QCheckBox>(
        picConvertFile,
        QStringLiteral("Delete temporary registry values when conversion is successful"), 138, true,
        QStringLiteral("chkDeleteFileRegistry"));
}

void WizardPages::makeReset(QWidget* parent, int top) {
    picReset = page(parent, top, "picReset");
    title(picReset, QStringLiteral("Reset the following settings and saves"), "lblReset");
    const char* const captions[] = {"Language",
                                    "Port",
                                    "Name",
                                    "Music",
                                    "Online ID and Password",
                                    "Master Server",
                                    "Sidedeck savemode",
                                    "Campaign",
                                    "Highscore"};
    for (std::size_t i = 0; i < chkReset.size(); ++i) {
        const int column = i < 5 ? 0 : 1;
        const int row = static_cast<int>(i) - 5 * column;
        chkReset[i] = option<QCheckBox>(picReset, QString::fromLatin1(captions[i]), 46 + 30 * row,
                                        true, QStringLiteral("chkReset%1").arg(i));
        chkReset[i]->setGeometry(Left + 10 + 210 * column, 46 + 30 * row, 200, 22);
    }
}

void WizardPages::makeSettings(QWidget* parent, int top) {
    picSettings = page(parent, top, "picSettings");
    title(picSettings, QStringLiteral("Change advanced settings"), "lblSettings");
    lblVersion = label(picSettings, QString(), 44, "lblVersion");
    cboSidedeck = new QComboBox(picSettings);
    cboSidedeck->setObjectName(QStringLiteral("cboSidedeck"));
    cboSidedeck->addItems({QStringLiteral("Don't save sidedecks"),
                           QStringLiteral("Save all sidedecks"),
                           QStringLiteral("Save only Campaign sidedeck"),
                           QStringLiteral("Save Singlegame and Multiplayer sidedecks")});
    cboSidedeck->setGeometry(Left + 10, 76, Inner - 10, 24);
    QLabel* lblServer =
        label(picSettings, QStringLiteral("Quelta Brovel Master Server:"), 116, "lblServer");
    txtServer = textBox(picSettings, lblServer, QString(), 138, Inner - 10, "txtServer");
}

void WizardPages::makeFinish(QWidget* parent, int top) {
    picFinish = page(parent, top, "picFinish");
    title(picFinish, QStringLiteral("The task was completed"), "lblFinish");
    lblFinishInfo = label(picFinish, QString(), 46, "lblFinishInfo");
    lblFinishInfo->setGeometry(Left, 46, Inner, 150);
    lblFinishInfo->setWordWrap(true);
    lblFinishInfo->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    label(picFinish, QStringLiteral("To close this wizard, click Finish."), 210, "lblFinishBottom");
}
