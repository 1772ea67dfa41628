#include "frmMain.h"

#include "UtilityMessages.h"
#include "UtilityModel.h"
#include "UtilityVersion.h"
#include "clsCommonDialog.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QDir>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>

namespace {

constexpr int HeaderHeight = 60;
constexpr int ButtonTop = HeaderHeight + WizardPages::Height + 14;
constexpr int WindowHeight = ButtonTop + 40;

// Two fanned cards, the game's mark, for the right of the header.
QPixmap headerPicture() {
    QPixmap picture(56, 48);
    picture.fill(Qt::white);
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    const QColor fills[] = {QColor(40, 90, 170), QColor(190, 40, 40)};
    for (int i = 0; i < 2; ++i) {
        painter.save();
        painter.translate(22 + 12 * i, 26);
        painter.rotate(-12 + 24 * i);
        painter.setPen(QPen(Qt::black, 1.5));
        painter.setBrush(fills[i]);
        painter.drawRoundedRect(QRectF(-12, -18, 24, 36), 3, 3);
        painter.restore();
    }
    return picture;
}

QPushButton* button(QWidget* parent, const QString& caption, int x, const char* name) {
    auto* widget = new QPushButton(caption, parent);
    widget->setObjectName(QString::fromLatin1(name));
    widget->setGeometry(x, ButtonTop, 84, 26);
    return widget;
}

// The finish page shows the log's line ends as lines.
QString lines(QString text) {
    return text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
}

} // namespace

frmMain::frmMain(UtilityModel& model, UtilityMessages& messages, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::MSWindowsFixedSizeDialogHint),
      m_model(model), m_messages(messages) {
    setObjectName(QStringLiteral("frmMain"));
    setWindowTitle(UtilityVersion::Title);
    setFixedSize(WizardPages::Width, WindowHeight);
    makeHeader();
    m_pages = std::make_unique<WizardPages>(this, HeaderHeight + 1);
    makeButtons();
    auto& boxes = m_pages->chkReset;
    QCheckBox* campaign = boxes[static_cast<std::size_t>(ResetPart::Campaign)];
    QCheckBox* highscore = boxes[static_cast<std::size_t>(ResetPart::Highscore)];
    // The highscore is reset with the campaign: the two boxes always agree.
    connect(campaign, &QCheckBox::toggled, highscore, &QCheckBox::setChecked);
    connect(highscore, &QCheckBox::toggled, campaign, &QCheckBox::setChecked);
    connect(m_pages->cmdBrowse, &QPushButton::clicked, this, &frmMain::cmdBrowse_Click);
}

frmMain::~frmMain() = default;

void frmMain::makeHeader() {
    auto* picHeader = new QFrame(this);
    picHeader->setObjectName(QStringLiteral("picHeader"));
    picHeader->setGeometry(0, 0, WizardPages::Width, HeaderHeight);
    picHeader->setAutoFillBackground(true);
    QPalette palette = picHeader->palette();
    palette.setColor(QPalette::Window, Qt::white);
    picHeader->setPalette(palette);
    m_lblHeader = new QLabel(QStringLiteral("Quelta Brovel Utility v%1.%2")
                                 .arg(UtilityVersion::Major)
                                 .arg(UtilityVersion::Minor),
                             picHeader);
    m_lblHeader->setObjectName(QStringLiteral("lblHeader"));
    QFont font = m_lblHeader->font();
    font.setBold(true);
    font.setPointSize(font.pointSize() + 4);
    m_lblHeader->setFont(font);
    m_lblHeader->setGeometry(18, 0, WizardPages::Width - 100, HeaderHeight);
    auto* picture = new QLabel(picHeader);
    picture->setPixmap(headerPicture());
    picture->setGeometry(WizardPages::Width - 70, 6, 56, 48);
    auto* rule = new QFrame(this);
    rule->setFrameShape(QFrame::HLine);
    rule->setGeometry(0, HeaderHeight, WizardPages::Width, 1);
}

void frmMain::makeButtons() {
    auto* rule = new QFrame(this);
    rule->setFrameShape(QFrame::HLine);
    rule->setFrameShadow(QFrame::Sunken);
    rule->setGeometry(10, ButtonTop - 10, WizardPages::Width - 20, 2);
    m_cmdBack = button(this, QStringLiteral("< Back"), 194, "cmdBack");
    m_cmdNext = button(this, QStringLiteral("Next >"), 280, "cmdNext");
    m_cmdCancel = button(this, QStringLiteral("Cancel"), 382, "cmdCancel");
    m_cmdBack->setEnabled(false);
    m_cmdNext->setDefault(true);
    m_cmdNext->setFocus();
    connect(m_cmdNext, &QPushButton::clicked, this, &frmMain::cmdNext_Click);
    connect(m_cmdBack, &QPushButton::clicked, this, &frmMain::cmdBack_Click);
    connect(m_cmdCancel, &QPushButton::clicked, this, &frmMain::cmdCancel_Click);
}

void frmMain::cmdNext_Click() {
    if (!m_pages->picSelection->isHidden())
        openTaskPage();
    else if (!m_pages->picFinish->isHidden())
        Q_EMIT endProgram();
    else
        runTask();
    m_cmdBack->setEnabled(m_pages->picSelection->isHidden() && m_pages->picFinish->isHidden());
}

void frmMain::cmdBack_Click() {
    showPage(m_pages->picSelection, QStringLiteral("Next >"));
    m_cmdBack->setEnabled(false);
    m_cmdNext->setFocus();
}

void frmMain::cmdCancel_Click() {
    Q_EMIT endProgram();
}

void frmMain::reject() {
    if (m_cmdCancel->isEnabled())
        cmdCancel_Click();
}

void frmMain::closeEvent(QCloseEvent* event) {
    event->accept();
    Q_EMIT endProgram();
}

void frmMain::cmdBrowse_Click() {
    clsCommonDialog dialog;
    dialog.setFilter(QStringLiteral("Backup Files (*.sav)|*.sav|") +
                     clsCommonDialog::DefaultFilter);
    const QString path = dialog.ShowOpen(this);
    if (!path.isEmpty())
        m_pages->txtConvertFile->setText(QDir::toNativeSeparators(path));
}

void frmMain::openTaskPage() {
    if (m_pages->optConvertRegistry->isChecked())
        showPage(m_pages->picConvertRegistry, QStringLiteral("Convert"));
    else if (m_pages->optConvertFile->isChecked())
        showPage(m_pages->picConvertFile, QStringLiteral("Convert"));
    else if (m_pages->optReset->isChecked())
        showPage(m_pages->picReset, QStringLiteral("Reset"));
    else if (openSettingsPage())
        showPage(m_pages->picSettings, QStringLiteral("Change"));
}

bool frmMain::openSettingsPage() {
    m_model.ClearLog();
    if (!m_model.LoadUserData()) {
        // The user learns why the page does not open.
        m_messages.showError(this, lines(m_model.ShowErrorLog()).trimmed());
        return false;
    }
    const UserDataRecord& record = m_model.record();
    m_pages->txtServer->setText(QString::fromStdString(record.MasterServer).trimmed());
    const bool listed =
        record.SidedeckSaveMode >= 0 && record.SidedeckSaveMode < m_pages->cboSidedeck->count();
    // A mode the list does not know is shown as the default one, which Change then stores.
    m_pages->cboSidedeck->setCurrentIndex(listed ? record.SidedeckSaveMode : 1);
    m_pages->lblVersion->setText(m_model.SettingsVersion());
    return true;
}

void frmMain::runTask() {
    const std::optional<TaskOutcome> outcome = runVisibleTask();
    if (!outcome)
        return;
    if (!outcome->finished) {
        m_messages.showError(this, outcome->text);
        return;
    }
    showFinish(outcome->text);
}

// Nothing when the user did not confirm the reset.
std::optional<TaskOutcome> frmMain::runVisibleTask() {
    const WizardPages& p = *m_pages;
    if (!p.picConvertRegistry->isHidden())
        return TaskOutcome{true, m_model.ConvertRegistry(p.chkDelete->isChecked())};
    if (!p.picConvertFile->isHidden())
        return m_model.ConvertFile(QDir::fromNativeSeparators(p.txtConvertFile->text()),
                                   p.chkDeleteFile->isChecked(),
                                   p.chkDeleteFileRegistry->isChecked());
    if (!p.picReset->isHidden()) {
        if (!m_messages.confirm(this, QStringLiteral("Quelta Brovel"),
                                QStringLiteral("Do you really want to reset the specified "
                                               "settings and saves of Quelta Brovel?")))
            return std::nullopt;
        ResetChoices choices{};
        for (std::size_t i = 0; i < choices.size(); ++i)
            choices[i] = p.chkReset[i]->isChecked();
        return TaskOutcome{true, m_model.Reset(choices)};
    }
    return m_model.ChangeSettings(p.cboSidedeck->currentIndex(), p.cboSidedeck->currentText(),
                                  p.txtServer->text());
}

void frmMain::showPage(QWidget* page, const QString& nextCaption) {
    for (QWidget* each : m_pages->all())
        each->setVisible(each == page);
    m_cmdNext->setText(nextCaption);
}

void frmMain::showFinish(const QString& text) {
    m_pages->lblFinishInfo->setText(lines(text));
    showPage(m_pages->picFinish, QStringLiteral("Finish"));
    m_cmdCancel->setEnabled(false);
    m_cmdNext->setFocus();
}
