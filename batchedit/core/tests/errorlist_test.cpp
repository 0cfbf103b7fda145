// The error list the workers' result codes are looked up in: the shipped list and its first
// start.

#include "apptools/appfolders.h"
#include "core/tuerrorlist.h"
#include "core/tufilelist.h"
#include "procbase/resultcodes.h"

#include <QFile>
#include <QTemporaryDir>

#include "qtprint.h"

#include <gtest/gtest.h>

namespace {

// Makes the next Load a first start: no list in the user's folder yet.
void forgetUserList() {
    QFile::remove(KE_GetFileName(QLatin1Char('E')));
}

} // namespace

TEST(ErrorList, ShippedListHasATextForEveryResultCode) {
    KT_SetAppDir(GRAVIK_BIN_DIR);
    forgetUserList();
    TUErrorList list;
    ASSERT_TRUE(list.Load());
    const int codes[] = {
        prc::kFormatError,       prc::kValueError,        prc::kPieceOpen,
        prc::kNoFileRecord,      prc::kJobDoesNotFit,     prc::kDuplicateName,
        prc::kPieceBeyondFile,   prc::kPropsDiffer,       prc::kTooManyTraces,
        prc::kInputOpen,         prc::kOutputCreate,      prc::kOutputWrite,
        prc::kInputRead,         prc::kNoMemory,          prc::kInternal,
        prc::kOutputIsInput,     prc::kStopped,           prc::kPluginMissing,
        prc::kEntryMissing,      prc::kJobTextMissing,    prc::kPluginCrashed,
        TUFileList::StartFailed, TUFileList::HardStopped, TUFileList::NoFinalStatus,
    };
    for (int code : codes)
        EXPECT_FALSE(list.Text(code).isEmpty()) << code;
    EXPECT_EQ(list.Text(TUFileList::NoFinalStatus),
              QString::fromUtf8("Процесс обработки завершился, не сообщив результат."));
    EXPECT_TRUE(list.Text(0).isEmpty());
    EXPECT_TRUE(list.Text(999).isEmpty());
    // The first start put the shipped list in place.
    EXPECT_TRUE(QFile::exists(KE_GetFileName(QLatin1Char('E'))));
}

TEST(ErrorList, AUsersOwnListIsKept) {
    KT_SetAppDir(GRAVIK_BIN_DIR);
    QFile own(KE_GetFileName(QLatin1Char('E')));
    ASSERT_TRUE(own.open(QIODevice::WriteOnly | QIODevice::Truncate));
    own.write(QByteArray("10=Свой текст\n") + "no code here\n" + " 199 =a=b\n");
    own.close();
    TUErrorList list;
    ASSERT_TRUE(list.Load());
    EXPECT_EQ(list.Text(10), QString::fromUtf8("Свой текст"));
    EXPECT_EQ(list.Text(199), "a=b");
    EXPECT_EQ(list.Lines().size(), 2);
    EXPECT_TRUE(list.Text(200).isEmpty());

    // Neither a user's list nor a shipped one: an empty list, no failure beyond that.
    QTemporaryDir emptyApp;
    KT_SetAppDir(emptyApp.path());
    forgetUserList();
    EXPECT_FALSE(list.Load());
    EXPECT_TRUE(list.Lines().isEmpty());
    KT_SetAppDir(GRAVIK_BIN_DIR);
}
