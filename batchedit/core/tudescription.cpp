#include "core/tudescription.h"

#include "corebase/codepage.h"

#include <QSet>
#include <QStringDecoder>
#include <QVector>

namespace {

bool isLetter(char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

// Groups whose content is no text of the document.
const QSet<QByteArray>& hiddenGroups() {
    static const QSet<QByteArray> names = {
        "fonttbl", "colortbl",  "stylesheet", "info",        "pict",
        "header",  "footer",    "object",     "listtable",   "listoverridetable",
        "rsidtbl", "generator", "themedata",  "latentstyles"};
    return names;
}

} // namespace

QString TUDescription::PlainText(const QByteArray& bytes) {
    if (bytes.startsWith("{\\rtf"))
        return RtfText(bytes);
    QStringDecoder utf8(QStringDecoder::Utf8);
    const QString text = utf8.decode(bytes);
    return utf8.hasError() ? S_FromAnsi(bytes) : text;
}

QString TUDescription::RtfText(const QByteArray& rtf) {
    struct Group {
        bool hidden = false;
        int skipAfterUnicode = 1; // "\ucN": characters that stand in for a "\u" character
    };
    QVector<Group> groups{Group()};
    QString text;
    QByteArray pending; // Windows-1251 bytes not yet decoded
    int toSkip = 0;     // stand-in characters still to drop after a "\u"
    const auto flush = [&] {
        text += S_FromAnsi(pending);
        pending.clear();
    };
    const auto emitByte = [&](char c) {
        if (toSkip > 0) {
            --toSkip;
            return;
        }
        if (!groups.last().hidden)
            pending += c;
    };
    const auto emitText = [&](const QString& s) {
        flush();
        if (!groups.last().hidden)
            text += s;
    };
    const int n = int(rtf.size());
    for (int i = 0; i < n; ++i) {
        const char c = rtf[i];
        if (c == '{') {
            groups.append(groups.last());
            toSkip = 0;
        } else if (c == '}') {
            if (groups.size() > 1)
                groups.removeLast();
            toSkip = 0;
        } else if (c == '\r' || c == '\n') {
            continue;
        } else if (c != '\\') {
            emitByte(c);
        } else if (i + 1 < n) {
            const char next = rtf[++i];
            if (next == '\\' || next == '{' || next == '}') {
                emitByte(next);
            } else if (next == '\'' && i + 2 < n) {
                bool ok = false;
                const int value = rtf.mid(i + 1, 2).toInt(&ok, 16);
                i += 2;
                if (ok)
                    emitByte(char(value));
            } else if (next == '*') {
                groups.last().hidden = true;
            } else if (next == '~') {
                emitText(QStringLiteral(" "));
            } else if (isLetter(next)) {
                int end = i;
                while (end < n && isLetter(rtf[end]))
                    ++end;
                const QByteArray word = rtf.mid(i, end - i);
                int numberEnd = end;
                if (numberEnd < n && rtf[numberEnd] == '-')
                    ++numberEnd;
                while (numberEnd < n && isDigit(rtf[numberEnd]))
                    ++numberEnd;
                const bool hasNumber = numberEnd > end && isDigit(rtf[numberEnd - 1]);
                const int number = hasNumber ? rtf.mid(end, numberEnd - end).toInt() : 0;
                i = hasNumber ? numberEnd - 1 : end - 1;
                if (i + 1 < n && rtf[i + 1] == ' ')
                    ++i; // the space that ends a control word is no text
                if (hiddenGroups().contains(word))
                    groups.last().hidden = true;
                else if (word == "par" || word == "line")
                    emitText(QStringLiteral("\n"));
                else if (word == "tab")
                    emitText(QStringLiteral("\t"));
                else if (word == "uc")
                    groups.last().skipAfterUnicode = number;
                else if (word == "u") {
                    emitText(QString(QChar(char16_t(number < 0 ? number + 65536 : number))));
                    toSkip = groups.last().skipAfterUnicode;
                }
            }
        }
    }
    flush();
    return text;
}
