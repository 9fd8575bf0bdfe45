// Command-line manners of the built programs, run as a user would from a shell without a display:
// --help and --version print and end, a bad command line is told on stderr with exit code 2.
#include "programinfo.h"

#include <QProcess>
#include <QRegularExpression>
#include <gtest/gtest.h>

#include <vector>

namespace {

QString programPath(const char *name)
{
    if (QLatin1String(name) == QLatin1String("kmvsim"))
        return QStringLiteral(KMV_KMVSIM_PATH);
    return QStringLiteral(KMV_PROGRAM_DIR "/") + QLatin1String(name);
}

// Nothing that names a display or a Qt platform.
QProcessEnvironment headlessEnvironment()
{
    QProcessEnvironment env;
    env.insert(QStringLiteral("PATH"), QStringLiteral("/usr/bin:/bin"));
    env.insert(QStringLiteral("LC_ALL"), QStringLiteral("C"));
    return env;
}

struct RunCase {
    const char *program;
    QStringList args;
    int exitCode;
    QString out;  // a regular expression stdout must match ("" = stdout empty)
    QString err;  // likewise for stderr
};

TEST(Programs, HelpVersionAndBadSwitchesWithoutDisplay)
{
    const QString version = QRegularExpression::escape(SuiteVersion());
    const std::vector<RunCase> cases = {
        {"kmv7040qx", {"--help"}, 0, "^Usage: kmv7040qx /I<address>.*\\n  /t<port> .*--version", ""},
        {"kmv7040qx", {"-h"}, 0, "^Usage: kmv7040qx ", ""},
        {"kmv7040qx", {"--version"}, 0, "^kmv7040qx " + version + "\\n$", ""},
        {"kmv7040qx", {"--bogus"}, 2, "", "^kmv7040qx: unknown option --bogus .*\\nUsage: kmv7040qx /I<address>"},
        {"kmv7040qx", {}, 2, "", "^kmv7040qx: No parameter input\\nUsage: kmv7040qx "},
        {"kmv7040qx", {"/I127.0.0.1", "/t99999"}, 2, "",
         "^kmv7040qx: '99999' is out of range for /t \\(0\\.\\.65535\\)\\nUsage: "},
        {"kmv7040qx", {"/I127.0.0.1", "/v1", "/lhigh"}, 2, "",
         "^kmv7040qx: 'high' is not a valid integer value for /l\\nUsage: "},
        {"Layer3", {"--help"}, 0, "^Usage: Layer3 .*/T<target>.*\\n  /TLayer3_OSPF\\n.*/TIFMib_ifStackTable", ""},
        {"MIB", {"--version"}, 0, "^MIB " + version + "\\n$", ""},
        {"Bridge", {"-x"}, 2, "", "^Bridge: unknown option -x .*\\nUsage: Bridge "},
        {"IFMib", {"/I127.0.0.1"}, 2, "", "^IFMib: No target given"},
        {"Layer3", {"/I127.0.0.1", "/TLayer3_Nothing"}, 2, "", "^Layer3: Unknown target /TLayer3_Nothing\\n"},
        {"Layer3", {"/I127.0.0.1", "/tabc", "/TLayer3_OSPF"}, 2, "",
         "^Layer3: 'abc' is not a valid integer value for /t\\n"},
        {"SNMPV3Cfg.EXE", {"--help"}, 0, "^Usage: SNMPV3Cfg.EXE /I<address> /S<program folder>\\n", ""},
        {"SNMPV3Cfg.EXE", {"--version"}, 0, "^SNMPV3Cfg.EXE " + version + "\\n$", ""},
        {"SNMPV3Cfg.EXE", {"--verbose"}, 2, "", "^SNMPV3Cfg.EXE: unknown option --verbose"},
        {"SNMPV3Cfg.EXE", {"/I127.0.0.1"}, 2, "", "\\nUsage: SNMPV3Cfg.EXE /I<address> /S<program folder>\\n$"},
        {"SNMPV3Cfg.EXE", {"/S/tmp/"}, 2, "", "\\nUsage: SNMPV3Cfg.EXE "},
        {"kmvsim", {"--help"}, 0, "^Usage: kmvsim --listen.*--version", ""},
        {"kmvsim", {"--version"}, 0, "^kmvsim " + version + "\\n$", ""},
        {"kmvsim", {"--bogus"}, 2, "", "^kmvsim: unknown option --bogus"},
    };
    for (const RunCase &c : cases) {
        const std::string what = std::string(c.program) + " " + c.args.join(u' ').toStdString();
        QProcess p;
        p.setProcessEnvironment(headlessEnvironment());
        p.start(programPath(c.program), c.args);
        ASSERT_TRUE(p.waitForFinished(30000)) << what;
        const QString out = QString::fromLocal8Bit(p.readAllStandardOutput());
        const QString err = QString::fromLocal8Bit(p.readAllStandardError());
        EXPECT_EQ(p.exitStatus(), QProcess::NormalExit) << what << "\n" << err.toStdString();
        EXPECT_EQ(p.exitCode(), c.exitCode) << what << "\n" << err.toStdString();
        const auto matches = [](const QString &pattern, const QString &text) {
            return pattern.isEmpty()
                ? text.isEmpty()
                : QRegularExpression(pattern, QRegularExpression::DotMatchesEverythingOption).match(text).hasMatch();
        };
        EXPECT_TRUE(matches(c.out, out)) << what << "\nstdout: " << out.toStdString();
        EXPECT_TRUE(matches(c.err, err)) << what << "\nstderr: " << err.toStdString();
    }
}

} // namespace
