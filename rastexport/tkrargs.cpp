#include "rastexport/tkrargs.h"

#include "uikit/formplace.h"

#include <climits>

namespace {

int Number(const QString& text) {
    bool ok = false;
    const uint v = text.toUInt(&ok);
    return ok && v <= uint(INT_MAX) ? int(v) : 0;
}

} // namespace

bool TKrArgs::Parse(const QStringList& args, TKrArgs& out) {
    if (args.size() < kCount)
        return false;
    out.file = args[0];
    out.trace1 = Number(args[1]);
    out.trace2 = Number(args[2]);
    out.sample1 = Number(args[3]);
    out.sample2 = Number(args[4]);
    out.owner = ParseWindowId(args[5], nullptr);
    bool ok = false;
    out.agaMode = args[6].trimmed().toLongLong(&ok) != 0 && ok;
    return true;
}
