# Writes the compiled catalogue INPUT as the C++ array of text/catalogue_data.h
# into OUTPUT: cmake -DINPUT=en.mo -DOUTPUT=english_catalogue.cpp -P embed.cmake
file(READ ${INPUT} hex HEX)
string(LENGTH "${hex}" digits)
math(EXPR size "${digits} / 2")
string(REGEX REPLACE "([0-9a-f][0-9a-f])" "0x\\1," bytes "${hex}")
string(REGEX REPLACE "(0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,)" "\\1\n"
       bytes "${bytes}")
file(WRITE ${OUTPUT}.new
  "// Generated from text/en.po by text/embed.cmake; do not edit.\n"
  "#include \"text/catalogue_data.h\"\n\n"
  "namespace tanukiban::text {\n\n"
  "const unsigned char kEnglishCatalogue[] = {\n${bytes}};\n"
  "const std::size_t kEnglishCatalogueSize = ${size};\n\n"
  "}  // namespace tanukiban::text\n")
file(COPY_FILE ${OUTPUT}.new ${OUTPUT} ONLY_IF_DIFFERENT)
file(REMOVE ${OUTPUT}.new)
