# Build-time step: turns the About dialog's two pictures into the arrays it is compiled with.
#
#   cmake -DICON=about-icon.png -DLOGO=about-logo.xpm -DSHARP_LOGO=about-logo@2x.png
#         -DOUTPUT=about_images.h -P embed_about_images.cmake
#
# image0_data holds the PNG file's bytes as they are; image1_data holds the XPM's lines, which are
# C string literals already, so they are copied unchanged; image2_data holds the bytes of the logo
# drawn at twice the size, a PNG file, for screens at a device pixel ratio of 2.

file(READ ${ICON} icon_hex HEX)
string(LENGTH "${icon_hex}" icon_digits)
math(EXPR icon_bytes "${icon_digits} / 2")
string(REGEX REPLACE "([0-9a-f][0-9a-f])" "0x\\1, " icon_array "${icon_hex}")

file(READ ${SHARP_LOGO} sharp_hex HEX)
string(LENGTH "${sharp_hex}" sharp_digits)
math(EXPR sharp_bytes "${sharp_digits} / 2")
string(REGEX REPLACE "([0-9a-f][0-9a-f])" "0x\\1, " sharp_array "${sharp_hex}")

file(STRINGS ${LOGO} logo_lines REGEX "^\"")
list(TRANSFORM logo_lines REPLACE ",$" "")
list(JOIN logo_lines ",\n    " logo_array)

file(WRITE ${OUTPUT}
    "#pragma once\n\n"
    "// Generated from about-icon.png, about-logo.xpm and about-logo@2x.png by embed_about_images.cmake.\n"
    "// Do not edit.\n\n"
    "inline const unsigned char image0_data[${icon_bytes}] = {${icon_array}};\n\n"
    "inline const char* const image1_data[] = {\n    ${logo_array},\n};\n\n"
    "inline const unsigned char image2_data[${sharp_bytes}] = {${sharp_array}};\n")
