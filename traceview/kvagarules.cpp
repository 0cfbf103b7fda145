#include "traceview/kvagarules.h"

#include "viewcore/tcagatable.h"

#include <QLocale>

#include <cmath>

int KV_SymmetricTrace(int trace, int zeroTrace, int traces) {
    const long long s = 2LL * zeroTrace - trace;
    return s < 0 || s > traces ? 0 : int(s);
}

bool KV_AgaAdd(TCAGATable& table, int trace, int symmetric, float gain) {
    if (!table.Add(trace, gain))
        return false;
    return symmetric <= 0 || table.Add(symmetric, gain);
}

int KV_AgaDelete(TCAGATable& table, int row, bool symmetric, int zeroTrace, int traces) {
    if (row < 0 || row >= table.Count())
        return row;
    const int trace = table.At(row).trace;
    table.Delete(row);
    if (symmetric) {
        const int s = KV_SymmetricTrace(trace, zeroTrace, traces);
        const int i = s > 0 ? table.IndexOf(s) : -1;
        if (i >= 0)
            table.Delete(i);
    }
    return row < table.Count() ? row : table.Count() - 1;
}

bool KV_AgaEntryOkEnabled(const QString& trace, const QString& gain) {
    bool ok = false;
    const qlonglong t = trace.trimmed().toLongLong(&ok);
    return ok && t != 0 && !gain.trimmed().isEmpty();
}

bool KV_AgaEntryAcceptable(const QString& trace, const QString& gain, int traces) {
    bool okT = false, okG = false;
    const qlonglong t = trace.trimmed().toLongLong(&okT);
    const double db = QLocale::c().toDouble(gain.trimmed(), &okG);
    return okT && okG && t >= 1 && t <= traces && std::fabs(db) <= 400.0;
}
