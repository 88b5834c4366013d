#include "VerifyFileA.h"
#include "bell.h"
#include "commandline.h"
#include "formmain.h"
#include "information.h"
#include "nodisplay.h"
#include "sessionplatform.h"
#include "translations.h"

#include <QApplication>
#include <QByteArray>
#include <QCoreApplication>
#include <QFile>
#include <QProcessEnvironment>

#include <optional>
#include <vector>

namespace {

// The window holds its paths as text and hands the engine their encoded bytes: a name that is not
// valid in the file-name encoding would come back as another name, one that does not exist.
bool survivesAsText(const char* path)
{
    return QFile::encodeName(QFile::decodeName(path)) == QByteArray(path);
}

} // namespace

int main(int argc, char* argv[])
{
    const CommandLine line = ReadCommandLine(argc, argv);
    if (line.request != CommandLine::Request::Window) {
        // Needs no display: it only tells where the program and its settings are.
        const QCoreApplication app(argc, argv);
        return line.request == CommandLine::Request::Help ? PrintHelp() : PrintVersion();
    }

    // The application object takes its own options (-style, -platform, ...) out of the arguments
    // before "--"; what it leaves after the program name, and everything after "--", are the
    // program's own arguments, still the very bytes the process received. A platform chosen for
    // the session goes in as an option, not through the environment, which the browser of Help >
    // Manual inherits.
    std::vector<char*> toolkitArguments(argv, argv + line.toolkitCount);
    QByteArray platform
        = SessionPlatform(QProcessEnvironment::systemEnvironment(), line.toolkitCount, argv);
    char platformOption[] = "-platform";
    if (!platform.isEmpty())
        toolkitArguments.insert(toolkitArguments.begin() + 1, {platformOption, platform.data()});
    int toolkitCount = static_cast<int>(toolkitArguments.size());
    toolkitArguments.push_back(nullptr);
    std::optional<NoDisplayExit> noDisplay(std::in_place);
    const QApplication app(toolkitCount, toolkitArguments.data());
    noDisplay.reset();
    const Translations translations;
    // Destroyed before the application object on every way out, the early return included.
    FormMain window(nullptr, nullptr, Qt::Window);

    std::vector<const char*> arguments(
        toolkitArguments.begin() + 1, toolkitArguments.begin() + toolkitCount);
    arguments.insert(arguments.end(), line.afterSeparator.begin(), line.afterSeparator.end());
    if (arguments.size() == 1) {
        const char* const path = arguments.front();
        if (!VerifyFileA(path) || !survivesAsText(path)) {
            Bell(QGuiApplication::platformName()).ring();
            return 1;
        }
        window.SetFields(QFile::decodeName(path));
    }

    window.manualPath = ManualLocation();
    window.show();
    return QApplication::exec();
}
