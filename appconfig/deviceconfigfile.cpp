#include "deviceconfigfile.h"

#include <QDate>
#include <QLocale>
#include <QSaveFile>
#include <QStringList>
#include <QTime>

QString DeviceConfigFileText(const TDeviceConfigEntries &e)
{
    const QLocale locale = QLocale::system();
    const QStringList lines = {
        QStringLiteral("[Program Information]"),
        QStringLiteral("AgentIP=") + e.AgentIP,
        QStringLiteral("AgentPort=") + e.AgentPort,
        QStringLiteral("Version=") + e.Version,
        QStringLiteral("SecurityName=") + e.SecurityName,
        QStringLiteral("AuthPassword=") + e.AuthPassword,
        QStringLiteral("PrivPassword=") + e.PrivPassword,
        QStringLiteral("AuthProtocol=") + QString::number(e.AuthProtocol),
        QStringLiteral("PrivProtocol=") + QString::number(e.PrivProtocol),
        QStringLiteral("ContextEngineID=") + e.ContextEngineID,
        QStringLiteral("SecurityLevel=") + QString::number(e.SecurityLevel),
        QStringLiteral("ContextName=") + e.ContextName,
        QStringLiteral("GetCommStr=") + e.GetCommStr,
        QStringLiteral("SetCommStr=") + e.SetCommStr,
        QStringLiteral("UpdateDate=") + locale.toString(QDate::currentDate(), QLocale::ShortFormat),
        QStringLiteral("UpdateTime=") + locale.toString(QTime::currentTime(), QLocale::LongFormat),
        QStringLiteral("SecurityModel=3"),
        QStringLiteral("Timeout=") + QString::number(e.Timeout),
        QStringLiteral("Retries=") + QString::number(e.Retries),
        QStringLiteral("NotifyAddress=") + e.NotifyAddress,
        QStringLiteral("NotifyPort=") + QString::number(e.NotifyPort),
        QStringLiteral("GetBulk=") + QLatin1String(e.GetBulk ? "1" : "0"),
    };
    return lines.join(QStringLiteral("\r\n"));
}

bool WriteDeviceConfigFile(const QString &path, const QString &text)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    // Passwords are in it: owner only, set on the temporary before it takes the name.
    if (!file.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner)) {
        file.cancelWriting();
        return false;
    }
    const QByteArray bytes = text.toLatin1();
    if (file.write(bytes) != bytes.size()) {
        file.cancelWriting();
        return false;
    }
    return file.commit();
}
