// Value conversions and index decoding: texts to values and back, index columns into and out of
// instance suffixes, partial data, received values of any type shown under any syntax.
#include "fuzz_support.h"
#include "qvdatetime.h"
#include "qvsnmpconvert.h"
#include "qvsnmptypes.h"

namespace {

const quint32 Syntaxes[] = {SYN_BOOLEAN,  SYN_INTEGER, SYN_BITSTR,    SYN_OCTETSTR,  SYN_NULL,     SYN_OBJECTID,
                            SYN_IPADDRESS, SYN_COUNTER, SYN_GAUGE,     SYN_TIMETICKS, SYN_OPAQUE,   SYN_NSAPADDR,
                            SYN_COUNTER64, SYN_UINTEGER, SYN_DOUBLE,   SYN_MACADDRESS, SYN_DATETIME, SYN_BCDATETIME,
                            SYN_DISPLAYSTR, SYN_BOOL8,  SYN_INT8,      SYN_UINT8,     SYN_BOOL16,   SYN_INT16,
                            SYN_UINT16,    0,           7,             999};

QvSNMPValue valueFrom(FuzzCursor &in)
{
    QvSNMPValue v;
    v.type = QvSNMPValue::Type(in.byte() % (QvSNMPValue::EndOfMibView + 1));
    v.i = qint32(in.word());
    v.u = in.word();
    v.u64 = (quint64(in.word()) << 32) | in.word();
    v.octets = in.bytes(24);
    for (int n = in.byte() % 8; n > 0; --n)
        v.oid << in.word();
    return v;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    FuzzCursor in(data, size);
    const quint32 syntax = Syntaxes[in.byte() % (sizeof Syntaxes / sizeof Syntaxes[0])];
    const bool implied = in.byte() & 1;
    const QvSNMPValue received = valueFrom(in);
    const QByteArray textBytes = in.rest();
    const QString text = QString::fromLatin1(textBytes);

    Tolerating([&] {
        const QString shown = QvValueToText(syntax, received);
        // What is shown of a received value is a text of its syntax again, or refused plainly.
        Tolerating([&] { QvTextToValue(syntax, shown); });
    });
    Tolerating([&] { QvValueFitsSyntax(syntax, received); });
    Tolerating([&] {
        const QvSNMPValue v = QvTextToValue(syntax, text);
        (void)v;
    });
    Tolerating([&] {
        const QString sub = QvEncodeIndex(syntax, text, implied);
        QString back;
        QvDecodeIndex(syntax, sub, implied, &back);
    });
    Tolerating([&] {
        QString value;
        QvDecodeIndex(syntax, text, implied, &value);
    });
    Tolerating([&] { OctetsToText(textBytes, syntax); });
    Tolerating([&] { TextToOctets(text, syntax); });
    Tolerating([&] { ExtractPart(textBytes, int(received.u % 64) - 4, syntax); });
    QvDateTime d;
    QvDateTime::Parse(text, &d);
    QvDateTime::FromText(text).ToText();
    double real = 0;
    QvReadDateTimeReal(text, &real);
    QvDateTimeRealText(real);
    quint32 ticks = 0;
    QvParseTimeTicks(text, &ticks);
    QvReadTimeTicks(text);
    QvReadHex(text);
    return 0;
}
