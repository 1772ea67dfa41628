#pragma once

#include <QString>
#include <string>

// The text fields of the record as the properties hand them out and take them in.
namespace RecordText {

// The field's text without its trailing spaces; zero characters of a never-written field stay.
QString read(const std::string& field);

// The text cut to the field's width, in the record's in-memory form.
std::string write(const QString& text, int width);

} // namespace RecordText
