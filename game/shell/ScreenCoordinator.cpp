#include "shell/ScreenCoordinator.h"

#include "campaign/frmCampaign.h"
#include "online/UserGuide.h"
#include "online/frmSettings.h"
#include "online/frmUpdate.h"
#include "profile/clsLanguage.h"
#include "rules/GameState.h"
#include "shell/Ports.h"
#include "shell/frmMain.h"
#include "shell/frmMessage.h"
#include "shell/modShell.h"
#include "sidedeck/frmSelectCards.h"
#include "view/frmGame.h"

#include <QApplication>
#include <QTimer>

ScreenCoordinator::ScreenCoordinator() {
    // Every end of the program goes through EndProgram, which releases the sound first.
    QApplication::setQuitOnLastWindowClosed(false);
    Ports::installShowMessage([this](const QString& message, const QString& first,
                                     const QString& second) { Message(message, first, second); });
    Ports::installEndProgram(&modShell::TerminateProgram);
}

ScreenCoordinator::~ScreenCoordinator() {
    Ports::installShowMessage({});
    delete m_table;
    delete m_sideDeck;
}

frmMain& ScreenCoordinator::menu() {
    if (!m_menu) {
        m_menu = std::make_unique<frmMain>();
        connectMenu();
    }
    return *m_menu;
}

void ScreenCoordinator::connectMenu() {
    connect(m_menu.get(), &frmMain::singleGameChosen, this,
            &ScreenCoordinator::OpenSideDeckSelection);
    connect(m_menu.get(), &frmMain::campaignChosen, this, &ScreenCoordinator::OpenCampaign);
    connect(m_menu.get(), &frmMain::multiPlayerChosen, this, &ScreenCoordinator::multiPlayerChosen);
    connect(m_menu.get(), &frmMain::settingsChosen, this, [] { frmSettings::Open(); });
    connect(m_menu.get(), &frmMain::updateChosen, this, [] { frmUpdate::Open(); });
    connect(m_menu.get(), &frmMain::userGuideChosen, this, [] { UserGuide::Open(); });
}

bool ScreenCoordinator::Start() {
    if (!menu().Load())
        return false;
    ShowMenu();
    return true;
}

void ScreenCoordinator::ShowMenu() {
    menu().showNormal();
    m_menu->raise();
    m_menu->activateWindow();
}

void ScreenCoordinator::OpenCampaign() {
    frmCampaign window(&menu());
    if (window.exec() == QDialog::Accepted)
        OpenSideDeckSelection();
}

void ScreenCoordinator::OpenSideDeckSelection() {
    if (m_sideDeck)
        return; // one selection at a time
    menu().hide();
    auto* selection = new frmSelectCards;
    selection->setAttribute(Qt::WA_DeleteOnClose);
    connect(selection, &frmSelectCards::matchStarting, this, [this] { OpenTable(); });
    connect(selection, &frmSelectCards::readyReported, this, &ScreenCoordinator::localPlayerReady);
    connect(selection, &frmSelectCards::leftByPlayer, this,
            &ScreenCoordinator::SideDeckClosedByPlayer);
    m_sideDeck = selection;
    selection->show();
}

frmGame& ScreenCoordinator::OpenTable(TablePeer* peer,
                                      const std::function<void(frmGame&)>& beforeMatch) {
    if (m_table)
        m_table->close(); // one match at a time; a closed table deletes itself
    auto* table = new frmGame(peer);
    m_table = table;
    m_seriesGoesOn = false;
    connect(table, &frmGame::closed, this, &ScreenCoordinator::TableClosed);
    connect(table, &frmGame::seriesGoesOn, this, [this] { m_seriesGoesOn = true; });
    if (beforeMatch)
        beforeMatch(*table);
    table->StartMatch();
    table->show();
    if (m_sideDeck)
        m_sideDeck->close();
    return *table;
}

frmSelectCards* ScreenCoordinator::SideDeckSelection() const {
    return m_sideDeck;
}

frmGame* ScreenCoordinator::CurrentTable() const {
    return m_table;
}

void ScreenCoordinator::SideDeckClosedByPlayer() {
    Q_EMIT sideDeckLeft();
    ReturnFromMatch();
}

// The table closes from inside its own calls (a settlement, a message, a wait): what follows
// opens once they have returned, so matches and modal windows never nest inside the old table.
void ScreenCoordinator::TableClosed() {
    QTimer::singleShot(0, this, &ScreenCoordinator::AfterTable);
}

void ScreenCoordinator::AfterTable() {
    if (m_seriesGoesOn) {
        m_seriesGoesOn = false;
        OpenSideDeckSelection();
        return;
    }
    ReturnFromMatch();
}

void ScreenCoordinator::ReturnFromMatch() {
    ShowMenu();
    if (GameState::instance().GameMode == GameState::Campaign)
        QTimer::singleShot(0, this, &ScreenCoordinator::OpenCampaign);
}

void ScreenCoordinator::Message(const QString& message, const QString& firstButton,
                                const QString& secondButton) {
    if (frmMessage::ShowMessage(message, firstButton, secondButton) != frmMessage::FirstButton)
        return;
    const clsLanguage& t = clsLanguage::instance();
    if (frmMessage::IsText(message, t.QuitReally()))
        AbandonMatch();
    else if (frmMessage::IsText(message, t.WaitingForPlayer()))
        CancelWaiting();
}

void ScreenCoordinator::AbandonMatch() {
    if (m_table)
        m_table->Abandon();
}

void ScreenCoordinator::CancelWaiting() {
    Q_EMIT sideDeckLeft();
    if (m_sideDeck)
        m_sideDeck->close();
    ShowMenu();
}
