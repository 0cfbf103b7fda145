#include "core/tuproclist.h"

#include "apptools/appfolders.h"
#include "core/spvstrings.h"
#include "core/tuanswerer.h"
#include "corebase/files.h"
#include "corebase/strings.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace {

bool acceptedFlags(int flags) {
    switch (flags) {
    case 0:
    case 1:
    case 3:
    case 4:
    case 5:
    case 7:
    case 27:
        return true;
    default:
        return false;
    }
}

// Overwriting copy (QFile::copy refuses an existing target). The copy is made beside the
// target first, so a copy that fails leaves an installed procedure as it was.
bool copyOver(const QString& from, const QString& to) {
    const QString part = to + QStringLiteral(".part");
    QFile::remove(part);
    if (!QFile::copy(from, part))
        return false;
    if ((QFile::exists(to) && !QFile::remove(to)) || !QFile::rename(part, to)) {
        QFile::remove(part);
        return false;
    }
    return true;
}

QString folderKey(const QString& folder) {
    return QDir::cleanPath(QDir(folder).absolutePath()).toLower();
}

} // namespace

bool TUProcList::ParseName(const QString& fileName, TUProcRec& rec) {
    const QString base = S_Before(fileName, QLatin1Char('.'));
    if (!base.contains(QLatin1Char('_')))
        return false;
    const QString code = S_Before(base, QLatin1Char('_')).toUpper();
    const QString rest = S_After(base, QLatin1Char('_'));
    const QString digits = rest.left(3);
    if (code.isEmpty() || digits.size() != 3 || !S_DigitString(digits))
        return false;
    const int flags = digits.toInt();
    if (!acceptedFlags(flags))
        return false;
    rec.code = code;
    rec.title = rest.mid(3);
    rec.flags = quint16(flags);
    return true;
}

int TUProcList::Load() {
    QStringList names;
    // An empty folder (a description folder being replaced, say) keeps the catalogue the user
    // sees, but the caller learns that nothing was found.
    if (F_AppendFileList(KE_GetProcPath() + QStringLiteral("*_*.dsc"), names, false) == 0)
        return 0;
    m_recs.clear();
    for (const QString& name : names) {
        TUProcRec rec;
        if (ParseName(name, rec))
            m_recs.append(rec);
    }
    return int(m_recs.size());
}

int TUProcList::Find(const QString& code) const {
    for (int i = 0; i < m_recs.size(); ++i)
        if (m_recs[i].code.compare(code, Qt::CaseInsensitive) == 0)
            return i;
    return -1;
}

QString TUProcList::LibraryFileName(const QString& code) {
    return code.toLower() + QStringLiteral(".so");
}

int TUProcList::Validate(const QString& path, TUProcRec& rec) {
    const QFileInfo info(path);
    if (folderKey(info.absolutePath()) == folderKey(KE_GetProcPath()))
        return 28;
    const QString base = S_Before(info.fileName(), QLatin1Char('.'));
    if (S_Count(base, QLatin1Char('_')) != 1)
        return 29;
    const int codeLength = int(S_Before(base, QLatin1Char('_')).size());
    // The same rule as the scan, so an added procedure always shows in the catalogue.
    if (codeLength < 4 || codeLength > 5 || !ParseName(info.fileName(), rec))
        return 29;
    return 0;
}

int TUProcList::Install(const QString& path, const TUProcRec& rec, TUAnswerer& answerer) {
    const QFileInfo info(path);
    const QString library = LibraryFileName(rec.code);
    const QString sourceLibrary = info.absolutePath() + QLatin1Char('/') + library;
    if (!QFileInfo(sourceLibrary).isFile())
        return 33;
    const QString target = KE_GetProcPath() + info.fileName();
    if (QFile::exists(target) && !answerer.Ask(36, SpvText(36)))
        return -1;
    if (!QDir().mkpath(KE_GetProcPath()) || !copyOver(path, target))
        return 35;
    // Both the job check and the workers load plug-ins from ProcLib.
    const QString libraryFolder = KT_GetAppDir() + QStringLiteral("/ProcLib");
    if (!QDir().mkpath(libraryFolder) ||
        !copyOver(sourceLibrary, libraryFolder + QLatin1Char('/') + library))
        return 35;
    return 0;
}
