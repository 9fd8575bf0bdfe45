#include "programinfo.h"

#include <QList>

#include <cstdio>
#include <cstring>

#ifndef KMV_VERSION
#define KMV_VERSION "0"
#endif

namespace {

void put(FILE *to, const QString &text)
{
    const QByteArray bytes = text.toLocal8Bit();
    std::fwrite(bytes.constData(), 1, size_t(bytes.size()), to);
    std::fflush(to);
}

} // namespace

QString SuiteVersion()
{
    return QStringLiteral(KMV_VERSION);
}

bool DisplayAvailable(const QByteArray &qpaPlatform, const QByteArray &display, const QByteArray &waylandDisplay)
{
    // "xcb:option=..." names the platform before the colon.
    const QByteArray platform = qpaPlatform.split(':').first().trimmed();
    if (!platform.isEmpty() && platform != "xcb" && !platform.startsWith("wayland"))
        return true;
    if (platform == "xcb")
        return !display.isEmpty();
    if (platform.startsWith("wayland"))
        return !waylandDisplay.isEmpty();
    return !display.isEmpty() || !waylandDisplay.isEmpty();
}

bool DisplayAvailable()
{
    return DisplayAvailable(qgetenv("QT_QPA_PLATFORM"), qgetenv("DISPLAY"), qgetenv("WAYLAND_DISPLAY"));
}

TFirstOption FirstOption(int argc, char **argv)
{
    if (argc < 2 || !argv[1] || argv[1][0] != '-' || std::strchr(argv[1], '/'))
        return TFirstOption::None;
    const char *a = argv[1];
    if (!std::strcmp(a, "--help") || !std::strcmp(a, "-h"))
        return TFirstOption::Help;
    if (!std::strcmp(a, "--version"))
        return TFirstOption::Version;
    return TFirstOption::Unknown;
}

int HandleFirstOption(int argc, char **argv, const TProgramInfo &info)
{
    switch (FirstOption(argc, argv)) {
    case TFirstOption::None:
        return -1;
    case TFirstOption::Help:
        put(stdout, QStringLiteral("Usage: %1 %2\n%3\n\n%4").arg(info.name, info.usage, info.summary, info.help));
        return 0;
    case TFirstOption::Version:
        put(stdout, QStringLiteral("%1 %2\n").arg(info.name, SuiteVersion()));
        return 0;
    case TFirstOption::Unknown:
        PrintUsageError(info, QStringLiteral("unknown option %1 (see --help)").arg(QString::fromLocal8Bit(argv[1])));
        return 2;
    }
    return -1;
}

void PrintUsageError(const TProgramInfo &info, const QString &error)
{
    put(stderr, QStringLiteral("%1: %2\nUsage: %1 %3\n").arg(info.name, error, info.usage));
}

QString ProgramName(int argc, char **argv, const QString &fallback)
{
    if (argc < 1 || !argv[0] || !*argv[0])
        return fallback;
    const char *slash = std::strrchr(argv[0], '/');
    return QString::fromLocal8Bit(slash ? slash + 1 : argv[0]);
}
