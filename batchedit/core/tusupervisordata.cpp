#include "core/tusupervisordata.h"

#include "corebase/bcstringlist.h"
#include "corebase/strings.h"

#include <QFileInfo>

#include <algorithm>

namespace {

const char* const kSections[sbCount] = {"[INPUT DIR]", "[FILE MASK]", "[OUTPUT DIR]", "[VIEWER]",
                                        "[JOB_DIR]",   "[PREFIX]",    "[SUFFIX]"};

// A decimal integer with an optional sign and nothing else, within int.
bool parseInt(const QString& text, int& value) {
    const QString digits =
        text.startsWith(QLatin1Char('-')) || text.startsWith(QLatin1Char('+')) ? text.mid(1) : text;
    if (!S_DigitString(digits) || digits.size() > 10)
        return false;
    const qint64 v = text.toLongLong();
    if (v < INT_MIN || v > INT_MAX)
        return false;
    value = int(v);
    return true;
}

bool parseGroup(const QString& group, int count, int* values) {
    const QStringList parts = S_StrToStrArray(group, QLatin1Char(','));
    if (parts.size() != count)
        return false;
    for (int i = 0; i < count; ++i)
        if (!parseInt(parts[i], values[i]))
            return false;
    return true;
}

} // namespace

TUParamRecord TUParamRecord::Defaults(int screenWidth, int screenHeight) {
    TUParamRecord rec;
    rec.left = (screenWidth - rec.width) / 2;
    rec.top = (screenHeight - rec.height) / 2;
    return rec;
}

bool TUParamRecord::operator==(const TUParamRecord& o) const {
    return std::equal(selected, selected + sbCount, o.selected) && reserved == o.reserved &&
           workers == o.workers && keepWindow == o.keepWindow && width == o.width &&
           height == o.height && left == o.left && top == o.top &&
           procListHeight == o.procListHeight && descrHeight == o.descrHeight && remind == o.remind;
}

TUSupervisorData::TUSupervisorData(int screenWidth, int screenHeight)
    : m_screenWidth(screenWidth), m_screenHeight(screenHeight),
      m_params(TUParamRecord::Defaults(screenWidth, screenHeight)) {}

QString TUSupervisorData::SectionName(int box) {
    return QString::fromLatin1(kSections[box]);
}

bool TUSupervisorData::ParseParams(const QString& line, TUParamRecord& rec) const {
    const QStringList groups = S_StrToStrArray(line, QLatin1Char(';'));
    if (groups.size() < 2)
        return false;
    TUParamRecord out = TUParamRecord::Defaults(m_screenWidth, m_screenHeight);
    int first[8];
    int second[3];
    if (!parseGroup(groups[0], 8, first) || !parseGroup(groups[1], 3, second))
        return false;
    if (second[0] < 0 || second[0] > 0xFFFF)
        return false;
    std::copy(first, first + sbCount, out.selected);
    out.reserved = first[7];
    out.workers = quint16(second[0]);
    out.keepWindow = second[1] != 0;
    out.remind = second[2] != 0;
    if (out.keepWindow) {
        int geometry[6];
        if (groups.size() < 3 || !parseGroup(groups[2], 6, geometry))
            return false;
        out.width = geometry[0];
        out.height = geometry[1];
        out.left = geometry[2];
        out.top = geometry[3];
        out.procListHeight = geometry[4];
        out.descrHeight = geometry[5];
    }
    rec = out;
    return true;
}

QString TUSupervisorData::FormatParams(const TUParamRecord& r) {
    QStringList first;
    for (int v : r.selected)
        first.append(QString::number(v));
    first.append(QString::number(r.reserved));
    const QStringList second{QString::number(r.workers), QString::number(r.keepWindow ? 1 : 0),
                             QString::number(r.remind ? 1 : 0)};
    const QStringList third{QString::number(r.width),          QString::number(r.height),
                            QString::number(r.left),           QString::number(r.top),
                            QString::number(r.procListHeight), QString::number(r.descrHeight)};
    return first.join(QLatin1Char(',')) + QLatin1Char(';') + second.join(QLatin1Char(',')) +
           QLatin1Char(';') + third.join(QLatin1Char(','));
}

bool TUSupervisorData::Load(const QString& path) {
    m_params = TUParamRecord::Defaults(m_screenWidth, m_screenHeight);
    for (QStringList& h : m_history)
        h.clear();
    BCStringList file;
    if (!QFileInfo(path).isFile() || !file.LoadFromFile(path, true) || file.IsEmpty())
        return false;
    for (int box = 0; box < sbCount; ++box)
        file.ExtractSection(SectionName(box), m_history[box]);
    QString line;
    TUParamRecord rec;
    if (file.ExtractSection(QStringLiteral("[PARAMS]"), line) && ParseParams(line, rec))
        m_params = rec;
    return true;
}

bool TUSupervisorData::Save(const QString& path) const {
    BCStringList file;
    for (int box = 0; box < sbCount; ++box)
        file.AddSection(SectionName(box), m_history[box]);
    file.AddSection(QStringLiteral("[PARAMS]"), FormatParams(m_params));
    return file.SaveToFile(path, false);
}

void TUSupervisorData::ApplySettings(int processors) {
    for (int box = 0; box < sbCount; ++box)
        m_current[box] =
            box > sbOutputDir && !m_history[box].isEmpty() && m_params.selected[box] == 0 ? 0 : -1;
    if (m_current[sbJobDir] == 0 && !QFileInfo(m_history[sbJobDir].first()).isDir())
        m_current[sbJobDir] = -1;
    if (m_history[sbFileMask].isEmpty())
        m_history[sbFileMask].append(DefaultMask());
    if (m_history[sbViewer].isEmpty())
        m_history[sbViewer].append(DefaultViewer());
    m_current[sbFileMask] = 0;
    m_current[sbViewer] = 0;
    m_params.workers = quint16(std::clamp(processors, 0, 0xFFFF));
}

void TUSupervisorData::CollectSettings() {
    std::copy(m_current, m_current + sbCount, m_params.selected);
}

void TUSupervisorData::AddToTop(int box, const QString& text) {
    m_history[box].removeAll(text);
    m_history[box].prepend(text);
    m_current[box] = 0;
}

void TUSupervisorData::RemoveSelected(int box) {
    const int item = m_current[box];
    if (item >= 0 && item < m_history[box].size())
        m_history[box].removeAt(item);
    m_current[box] = -1;
}

QString TUSupervisorData::Current(int box) const {
    const int item = m_current[box];
    return item >= 0 && item < m_history[box].size() ? m_history[box].at(item) : QString();
}

TUSupervisorData::CommandLineResult TUSupervisorData::ApplyCommandLine(const QStringList& args) {
    if (args.size() != 3)
        return clIgnored;
    if (!QFileInfo(args[0]).isDir() && !QFileInfo(args[1]).isDir())
        return clIgnored;
    AddToTop(sbInputDir, args[0]);
    AddToTop(sbOutputDir, args[1]);
    AddToTop(sbFileMask, args[2]);
    if (!QFileInfo(args[0]).isDir()) {
        RemoveSelected(sbInputDir);
        return clAppliedInputMissing;
    }
    return clApplied;
}
