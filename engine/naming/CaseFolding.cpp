#include "naming/CaseFolding.h"

#include <cwctype>

namespace {

// One character of UTF-8 at `at`: its code point and length. A byte that does not start a valid
// sequence of the shortest form is taken alone, as a code point no letter has.
char32_t Decode(const std::string& text, std::string::size_type at, std::string::size_type& length)
{
    const auto byte = [&](std::string::size_type i) { return static_cast<unsigned char>(text[i]); };
    const unsigned char lead = byte(at);
    length = 1;
    const char32_t alone = 0x110000 + lead;
    if (lead < 0x80)
        return lead;
    const std::string::size_type size = lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : lead >= 0xC2 ? 2 : 0;
    if (size == 0 || lead > 0xF4 || at + size > text.size())
        return alone;
    char32_t point = lead & (0x7F >> size);
    for (std::string::size_type i = 1; i < size; ++i) {
        if ((byte(at + i) & 0xC0) != 0x80)
            return alone;
        point = (point << 6) | (byte(at + i) & 0x3F);
    }
    static constexpr char32_t Smallest[] = {0, 0, 0x80, 0x800, 0x10000};
    if (point < Smallest[size] || point > 0x10FFFF || (point >= 0xD800 && point <= 0xDFFF))
        return alone;
    length = size;
    return point;
}

} // namespace

CaseFolding::CaseFolding() : unicode(newlocale(LC_CTYPE_MASK, "C.UTF-8", locale_t(0))) { }

CaseFolding::~CaseFolding()
{
    if (unicode)
        freelocale(unicode);
}

char32_t CaseFolding::Fold(char32_t letter) const
{
    if (letter >= 0x110000)
        return letter;
    if (unicode)
        return static_cast<char32_t>(towupper_l(static_cast<wint_t>(letter), unicode));
    return letter >= 'a' && letter <= 'z' ? letter - 'a' + 'A' : letter;
}

std::string::size_type CaseFolding::StemLength(
    const std::string& name, const std::string& stem) const
{
    std::string::size_type inName = 0;
    std::string::size_type inStem = 0;
    while (inStem < stem.size()) {
        if (inName >= name.size())
            return std::string::npos;
        std::string::size_type nameLength = 0;
        std::string::size_type stemLength = 0;
        if (Fold(Decode(name, inName, nameLength)) != Fold(Decode(stem, inStem, stemLength)))
            return std::string::npos;
        inName += nameLength;
        inStem += stemLength;
    }
    return inName;
}
