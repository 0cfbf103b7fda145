#include "corebase/codepage.h"

#include <cerrno>
#include <iconv.h>

namespace {

// Converts with glibc iconv; an input sequence the target lacks is replaced by '?' and skipped
// (`unitSize` bytes, or one whole UTF-8 sequence when unitSize is 0).
QByteArray convert(const char* to, const char* from, const QByteArray& in, int unitSize) {
    iconv_t cd = iconv_open(to, from);
    if (cd == iconv_t(-1))
        return QByteArray();
    QByteArray out;
    char buffer[256];
    char* src = const_cast<char*>(in.constData());
    size_t srcLeft = size_t(in.size());
    while (srcLeft > 0) {
        char* dst = buffer;
        size_t dstLeft = sizeof(buffer);
        const size_t rc = iconv(cd, &src, &srcLeft, &dst, &dstLeft);
        out.append(buffer, int(dst - buffer));
        if (rc != size_t(-1) || errno == E2BIG)
            continue;
        // EILSEQ or EINVAL: one unusable character (or a cut sequence at the end).
        out.append('?');
        size_t skip = unitSize > 0 ? size_t(unitSize) : 1;
        while (unitSize == 0 && skip < srcLeft && (uchar(src[skip]) & 0xC0) == 0x80)
            ++skip;
        skip = qMin(skip, srcLeft);
        src += skip;
        srcLeft -= skip;
    }
    iconv_close(cd);
    return out;
}

} // namespace

QByteArray S_ToAnsi(const QString& text) {
    return convert("WINDOWS-1251", "UTF-8", text.toUtf8(), 0);
}

QString S_FromAnsi(const QByteArray& bytes) {
    return QString::fromUtf8(convert("UTF-8", "WINDOWS-1251", bytes, 1));
}
