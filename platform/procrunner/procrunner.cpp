// procrunner <code> <index> "<input>" "<output>": runs one procedure over one file for its
// owner (the batch editor, the headless runner). The job text comes from the owner's shared text,
// statuses go to the owner's channel. Exactly one final status is posted however the run ends,
// short of the process being killed. Exit status: 0 success, 1 the run failed (its code was
// posted), 2 bad command line, 3 no channel to the owner (nothing posted).

#include "apptools/appfolders.h"
#include "msgchannel/namedstore.h"
#include "msgchannel/tcmsgclient.h"
#include "msgchannel/workermsg.h"
#include "procbase/resultcodes.h"
#include "procrunner/runnertexts.h"
#include "procrunner/tuworkerlink.h"

#include <QCoreApplication>
#include <QLibrary>
#include <QRegularExpression>

#include <cstdio>

namespace {

using ExecuteEntry = int (*)(unsigned, void*, const char16_t*, const char16_t*, const char16_t*);

void Complain(const QString& text) {
    std::fprintf(stderr, "procrunner: %s\n", text.toUtf8().constData());
}

bool ParseIndex(const QString& text, unsigned& index) {
    static const QRegularExpression digits(QStringLiteral("^[0-9]{1,5}$"));
    if (!digits.match(text).hasMatch())
        return false;
    index = text.toUInt();
    return index <= 0xFFFF;
}

int Run(TUWorkerLink& link, unsigned index, const QString& code, const QString& input,
        const QString& output) {
    static const QRegularExpression codeForm(QStringLiteral("^[a-z0-9]{4}$"));
    if (!codeForm.match(code).hasMatch()) {
        Complain(RunnerText(rtBadCode).arg(code));
        return prc::kPluginMissing;
    }
    QString job;
    if (!M_ReadSharedText(QString::fromLatin1(SPV_JOB_TEXT_NAME), job)) {
        Complain(RunnerText(rtNoJobText));
        return prc::kJobTextMissing;
    }
    QLibrary library(KT_GetAppDir() + QStringLiteral("/ProcLib/") + code);
    if (!library.load()) {
        Complain(RunnerText(rtNoPlugin).arg(library.fileName()));
        return prc::kPluginMissing;
    }
    const QString entryName = QStringLiteral("_Execute_") + code;
    const auto entry = reinterpret_cast<ExecuteEntry>(library.resolve(entryName.toLatin1()));
    if (!entry) {
        Complain(RunnerText(rtNoEntry).arg(entryName));
        return prc::kEntryMissing;
    }
    try {
        return entry(index, &link, reinterpret_cast<const char16_t*>(input.utf16()),
                     reinterpret_cast<const char16_t*>(output.utf16()),
                     reinterpret_cast<const char16_t*>(job.utf16()));
    } catch (...) {
        Complain(RunnerText(rtPluginCrashed));
        return prc::kPluginCrashed;
    }
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() != 5) {
        Complain(RunnerText(rtUsage));
        return 2;
    }
    unsigned index = 0;
    if (!ParseIndex(args[2], index)) {
        Complain(RunnerText(rtBadIndex).arg(args[2]));
        return 2;
    }
    TCMsgClient client;
    if (!client.Connect(index)) {
        Complain(RunnerText(rtNoChannel));
        return 3;
    }
    TUWorkerLink link(client);
    const int r = Run(link, index, args[1], args[3], args[4]);
    if (!link.FinalPosted())
        link.PostStatus(index, SPV_STATUS_FINAL_BASE + static_cast<unsigned>(r));
    client.Disconnect();
    return r == 0 ? 0 : 1;
}
