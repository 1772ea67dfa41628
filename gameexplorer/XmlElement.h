#pragma once

#include <map>
#include <optional>
#include <string>
#include <vector>

// A small XML reader for definition files: elements, attributes, text, comments, CDATA,
// the predefined and numeric character references. Document type declarations are refused,
// so no entity of the file's own can expand. Elements are known by their local names.
class XmlElement {
public:
    // The document's root element, or nothing when the text is not well-formed.
    static std::optional<XmlElement> parse(const std::string& text);

    const std::string& name() const { return name_; }
    const std::string& text() const { return text_; }
    const std::vector<XmlElement>& children() const { return children_; }

    // The attribute's value, or an empty text when it is missing.
    std::string attribute(const std::string& name) const;

    // The first child of that name, or nullptr.
    const XmlElement* child(const std::string& name) const;

private:
    friend class XmlReader;

    std::string name_;
    std::map<std::string, std::string> attributes_;
    std::string text_;
    std::vector<XmlElement> children_;
};
