#include "qvsnmpadapter.h"
#include "qvsnmpsession.h"

#include <QProcess>
#include <QStandardPaths>
#include <gtest/gtest.h>

namespace {

const QByteArray RfcEngineId = QByteArray::fromHex("000000000000000000000002");

// The reference tool's KeyChange for two passwords, or "" when the tool is not installed.
QByteArray ToolKeyChange(const char *hash, const QByteArray &oldPass, const QByteArray &newPass)
{
    const QString tool = QStandardPaths::findExecutable(QStringLiteral("encode_keychange"));
    if (tool.isEmpty())
        return QByteArray();
    QProcess p;
    p.start(tool, {QStringLiteral("-t"), QLatin1String(hash), QStringLiteral("-E"),
                   QStringLiteral("0x") + QString::fromLatin1(RfcEngineId.toHex()), QStringLiteral("-O"),
                   QString::fromLatin1(oldPass), QStringLiteral("-N"), QString::fromLatin1(newPass)});
    if (!p.waitForFinished(10000) || p.exitCode() != 0)
        return QByteArray();
    return QByteArray::fromHex(p.readAllStandardOutput().trimmed());
}

} // namespace

TEST(UsmKeys, RfcAppendixLocalisation)
{
    // RFC 3414 appendix A.3: "maplesyrup" localised to engine 00..02.
    EXPECT_EQ(QvSNMPAdapter::LocalizedAuthKey(AUTHPROT_HMACMD5, "maplesyrup", RfcEngineId).toHex(),
              QByteArray("526f5eed9fcce26f8964c2930787d82b"));
    EXPECT_EQ(QvSNMPAdapter::LocalizedAuthKey(AUTHPROT_HMACSHA, "maplesyrup", RfcEngineId).toHex(),
              QByteArray("6695febc9288e36282235fc7151f128497b38f3f"));
}

TEST(UsmKeys, KeyLengthsPerProtocol)
{
    const struct {
        const char *name;
        qint32 auth, priv;
        int authLen, privLen;
    } rows[] = {
        {"MD5 DES", AUTHPROT_HMACMD5, PRIVPROT_DES, 16, 16},
        {"SHA AES-128", AUTHPROT_HMACSHA, PRIVPROT_AES128, 20, 16},
        {"SHA AES-192 extended", AUTHPROT_HMACSHA, PRIVPROT_AES192, 20, 24},
        {"SHA AES-256 extended", AUTHPROT_HMACSHA, PRIVPROT_AES256, 20, 32},
        {"MD5 AES-256 extended", AUTHPROT_HMACMD5, PRIVPROT_AES256, 16, 32},
        {"SHA-224 AES-128", AUTHPROT_HMAC128SHA224, PRIVPROT_AES128, 28, 16},
        {"SHA-256 AES-256 cut", AUTHPROT_HMAC192SHA256, PRIVPROT_AES256, 32, 32},
        {"SHA-384 DES", AUTHPROT_HMAC256SHA384, PRIVPROT_DES, 48, 16},
        {"SHA-512 AES-192", AUTHPROT_HMAC384SHA512, PRIVPROT_AES192, 64, 24},
    };
    for (const auto &r : rows) {
        SCOPED_TRACE(r.name);
        const QByteArray a = QvSNMPAdapter::LocalizedAuthKey(r.auth, "maplesyrup", RfcEngineId);
        const QByteArray p = QvSNMPAdapter::LocalizedPrivKey(r.auth, r.priv, "maplesyrup", RfcEngineId);
        EXPECT_EQ(a.size(), r.authLen);
        EXPECT_EQ(p.size(), r.privLen);
        // A key of the first octets of the authentication key: the extension only adds to it.
        EXPECT_EQ(p.left(qMin(a.size(), p.size())), a.left(qMin(a.size(), p.size())));
        EXPECT_NE(QvSNMPAdapter::LocalizedAuthKey(r.auth, "maplesyrup", QByteArray::fromHex("000000000000000000000003")), a);
    }
}

TEST(UsmKeys, RefusedInputs)
{
    const struct {
        const char *name;
        qint32 auth, priv;
        QByteArray password, engine;
    } rows[] = {
        {"no authentication", AUTHPROT_NONE, PRIVPROT_DES, "maplesyrup", RfcEngineId},
        {"unknown authentication", 99, PRIVPROT_DES, "maplesyrup", RfcEngineId},
        {"no privacy", AUTHPROT_HMACSHA, PRIVPROT_NONE, "maplesyrup", RfcEngineId},
        {"IDEA", AUTHPROT_HMACSHA, PRIVPROT_IDEA, "maplesyrup", RfcEngineId},
        {"3DES", AUTHPROT_HMACSHA, PRIVPROT_3DESEDE, "maplesyrup", RfcEngineId},
        {"empty password", AUTHPROT_HMACSHA, PRIVPROT_DES, "", RfcEngineId},
        {"empty engine ID", AUTHPROT_HMACSHA, PRIVPROT_DES, "maplesyrup", ""},
    };
    for (const auto &r : rows) {
        SCOPED_TRACE(r.name);
        EXPECT_TRUE(QvSNMPAdapter::LocalizedPrivKey(r.auth, r.priv, r.password, r.engine).isEmpty());
    }
    const QByteArray k16(16, 'a'), k20(20, 'b');
    EXPECT_TRUE(QvSNMPAdapter::KeyChangeValue(AUTHPROT_HMACSHA, k16, k20).isEmpty());
    EXPECT_TRUE(QvSNMPAdapter::KeyChangeValue(AUTHPROT_NONE, k16, k16).isEmpty());
    EXPECT_TRUE(QvSNMPAdapter::DecodeKeyChangeValue(AUTHPROT_HMACSHA, k16, k16).isEmpty());
}

TEST(UsmKeys, KeyChangeRoundTripWithFreshRandom)
{
    for (qint32 auth : {AUTHPROT_HMACMD5, AUTHPROT_HMACSHA, AUTHPROT_HMAC128SHA224, AUTHPROT_HMAC192SHA256,
                        AUTHPROT_HMAC256SHA384, AUTHPROT_HMAC384SHA512}) {
        for (qint32 priv : {PRIVPROT_DES, PRIVPROT_AES128, PRIVPROT_AES192, PRIVPROT_AES256}) {
            SCOPED_TRACE(auth * 100 + priv);
            const QByteArray oldAuth = QvSNMPAdapter::LocalizedAuthKey(auth, "oldpassword", RfcEngineId);
            const QByteArray newAuth = QvSNMPAdapter::LocalizedAuthKey(auth, "newpassword", RfcEngineId);
            const QByteArray kc1 = QvSNMPAdapter::KeyChangeValue(auth, oldAuth, newAuth);
            const QByteArray kc2 = QvSNMPAdapter::KeyChangeValue(auth, oldAuth, newAuth);
            ASSERT_EQ(kc1.size(), 2 * newAuth.size());
            EXPECT_NE(kc1.left(newAuth.size()), kc2.left(newAuth.size())) << "random component reused";
            EXPECT_EQ(QvSNMPAdapter::DecodeKeyChangeValue(auth, oldAuth, kc1), newAuth);
            EXPECT_EQ(QvSNMPAdapter::DecodeKeyChangeValue(auth, oldAuth, kc2), newAuth);

            const QByteArray oldPriv = QvSNMPAdapter::LocalizedPrivKey(auth, priv, "oldprivacy", RfcEngineId);
            const QByteArray newPriv = QvSNMPAdapter::LocalizedPrivKey(auth, priv, "newprivacy", RfcEngineId);
            const QByteArray kcp = QvSNMPAdapter::KeyChangeValue(auth, oldPriv, newPriv);
            ASSERT_EQ(kcp.size(), 2 * newPriv.size());
            EXPECT_EQ(QvSNMPAdapter::DecodeKeyChangeValue(auth, oldPriv, kcp), newPriv);
        }
    }
}

TEST(UsmKeys, AgreesWithReferenceKeyChangeTool)
{
    const struct {
        const char *hash;
        qint32 auth;
    } rows[] = {{"md5", AUTHPROT_HMACMD5}, {"sha1", AUTHPROT_HMACSHA}};
    for (const auto &r : rows) {
        SCOPED_TRACE(r.hash);
        const QByteArray kc = ToolKeyChange(r.hash, "maplesyrup", "newsyrup123");
        if (kc.isEmpty())
            GTEST_SKIP() << "encode_keychange (package snmp) is not installed";
        // Decoding the tool's value with our old key must give our new key: both localisations agree.
        const QByteArray oldKey = QvSNMPAdapter::LocalizedAuthKey(r.auth, "maplesyrup", RfcEngineId);
        const QByteArray newKey = QvSNMPAdapter::LocalizedAuthKey(r.auth, "newsyrup123", RfcEngineId);
        EXPECT_EQ(QvSNMPAdapter::DecodeKeyChangeValue(r.auth, oldKey, kc).toHex(), newKey.toHex());
    }
}

TEST(UsmKeys, ProtocolObjectIdentifiers)
{
    const struct {
        qint32 code;
        const char *oid;
        bool auth;
    } rows[] = {
        {AUTHPROT_NONE, "1.3.6.1.6.3.10.1.1.1", true},        {AUTHPROT_HMACMD5, "1.3.6.1.6.3.10.1.1.2", true},
        {AUTHPROT_HMACSHA, "1.3.6.1.6.3.10.1.1.3", true},     {AUTHPROT_HMAC128SHA224, "1.3.6.1.6.3.10.1.1.4", true},
        {AUTHPROT_HMAC384SHA512, "1.3.6.1.6.3.10.1.1.7", true}, {PRIVPROT_NONE, "1.3.6.1.6.3.10.1.2.1", false},
        {PRIVPROT_DES, "1.3.6.1.6.3.10.1.2.2", false},        {PRIVPROT_AES128, "1.3.6.1.6.3.10.1.2.4", false},
    };
    for (const auto &r : rows) {
        SCOPED_TRACE(r.oid);
        const QString oid = QLatin1String(r.oid);
        EXPECT_EQ(r.auth ? QvSNMPAdapter::AuthProtocolOid(r.code) : QvSNMPAdapter::PrivProtocolOid(r.code), oid);
        EXPECT_EQ(r.auth ? QvSNMPAdapter::AuthProtocolCode(QLatin1Char('.') + oid)
                         : QvSNMPAdapter::PrivProtocolCode(oid),
                  r.code);
    }
    EXPECT_EQ(QvSNMPAdapter::AuthProtocolCode(QStringLiteral("1.3.6.1.6.3.10.1.1.99")), 0);
    EXPECT_EQ(QvSNMPAdapter::PrivProtocolCode(QStringLiteral("1.3.6.1.6.3.10.1.2.3")), 0);
    EXPECT_TRUE(QvSNMPAdapter::PrivProtocolOid(PRIVPROT_IDEA).isEmpty());
}
