#include "information.h"

#include "caption.h"
#include "settingsstore.h"
#include "translations.h"

#include <QCoreApplication>
#include <QSettings>

#include <cstdio>

namespace {

int print(const QString& text)
{
    std::fputs(text.toLocal8Bit().constData(), stdout);
    return std::fflush(stdout) == 0 && !std::ferror(stdout) ? 0 : 1;
}

} // namespace

QString ManualLocation()
{
    return QCoreApplication::applicationDirPath() + QStringLiteral("/Manual.html");
}

int PrintHelp()
{
    const Translations translations;
    const QString text = QCoreApplication::translate("Usage",
        "Usage: velkaro [OPTION] [FILE]\n"
        "Cuts a file into packages of a fixed size (FILE.c0, FILE.c1, ...) and joins\n"
        "such a package set back into the file, in a window.\n"
        "\n"
        "With FILE, the window opens with it as the source; a package (NAME.cN)\n"
        "proposes the base path of its set, NAME, as the destination. A FILE that is\n"
        "not an existing regular file rings the bell and ends the program with exit\n"
        "code 1, without a window. Two or more files are ignored.\n"
        "\n"
        "  -h, --help     print this help and exit\n"
        "      --version  print the program's name and version and exit\n"
        "      --         end of options: what follows is FILE, even if it begins\n"
        "                 with a dash\n"
        "\n"
        "The toolkit's own options, such as -style NAME, may come before FILE.\n"
        "\n"
        "Manual:   %1\n"
        "Settings: %2\n");
    return print(text.arg(ManualLocation(), OpenSettingsStore().fileName()));
}

int PrintVersion()
{
    return print(QCoreApplication::translate("FormMain", ProgramCaption) + QLatin1Char('\n'));
}
