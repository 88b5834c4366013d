#pragma once

// While an object of this class lives, a toolkit that finds no display to open the window on
// ends the program with one line on standard error, in the user's language, and exit code 1,
// instead of aborting with advice to reinstall. Meant to be held only while the application
// object is constructed: the toolkit's fatal errors there are all about its platform.
class QString;

class NoDisplayExit
{
public:
    NoDisplayExit();
    ~NoDisplayExit();
    NoDisplayExit(const NoDisplayExit&) = delete;
    NoDisplayExit& operator=(const NoDisplayExit&) = delete;

    // The line it prints, in the user's language.
    static QString message();
};
