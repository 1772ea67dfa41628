#pragma once

#include <array>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QWidget;

// The six pages of the wizard, all of one size and place, and their controls with their
// captions and starting values. Only the selection page is visible at first.
class WizardPages {
public:
    // The pages are made children of parent at the given top.
    WizardPages(QWidget* parent, int top);

    std::array<QWidget*, 6> all() const;

    QWidget* picSelection;
    QRadioButton* optConvertRegistry;
    QRadioButton* optConvertFile;
    QRadioButton* optReset;
    QRadioButton* optSettings;

    QWidget* picConvertRegistry;
    QCheckBox* chkDelete;

    QWidget* picConvertFile;
    QLineEdit* txtConvertFile;
    QPushButton* cmdBrowse;
    QCheckBox* chkDeleteFile;
    QCheckBox* chkDeleteFileRegistry;

    QWidget* picReset;
    std::array<QCheckBox*, 9> chkReset;

    QWidget* picSettings;
    QLabel* lblVersion;
    QComboBox* cboSidedeck;
    QLineEdit* txtServer;

    QWidget* picFinish;
    QLabel* lblFinishInfo;

    static constexpr int Width = 480;
    static constexpr int Height = 250;

private:
    void makeSelection(QWidget* parent, int top);
    void makeConvertRegistry(QWidget* parent, int top);
    void makeConvertFile(QWidget* parent, int top);
    void makeReset(QWidget* parent, int top);
    void makeSettings(QWidget* parent, int top);
    void makeFinish(QWidget* parent, int top);
};
