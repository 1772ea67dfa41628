#include "XmlElement.h"

#include "XmlReader.h"

std::optional<XmlElement> XmlElement::parse(const std::string& text) {
    XmlElement root;
    XmlReader reader(text);
    if (!reader.document(root)) {
        return std::nullopt;
    }
    return root;
}

std::string XmlElement::attribute(const std::string& name) const {
    const auto it = attributes_.find(name);
    return it == attributes_.end() ? std::string() : it->second;
}

const XmlElement* XmlElement::child(const std::string& name) const {
    for (const auto& c : children_) {
        if (c.name_ == name) {
            return &c;
        }
    }
    return nullptr;
}
