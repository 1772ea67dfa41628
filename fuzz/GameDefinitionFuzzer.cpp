// Any text as the game definition file: the XML reader and the definition built from it.
#include "GameDefinition.h"
#include "XmlElement.h"

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);
    (void)XmlElement::parse(text);
    if (const auto definition = GameDefinition::parse(text)) {
        if (definition->gameId.empty() || definition->name.empty() ||
            definition->executables.empty())
            std::abort();
        (void)definition->programPath();
    }
    return 0;
}
