# Writes the definition file as a C++ source whose one array lands in the ELF section
# "__GDF_XML" of the program it is linked into; the bytes are the file's, unchanged.
# Usage: cmake -DINPUT=<xml> -DOUTPUT=<cpp> -P embed-gdf.cmake
file(READ ${INPUT} hex HEX)
string(REGEX REPLACE "([0-9a-f][0-9a-f])" "0x\\1," bytes "${hex}")
string(REGEX REPLACE "(0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,)" "\\1\n    "
       bytes "${bytes}")
file(WRITE ${OUTPUT}.new
"// Made by the build from the game's definition file; do not edit.
__attribute__((section(\"__GDF_XML\"), used)) static const unsigned char gameDefinition[] = {
    ${bytes}};
")
file(COPY_FILE ${OUTPUT}.new ${OUTPUT} ONLY_IF_DIFFERENT)
file(REMOVE ${OUTPUT}.new)
