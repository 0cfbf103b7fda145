#include "qos5/tujob_qos5.h"

#include "common/jobparse.h"
#include "corebase/strings.h"
#include "procbase/resultcodes.h"

#include <algorithm>

int TUJob_qos5::Parse(const QString& text) {
    return job::RunParse([&] { ParseFields(text); });
}

void TUJob_qos5::ParseFields(const QString& text) {
    m_keepNumber = text.startsWith(QLatin1Char('+'));
    const QStringList parts = job::Records(m_keepNumber ? text.mid(1) : text);
    if (parts.size() < 3)
        throw prc::kFormatError;
    const std::int64_t n = job::Integer(parts[0], 0, 65535);
    if (n >= 2 && n <= 9)
        throw prc::kValueError;
    m_length = std::uint16_t(n);

    m_pieces.clear();
    for (int i = 1; i < parts.size(); ++i) {
        const QString& piece = parts[i];
        job::RequireCount(piece, QLatin1Char(':'), 1);
        if (piece.startsWith(QLatin1Char(':')) || piece.endsWith(QLatin1Char(':')))
            throw prc::kFormatError;
        TUJobRec rec;
        rec.number = int(job::Integer(S_Before(piece, QLatin1Char(':')), 1, job::kAllTraces));
        const QString range = S_After(piece, QLatin1Char(':'));
        if (range == QLatin1String("*")) {
            rec.first = 1;
            rec.last = job::kAllTraces;
        } else {
            job::RequireCount(range, QLatin1Char('-'), 1);
            // "*" stands for the last trace only, so a first trace is a plain number from 1.
            rec.first = int(job::Integer(S_Before(range, QLatin1Char('-')), 1, job::kAllTraces));
            rec.last = job::TraceNumber(S_After(range, QLatin1Char('-')));
            if (rec.last < rec.first)
                throw prc::kValueError;
        }
        m_pieces.push_back(rec);
    }
}

void TUJob_qos5::DefineRuntime(const QString& text) {
    const int r = Parse(S_Before(text, QLatin1Char('|')));
    if (r != 0)
        throw r;
    const QStringList list = S_StrToStrArray(S_After(text, QLatin1Char('|')), QLatin1Char('|'));
    if (list.size() < 3)
        throw prc::kJobDoesNotFit;
    m_folder = list[0];
    for (TUJobRec& p : m_pieces) {
        if (p.number > list.size() - 1)
            throw prc::kDuplicateName;
        p.file = JoinPath(m_folder, list[p.number]).toStdString();
    }
}

std::uint16_t TUJob_qos5::OutputSamples() const {
    if (m_length >= 10 || m_pieces.empty())
        return m_length;
    const auto less = [](const TUJobRec& a, const TUJobRec& b) { return a.samples < b.samples; };
    return m_length == 0 ? std::min_element(m_pieces.begin(), m_pieces.end(), less)->samples
                         : std::max_element(m_pieces.begin(), m_pieces.end(), less)->samples;
}

std::int64_t TUJob_qos5::OutputTraces() const {
    std::int64_t sum = 0;
    for (const TUJobRec& p : m_pieces)
        sum += std::int64_t(p.last) - p.first + 1;
    return sum;
}

bool TUJob_qos5::NextPiece() {
    if (m_current + 1 >= int(m_pieces.size()))
        return false;
    ++m_current;
    return true;
}

QString TUJob_qos5::JoinPath(const QString& folder, const QString& name) {
    if (folder.isEmpty() || folder.endsWith(QLatin1Char('/')) || folder.endsWith(QLatin1Char('\\')))
        return folder + name;
    return folder + QLatin1Char('/') + name;
}
