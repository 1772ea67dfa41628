#pragma once

#include "XmlElement.h"

#include <cstddef>
#include <string>

// The cursor behind XmlElement::parse: reads one element with everything inside it.
class XmlReader {
public:
    explicit XmlReader(const std::string& text) : text_(text) {}

    // Skips the prolog (declaration, comments, white space) and reads the root element;
    // after it only comments and white space may follow.
    bool document(XmlElement& root);

private:
    bool element(XmlElement& out, int depth);
    bool content(XmlElement& out, int depth);
    bool attributes(XmlElement& out);
    bool name(std::string& out);
    bool characters(char end, std::string& out);
    bool reference(std::string& out);
    bool skipMisc();
    bool skipPast(const char* marker);
    void skipSpace();
    bool startsWith(const char* s) const;

    const std::string& text_;
    std::size_t at_ = 0;
};
