// The file readers: the INI reader, a message catalogue file and the engine-boots counter file,
// each given the input as the file's whole content.
#include "fuzz_support.h"
#include "qvbootcounter.h"
#include "qvini.h"
#include "qvsnmperrors.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

namespace {

QString writeInput(const QByteArray &content, const QString &name)
{
    static QTemporaryDir dir;  // removed when the harness ends
    const QString path = dir.filePath(name);
    QFile f(path);
    if (f.open(QIODevice::WriteOnly | QIODevice::Truncate))
        f.write(content);
    return path;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    FuzzCursor in(data, size);
    const quint8 which = in.byte();
    const QByteArray content = in.rest();
    const QString path =
        writeInput(content, which % 3 == 2 ? QLatin1String(QvBootCounterFileName) : QStringLiteral("input"));
    switch (which % 3) {
    case 0: {
        const QvIni ini(path);
        for (const char *section : {"Program Information", "", "[", "a"}) {
            for (const char *key : {"Version", "AgentPort", "", "="}) {
                ini.ReadString(QLatin1String(section), QLatin1String(key), QStringLiteral("d"));
                ini.ReadProfileString(QLatin1String(section), QLatin1String(key), QString());
            }
        }
        break;
    }
    case 1:
        LoadCatalogue(CAT_OWN, path);
        QvErrorText(-510);
        RequestLogLine(true, QStringLiteral("Ok!"), QStringLiteral("t"));
        LoadCatalogue(CAT_LOGFORMAT, path);
        RequestLogLine(false, QStringLiteral("[ERROR]"), QString());
        ResetCatalogues();
        break;
    default: {
        quint32 boots = 0;
        GetBootCounter(path, QByteArray(QvLocalEngineId), boots);
        GetBootCounter(path, content.left(8), boots);
        Tolerating([&] { LoadAndBumpBoots(QFileInfo(path).absolutePath()); });
        break;
    }
    }
    return 0;
}
