#include "profile/RecordText.h"

QString RecordText::read(const std::string& field) {
    QString text = QString::fromStdString(field);
    qsizetype end = text.size();
    while (end > 0 && text.at(end - 1) == u' ')
        --end;
    text.truncate(end);
    return text;
}

std::string RecordText::write(const QString& text, int width) {
    return text.left(width).toStdString();
}
