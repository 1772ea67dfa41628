// Any file an installer may name as the game program: the ELF reader looks for the definition
// section, and what it finds is read as a definition file.
#include "ElfSection.h"
#include "FuzzFile.h"
#include "GameDefinition.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string& path = FuzzFile::holding(data, size);
    if (const auto section = ElfSection::read(path, "__GDF_XML"))
        (void)GameDefinition::parse(*section);
    return 0;
}
