#include "XmlReader.h"

#include <cstdint>
#include <cstdlib>

namespace {

// Deeper nesting than any definition file has is refused rather than recursed into.
constexpr int maxDepth = 64;

bool isSpace(char c) {
    return c == ' ' || c == '\t' || c == '\r' || c == '\n';
}

bool isNameChar(char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '_' ||
           c == '-' || c == '.' || c == ':' || static_cast<unsigned char>(c) >= 0x80;
}

// The name without its namespace prefix.
std::string localName(const std::string& qualified) {
    const auto colon = qualified.find(':');
    return colon == std::string::npos ? qualified : qualified.substr(colon + 1);
}

void appendUtf8(std::uint32_t code, std::string& out) {
    if (code < 0x80) {
        out += static_cast<char>(code);
    } else if (code < 0x800) {
        out += static_cast<char>(0xC0 | (code >> 6));
        out += static_cast<char>(0x80 | (code & 0x3F));
    } else if (code < 0x10000) {
        out += static_cast<char>(0xE0 | (code >> 12));
        out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (code & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (code >> 18));
        out += static_cast<char>(0x80 | ((code >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (code & 0x3F));
    }
}

} // namespace

bool XmlReader::startsWith(const char* s) const {
    return text_.compare(at_, std::char_traits<char>::length(s), s) == 0;
}

void XmlReader::skipSpace() {
    while (at_ < text_.size() && isSpace(text_[at_])) {
        ++at_;
    }
}

bool XmlReader::skipPast(const char* marker) {
    const auto end = text_.find(marker, at_);
    if (end == std::string::npos) {
        return false;
    }
    at_ = end + std::char_traits<char>::length(marker);
    return true;
}

bool XmlReader::skipMisc() {
    for (;;) {
        skipSpace();
        if (startsWith("<!--")) {
            if (!skipPast("-->")) {
                return false;
            }
        } else if (startsWith("<?")) {
            if (!skipPast("?>")) {
                return false;
            }
        } else {
            return !startsWith("<!");
        }
    }
}

bool XmlReader::document(XmlElement& root) {
    if (startsWith("\xEF\xBB\xBF")) {
        at_ += 3;
    }
    if (!skipMisc() || !element(root, 0) || !skipMisc()) {
        return false;
    }
    return at_ == text_.size();
}

bool XmlReader::name(std::string& out) {
    const std::size_t start = at_;
    while (at_ < text_.size() && isNameChar(text_[at_])) {
        ++at_;
    }
    out = text_.substr(start, at_ - start);
    return !out.empty();
}

bool XmlReader::reference(std::string& out) {
    const auto end = text_.find(';', at_);
    if (end == std::string::npos || end - at_ > 10) {
        return false;
    }
    const std::string ref = text_.substr(at_ + 1, end - at_ - 1);
    at_ = end + 1;
    static const std::pair<const char*, char> named[] = {
        {"amp", '&'}, {"lt", '<'}, {"gt", '>'}, {"quot", '"'}, {"apos", '\''}};
    for (const auto& [key, value] : named) {
        if (ref == key) {
            out += value;
            return true;
        }
    }
    if (ref.size() < 2 || ref[0] != '#') {
        return false;
    }
    const bool hex = ref[1] == 'x';
    const std::string digits = ref.substr(hex ? 2 : 1);
    char* stop = nullptr;
    const unsigned long code = std::strtoul(digits.c_str(), &stop, hex ? 16 : 10);
    if (digits.empty() || *stop != '\0' || code == 0 || code > 0x10FFFF ||
        (code >= 0xD800 && code <= 0xDFFF)) {
        return false;
    }
    appendUtf8(static_cast<std::uint32_t>(code), out);
    return true;
}

// Characters up to end ('<' for text, a quote for attribute values), references resolved.
bool XmlReader::characters(char end, std::string& out) {
    while (at_ < text_.size() && text_[at_] != end) {
        const char c = text_[at_];
        if (c == '&') {
            if (!reference(out)) {
                return false;
            }
        } else if (c == '<') {
            return false;
        } else {
            out += c;
            ++at_;
        }
    }
    return at_ < text_.size();
}

bool XmlReader::attributes(XmlElement& out) {
    for (;;) {
        const std::size_t before = at_;
        skipSpace();
        if (at_ >= text_.size() || text_[at_] == '>' || text_[at_] == '/') {
            return at_ < text_.size();
        }
        std::string key;
        if (at_ == before || !name(key)) {
            return false;
        }
        skipSpace();
        if (at_ >= text_.size() || text_[at_] != '=') {
            return false;
        }
        ++at_;
        skipSpace();
        const char quote = at_ < text_.size() ? text_[at_] : '\0';
        if (quote != '"' && quote != '\'') {
            return false;
        }
        ++at_;
        std::string value;
        if (!characters(quote, value) || !out.attributes_.emplace(key, value).second) {
            return false;
        }
        ++at_;
    }
}

bool XmlReader::element(XmlElement& out, int depth) {
    if (depth > maxDepth || !startsWith("<")) {
        return false;
    }
    ++at_;
    std::string qualified;
    if (!name(qualified) || !attributes(out)) {
        return false;
    }
    out.name_ = localName(qualified);
    if (startsWith("/>")) {
        at_ += 2;
        return true;
    }
    ++at_; // '>'
    if (!content(out, depth)) {
        return false;
    }
    at_ += 2; // "</"
    std::string closing;
    if (!name(closing) || closing != qualified) {
        return false;
    }
    skipSpace();
    if (!startsWith(">")) {
        return false;
    }
    ++at_;
    return true;
}

// Text, CDATA, comments and child elements up to the closing tag's "</".
bool XmlReader::content(XmlElement& out, int depth) {
    for (;;) {
        if (!characters('<', out.text_)) {
            return false;
        }
        if (startsWith("</")) {
            return true;
        }
        if (startsWith("<!--")) {
            if (!skipPast("-->")) {
                return false;
            }
        } else if (startsWith("<![CDATA[")) {
            at_ += 9;
            const auto end = text_.find("]]>", at_);
            if (end == std::string::npos) {
                return false;
            }
            out.text_ += text_.substr(at_, end - at_);
            at_ = end + 3;
        } else {
            XmlElement child;
            if (!element(child, depth + 1)) {
                return false;
            }
            out.children_.push_back(std::move(child));
        }
    }
}
