# Turns a binary file into a C++ array: cmake -DINPUT=f -DOUTPUT=f.cpp -DSYMBOL=name -P embed.cmake
file(READ "${INPUT}" hex HEX)
string(LENGTH "${hex}" digits)
math(EXPR size "${digits} / 2")
string(REGEX REPLACE "([0-9a-f][0-9a-f])" "0x\\1," bytes "${hex}")
string(REGEX REPLACE "((0x..,){24})" "\\1\n" bytes "${bytes}")
file(WRITE "${OUTPUT}"
  "// Made at build time from ${INPUT}.\n"
  "#include <cstddef>\n"
  "extern const unsigned char ${SYMBOL}[${size}] = {\n${bytes}};\n"
  "extern const std::size_t ${SYMBOL}Size = ${size};\n")
