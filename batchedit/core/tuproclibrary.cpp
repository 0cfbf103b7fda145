#include "core/tuproclibrary.h"

#include "apptools/appfolders.h"

int TUProcLibrary::Check(const QString& code, const QString& job) {
    Unload();
    const QString lower = code.toLower();
    m_library.setFileName(KT_GetAppDir() + QStringLiteral("/ProcLib/") + lower);
    if (!m_library.load())
        return 15;
    using CheckEntry = int (*)(const char16_t*);
    const QByteArray entryName = QByteArrayLiteral("_CheckJob_") + lower.toLatin1();
    const auto entry = reinterpret_cast<CheckEntry>(m_library.resolve(entryName.constData()));
    if (!entry) {
        Unload();
        return 18;
    }
    const std::u16string text = job.toStdU16String();
    m_lastResult = entry(text.c_str());
    if (m_lastResult == 0)
        return 0;
    return m_lastResult == 1 ? 19 : 20;
}

void TUProcLibrary::Unload() {
    if (m_library.isLoaded())
        m_library.unload();
}
