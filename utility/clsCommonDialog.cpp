#include "clsCommonDialog.h"

#include <QFileDialog>
#include <QRegularExpression>

const QString clsCommonDialog::DefaultFilter = QStringLiteral("All Files (*.*)|*.*|");

namespace {

QString patternsOf(const QString& windowsPatterns) {
    QStringList patterns = windowsPatterns.split(u';', Qt::SkipEmptyParts);
    for (QString& pattern : patterns) {
        pattern = pattern.trimmed();
        if (pattern == QStringLiteral("*.*"))
            pattern = QStringLiteral("*");
    }
    return patterns.join(u' ');
}

// The description without the pattern list it usually repeats in brackets.
QString descriptionOf(const QString& description) {
    static const QRegularExpression bracketed(QStringLiteral("\\s*\\([^()]*\\)\\s*$"));
    return QString(description).remove(bracketed);
}

} // namespace

QStringList clsCommonDialog::nameFilters() const {
    const QStringList items = m_filter.split(u'|');
    QStringList filters;
    for (qsizetype i = 0; i + 1 < items.size(); i += 2) {
        if (!items[i].isEmpty() || !items[i + 1].isEmpty())
            filters << descriptionOf(items[i]) + QStringLiteral(" (") + patternsOf(items[i + 1]) +
                           u')';
    }
    return filters;
}

QString clsCommonDialog::ShowOpen(QWidget* owner) const {
    return show(owner, false);
}

QString clsCommonDialog::ShowSave(QWidget* owner) const {
    return show(owner, true);
}

QString clsCommonDialog::show(QWidget* owner, bool saving) const {
    QFileDialog dialog(owner, m_title, m_initialDir);
    dialog.setAcceptMode(saving ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    const bool mustExist = (m_flags & FileMustExist) != 0 && !saving;
    dialog.setFileMode(mustExist ? QFileDialog::ExistingFile : QFileDialog::AnyFile);
    dialog.setNameFilters(nameFilters());
    dialog.setSizeGripEnabled((m_flags & EnableSizing) != 0);
    if (m_noPlacesBar) {
        dialog.setOption(QFileDialog::DontUseNativeDialog);
        dialog.setSidebarUrls({});
    }
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    return dialog.selectedFiles().constFirst();
}
