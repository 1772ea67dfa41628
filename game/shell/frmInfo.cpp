#include "shell/frmInfo.h"

#include "profile/clsLanguage.h"
#include "profile/clsStore.h"
#include "shell/Look.h"
#include "shell/ctlButton.h"
#include "shell/ctlToolbox.h"

#include <QLabel>

namespace {

constexpr int InfoWidth = 411;
constexpr int InfoHeight = 272;
constexpr int Margin = 16;

QString creditLines() {
    return QStringLiteral("Game design and programming: the QueltaBrovel team\n"
                          "Card art, menu art and music: made by the game's own generators\n"
                          "Font: Jura, SIL Open Font License");
}

QString disclaimerText() {
    return QStringLiteral("QueltaBrovel is a free game for entertainment. It is provided as it "
                          "is, without any warranty; the credits in the game have no value "
                          "outside it.");
}

} // namespace

frmInfo::frmInfo(QWidget* parent)
    : FramedWindow(WithCloseButton, parent),
      lblInfo(makeLabel(QStringLiteral("lblInfo"), clsLanguage::instance().Info(), 16)),
      lblDisclaimer{makeLabel(QStringLiteral("lblDisclaimer0"), creditLines(), 8),
                    makeLabel(QStringLiteral("lblDisclaimer1"), disclaimerText(), 8),
                    makeLabel(QStringLiteral("lblDisclaimer2"),
                              QStringLiteral("v") + clsStore::instance().Version(), 8)},
      cmdOK(new ctlButton(this)) {
    setObjectName(QStringLiteral("frmInfo"));
    setWindowTitle(clsLanguage::instance().Info());
    cmdOK->setObjectName(QStringLiteral("cmdOK"));
    cmdOK->setCaption(clsLanguage::instance().Ok());
    connect(cmdOK, &QAbstractButton::clicked, this, &QDialog::close);
    lblInfo->setStyleSheet(QStringLiteral("color: rgb(197, 160, 49);"));
    layOut();
    cmdOK->setFocus();
}

QLabel* frmInfo::makeLabel(const QString& name, const QString& text, int pointSize) {
    auto* label = new QLabel(text, this);
    label->setObjectName(name);
    label->setTextFormat(Qt::PlainText);
    label->setWordWrap(true);
    label->setFont(Look::DisplayFont(pointSize));
    label->setStyleSheet(QStringLiteral("color: rgb(0, 166, 247);"));
    return label;
}

void frmInfo::layOut() {
    setFixedSize(InfoWidth, InfoHeight);
    const int inner = InfoWidth - 2 * Margin;
    lblInfo->setGeometry(Margin, 12, inner, 30);
    lblDisclaimer[0]->setGeometry(Margin, 54, inner, 64);
    lblDisclaimer[1]->setGeometry(Margin, 126, inner, 64);
    lblDisclaimer[2]->setGeometry(Margin, 198, inner, 20);
    lblDisclaimer[2]->setStyleSheet(QStringLiteral("color: rgb(128, 128, 128);"));
    cmdOK->setGeometry((InfoWidth - 118) / 2, InfoHeight - 22 - Margin, 118, 22);
}
