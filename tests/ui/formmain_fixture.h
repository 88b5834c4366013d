#pragma once

// Shared by the window tests. The settings store lives in a temporary XDG_CONFIG_HOME, and HOME in
// a folder of its own, both set before the application object exists, so no test ever reads or
// writes the user's own settings or files. A probe window counts what reaches its slots instead of
// opening dialogs, browsers or message boxes.

#include "formmain.h"

#include <QApplication>
#include <QCloseEvent>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

class SettingsSandbox
{
public:
    static SettingsSandbox& instance()
    {
        static SettingsSandbox sandbox;
        return sandbox;
    }

    QString file() const { return dir.path() + "/Ostrevan Software/Velkaro.conf"; }

    static QSettings store()
    {
        return QSettings(
            QSettings::NativeFormat, QSettings::UserScope, "Ostrevan Software", "Velkaro");
    }

    // Empties the store, both the file and the copy the settings library caches in memory.
    void reset() const
    {
        {
            QSettings settings = store();
            settings.clear();
        }
        QFile::remove(file());
    }

    // Makes the next settings object read the file again, as a new run of the program would,
    // instead of the values the settings library keeps in memory.
    void forgetCache() const
    {
        QFile stored(file());
        if (stored.open(QIODevice::ReadWrite))
            stored.setFileTime(
                QDateTime::currentDateTime().addSecs(-3600), QFileDevice::FileModificationTime);
    }

private:
    SettingsSandbox()
    {
        if (!dir.isValid() || !QDir(dir.path()).mkdir("home"))
            qFatal("no temporary folder for the settings");
        qputenv("XDG_CONFIG_HOME", QFile::encodeName(dir.path()));
        // The file dialogs start in the home folder: never the user's own.
        qputenv("HOME", QFile::encodeName(dir.filePath("home")));
    }

    QTemporaryDir dir;
};

class ProbeWindow : public FormMain
{
public:
    using FormMain::languageChange;

    int manuals = 0;
    int abouts = 0;
    int sources = 0;
    int destinations = 0;
    int clears = 0;
    int splits = 0;
    int builds = 0;
    int closes = 0;

protected:
    void closeEvent(QCloseEvent* e) override
    {
        ++closes;
        e->ignore();
    }

private:
    void manual() override { ++manuals; }
    void about() override { ++abouts; }
    void source() override { ++sources; }
    void destination() override { ++destinations; }
    void clear() override { ++clears; }
    void split() override { ++splits; }
    void build() override { ++builds; }
};

// For tests that work on files through a real window: each test function gets an empty folder and
// a fresh window of type W, shown and active. Call openWindow() from init() and closeWindow() from
// cleanup().
template <typename W> class WindowWithFolder
{
protected:
    bool openWindow()
    {
        dir = std::make_unique<QTemporaryDir>();
        window = std::make_unique<W>();
        window->show();
        window->activateWindow();
        return dir->isValid() && QTest::qWaitForWindowActive(window.get());
    }

    void closeWindow()
    {
        window.reset();
        dir.reset();
    }

    QString path(const QString& name) const { return dir->filePath(name); }

    std::unique_ptr<QTemporaryDir> dir;
    std::unique_ptr<W> window;
};

#define WINDOW_TEST_MAIN(TestObject)                                                               \
    int main(int argc, char* argv[])                                                               \
    {                                                                                              \
        SettingsSandbox::instance();                                                               \
        QApplication app(argc, argv);                                                              \
        TestObject test;                                                                           \
        return QTest::qExec(&test, argc, argv);                                                    \
    }
