#include "UtilityMessageBoxes.h"

#include "UtilityVersion.h"

#include <QMessageBox>

void UtilityMessageBoxes::showError(QWidget* owner, const QString& text) {
    QMessageBox::critical(owner, UtilityVersion::Title, text);
}

bool UtilityMessageBoxes::confirm(QWidget* owner, const QString& title, const QString& text) {
    return QMessageBox::critical(owner, title, text, QMessageBox::Yes | QMessageBox::No,
                                 QMessageBox::No) == QMessageBox::Yes;
}
