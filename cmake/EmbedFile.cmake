# cmake -DINPUT=file.res -DOUTPUT=file.cpp -P EmbedFile.cmake
# Writes the bytes of INPUT as the program's resource image.
file(READ ${INPUT} hex HEX)
string(LENGTH "${hex}" length)
string(REGEX REPLACE "([0-9a-f][0-9a-f])" "0x\\1," bytes "${hex}")
string(REGEX REPLACE "((0x..,){16})" "\\1\n    " bytes "${bytes}")
file(WRITE ${OUTPUT}.tmp
"// Generated from ${INPUT}; do not edit.
#include \"framework/core/program_resources.h\"

namespace {

alignas(4) constexpr unsigned char kResourceImage[] = {
    ${bytes}
};

}  // namespace

std::span<const std::byte> AfxProgramResourceImage() {
    return std::as_bytes(std::span(kResourceImage));
}
")
file(COPY_FILE ${OUTPUT}.tmp ${OUTPUT} ONLY_IF_DIFFERENT)
file(REMOVE ${OUTPUT}.tmp)
