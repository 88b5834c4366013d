#pragma once

// What software centres show of the program besides its name, in the words of the AppStream
// metadata's template (data/com.ostrevan.velkaro.metainfo.xml.in). Translated with the window's
// texts, in its catalogues; the build writes every translation into the metadata. The keywords
// are one text, so that a language may have more or fewer of them.

#include <QtGlobal>

inline constexpr const char* SoftwareCentreContext = "AppStream";

inline constexpr const char* SoftwareCentreTexts[] = {
    QT_TRANSLATE_NOOP("AppStream", "Cut a file into fixed-size packages and join them back"),
    QT_TRANSLATE_NOOP("AppStream",
        "Velkaro cuts one file into a series of smaller files of a fixed size, called packages "
        "(NAME.c0, NAME.c1, ...), to carry it on small media or through channels that limit the "
        "size of a file, and joins such a series back into the file, byte for byte."),
    QT_TRANSLATE_NOOP("AppStream",
        "A package holds raw bytes of the file and nothing else, so any other tool can join a set "
        "too. Velkaro signals success only when every byte it wrote is on disk."),
    QT_TRANSLATE_NOOP("AppStream", "It does not compress, encrypt or check files."),
    QT_TRANSLATE_NOOP("AppStream", "The window, started with a package of a set as the source"),
    QT_TRANSLATE_NOOP("AppStream", "split;join;cut;package;chunk"),
};
