#include "viewcore/tappsettings.h"

#include "apptools/appfolders.h"
#include "corebase/strings.h"

#include <QFile>

namespace {

const QString kSgySection = QStringLiteral("[SEGY FOLDERS]");
const QString kSetSection = QStringLiteral("[SET FOLDERS]");
const QString kGraphSection = QStringLiteral("[GRAPH FOLDERS]");
const QString kNumericSection = QStringLiteral("[NUMERIC]");

QString entryAt(const BCStringList& list, int index) {
    return index >= 0 && index < list.Count() ? list.At(index) : QString();
}

void clampIndex(qint32& index, const BCStringList& list) {
    index = qMax(qMin(index, qint32(list.Count() - 1)), qint32(-1));
}

} // namespace

void TAppSettings::SetDefaults() {
    sgyIndex = setIndex = rastIndex = -1;
    newWindow = false;
    flags = 12;
}

QString TAppSettings::GetSgyDir() const {
    return entryAt(sgyDirs, sgyIndex);
}
QString TAppSettings::GetSetDir() const {
    return entryAt(setDirs, setIndex);
}
QString TAppSettings::GetRastDir() const {
    return entryAt(rastDirs, rastIndex);
}

void TAppSettings::SetFlags(bool useSgyDir, bool useLastSet, bool ignoreFHdr, bool ignoreTHdr,
                            bool saveBookMarks) {
    flags = int(useSgyDir) + 2 * int(useLastSet) + 4 * int(ignoreFHdr) + 8 * int(ignoreTHdr) +
            16 * int(saveBookMarks);
}

QString TAppSettings::GetAsString() const {
    return QString::asprintf("%d,%d,%d,%d", sgyIndex, setIndex, rastIndex, flags);
}

void TAppSettings::SetFromString(const QString& text) {
    const QStringList items = S_StrToStrArray(text, QLatin1Char(','));
    qint32 values[4];
    bool ok = items.size() >= 4;
    for (int i = 0; ok && i < 4; ++i)
        values[i] = items.at(i).toInt(&ok);
    if (!ok) {
        const bool keepWindow = newWindow;
        SetDefaults();
        newWindow = keepWindow;
        return;
    }
    sgyIndex = values[0];
    setIndex = values[1];
    rastIndex = values[2];
    flags = values[3];
}

BCStringList* TAppSettings::List(int list) {
    return const_cast<BCStringList*>(static_cast<const TAppSettings*>(this)->List(list));
}

const BCStringList* TAppSettings::List(int list) const {
    switch (list) {
    case 0:
        return &sgyDirs;
    case 1:
        return &setDirs;
    case 2:
        return &rastDirs;
    default:
        return nullptr;
    }
}

void TAppSettings::CopyTo(QStringList& target, int list) const {
    target.clear();
    if (const BCStringList* l = List(list))
        target = l->Lines();
}

void TAppSettings::CopyFrom(const QStringList& source, int list) {
    BCStringList* l = List(list);
    if (l == nullptr)
        return;
    l->Clear();
    for (const QString& line : source)
        l->Add(line);
}

QString TAppSettings::FilePath() {
    return KT_GetAppDataCtrlDir() + QStringLiteral("/kv.set");
}

bool TAppSettings::Save() const {
    BCStringList file;
    file.AddSection(kSgySection, sgyDirs.Lines());
    file.AddSection(kSetSection, setDirs.Lines());
    file.AddSection(kGraphSection, rastDirs.Lines());
    file.AddSection(kNumericSection, GetAsString());
    return file.SaveToFile(FilePath(), false);
}

void TAppSettings::Load() {
    const QString path = FilePath();
    BCStringList file;
    if (!QFile::exists(path) || !file.LoadFromFile(path, true) || file.IsEmpty()) {
        SetDefaults();
        return;
    }
    QStringList lines;
    file.ExtractSection(kSgySection, lines);
    CopyFrom(lines, 0);
    file.ExtractSection(kSetSection, lines);
    CopyFrom(lines, 1);
    file.ExtractSection(kGraphSection, lines);
    CopyFrom(lines, 2);
    QString numeric;
    file.ExtractSection(kNumericSection, numeric);
    SetFromString(numeric);
    clampIndex(sgyIndex, sgyDirs);
    clampIndex(setIndex, setDirs);
    clampIndex(rastIndex, rastDirs);
}
