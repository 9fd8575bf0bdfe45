// Command-line manners shared by the suite's programs, settled before any window exists:
// "--help" and "--version" print and end the program, an unknown option is told on stderr, and
// so is a bad command line when there is no display to show a message box on.
#pragma once

#include <QByteArray>
#include <QString>

struct TProgramInfo {
    QString name;   // as the user typed it: "kmv7040qx", "MIB", "SNMPV3Cfg.EXE"
    QString usage;  // one line, without the program name
    QString help;   // what --help prints after the usage line and the summary
    QString summary;
};

// The suite's version ("0.1").
QString SuiteVersion();

// True when a window can be shown: Qt is told to use a platform that needs no display server
// (offscreen, minimal, vnc, ...), or an X or Wayland display is named.
bool DisplayAvailable(const QByteArray &qpaPlatform, const QByteArray &display, const QByteArray &waylandDisplay);
// The same from the process's environment.
bool DisplayAvailable();

// What the first argument asks for. The suite's switches all start with '/', so an argument that
// starts with '-' and holds no '/' is an option; only the first argument is looked at, as a
// later one may be a word of a password split at a blank.
enum class TFirstOption { None, Help, Version, Unknown };
TFirstOption FirstOption(int argc, char **argv);

// Prints the help or version text on stdout (0), or the unknown option and the usage line on
// stderr (2). Returns -1 when the program should go on.
int HandleFirstOption(int argc, char **argv, const TProgramInfo &info);

// "<name>: <error>" and the usage line on stderr.
void PrintUsageError(const TProgramInfo &info, const QString &error);

// The program's name as the user typed it: the last path component of argv[0].
QString ProgramName(int argc, char **argv, const QString &fallback);
