#pragma once

#include "WizardPages.h"

#include <QDialog>
#include <memory>
#include <optional>

class QLabel;
class QPushButton;
class UtilityMessages;
class UtilityModel;
struct TaskOutcome;

// The utility's one window: a wizard that picks a task, sets its options, runs it with Next and
// shows the outcome on its finish page.
class frmMain : public QDialog {
    Q_OBJECT

public:
    frmMain(UtilityModel& model, UtilityMessages& messages, QWidget* parent = nullptr);
    ~frmMain() override;

    const WizardPages& pages() const { return *m_pages; }
    QPushButton* cmdBack() const { return m_cmdBack; }
    QPushButton* cmdNext() const { return m_cmdNext; }
    QPushButton* cmdCancel() const { return m_cmdCancel; }
    QLabel* lblHeader() const { return m_lblHeader; }

Q_SIGNALS:
    // Cancel, Finish or closing the window: the program ends at once.
    void endProgram();

protected:
    // Escape is the Cancel button, and does nothing while Cancel is disabled.
    void reject() override;
    void closeEvent(QCloseEvent* event) override;

private:
    void makeHeader();
    void makeButtons();
    void cmdNext_Click();
    void cmdBack_Click();
    void cmdCancel_Click();
    void cmdBrowse_Click();
    void openTaskPage();
    bool openSettingsPage();
    void runTask();
    std::optional<TaskOutcome> runVisibleTask();
    void showPage(QWidget* page, const QString& nextCaption);
    void showFinish(const QString& text);

    UtilityModel& m_model;
    UtilityMessages& m_messages;
    std::unique_ptr<WizardPages> m_pages;
    QLabel* m_lblHeader = nullptr;
    QPushButton* m_cmdBack = nullptr;
    QPushButton* m_cmdNext = nullptr;
    QPushButton* m_cmdCancel = nullptr;
};
