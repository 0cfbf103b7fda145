#include "msgchannel/msgframe.h"
#include "msgchannel/namedstore.h"
#include "msgchannel/tcmsgclient.h"
#include "msgchannel/tcmsgserver.h"
#include "msgchannel/workermsg.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFileInfo>

#include <gtest/gtest.h>

#include <sys/stat.h>

#include <thread>
#include <vector>

namespace {

QCoreApplication& App() {
    static int argc = 1;
    static char name[] = "msgchannel_test";
    static char* argv[] = {name, nullptr};
    static QCoreApplication app(argc, argv);
    return app;
}

// Runs the owner's event loop until `done` holds or 10 s passed.
template <class Pred> bool PumpUntil(Pred done) {
    QElapsedTimer t;
    t.start();
    while (!done() && t.elapsed() < 10000)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    return done();
}

struct Recorder {
    std::vector<TMsgFrame> posted;
    std::vector<std::pair<int, bool>> closed;
    void Attach(TCMsgServer& s) {
        QObject::connect(&s, &TCMsgServer::posted,
                         [this](const TMsgFrame& f) { posted.push_back(f); });
        QObject::connect(&s, &TCMsgServer::clientClosed,
                         [this](int i, bool fin) { closed.emplace_back(i, fin); });
    }
};

} // namespace

TEST(MsgFrame, EncodesLittleEndianAndRoundTrips) {
    const TMsgFrame f{0x84D2, 0x00030405, -2};
    unsigned char b[TMsgFrame::kSize];
    f.Encode(b);
    const unsigned char expect[16] = {0xD2, 0x84, 0,    0,    0x05, 0x04, 0x03, 0,
                                      0xFE, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF};
    EXPECT_EQ(0, memcmp(b, expect, 16));
    const TMsgFrame g = TMsgFrame::Decode(b);
    EXPECT_EQ(g.msg, f.msg);
    EXPECT_EQ(g.wParam, f.wParam);
    EXPECT_EQ(g.lParam, f.lParam);
}

TEST(NamedStore, RuntimeFolderIsPrivate) {
    const QString dir = M_RuntimeDir();
    ASSERT_FALSE(dir.isEmpty());
    struct stat st;
    ASSERT_EQ(0, lstat(dir.toLocal8Bit().constData(), &st));
    EXPECT_EQ(0u, st.st_mode & 077);
    EXPECT_EQ(getuid(), st.st_uid);
}

TEST(NamedStore, SharedTextLivesUntilClosed) {
    QString text;
    const int h = M_CreateSharedText("ked_test_text", QString::fromUtf8("1:1-50;*:400-*|папка"));
    ASSERT_NE(0, h);
    ASSERT_TRUE(M_ReadSharedText("ked_test_text", text));
    EXPECT_EQ(QString::fromUtf8("1:1-50;*:400-*|папка"), text);
    // A replaced text reads as the new one.
    const int h2 = M_CreateSharedText("ked_test_text", "");
    ASSERT_TRUE(M_ReadSharedText("ked_test_text", text));
    EXPECT_TRUE(text.isEmpty());
    M_CloseSharedText(h);
    M_CloseSharedText(h2);
    EXPECT_FALSE(M_ReadSharedText("ked_test_text", text));
    M_CloseSharedText(0);
}

TEST(NamedStore, OtherSessionDoesNotSeeNames) {
    const QString mine = M_SessionKey();
    const int h = M_CreateSharedText("ked_test_other", "x");
    ASSERT_NE(0, h);
    qputenv("GRAVIK_SESSION", "someone-else");
    QString text;
    EXPECT_FALSE(M_ReadSharedText("ked_test_other", text));
    qputenv("GRAVIK_SESSION", mine.toLatin1());
    EXPECT_TRUE(M_ReadSharedText("ked_test_other", text));
    M_CloseSharedText(h);
}

TEST(MsgChannel, PostsSendsAndReportsCloseWithoutFinal) {
    App();
    TCMsgServer server;
    ASSERT_TRUE(server.Open());
    QString published;
    ASSERT_TRUE(M_GetPublishedHandle(SPV_HANDLE_NAME, published));
    EXPECT_EQ(server.Name(), published);
    Recorder rec;
    rec.Attach(server);
    std::vector<std::int64_t> asked;
    server.SetSendHandler(SPV_MSG_QUERYSTOP, [&](const TMsgFrame& f) {
        asked.push_back(f.lParam);
        return f.lParam == 7 ? 1 : 0;
    });

    std::int64_t r7 = -1, r3 = -1;
    bool sendOk = false;
    std::thread worker([&] {
        TCMsgClient c;
        if (!c.Connect(7))
            return;
        c.Post(SPV_MSG_STATUS, SPV_StatusWParam(7, 0), 0);
        c.Post(SPV_MSG_STATUS, SPV_StatusWParam(7, 55), 0);
        sendOk = c.Send(SPV_MSG_QUERYSTOP, 0, 7, r7) && c.Send(SPV_MSG_QUERYSTOP, 0, 3, r3);
    });
    ASSERT_TRUE(PumpUntil([&] { return rec.closed.size() == 1; }));
    worker.join();
    EXPECT_TRUE(sendOk);
    EXPECT_EQ(1, r7);
    EXPECT_EQ(0, r3);
    ASSERT_EQ(2u, rec.posted.size());
    EXPECT_EQ(SPV_StatusWParam(7, 55), rec.posted[1].wParam);
    EXPECT_EQ((std::vector<std::int64_t>{7, 3}), asked);
    EXPECT_EQ(7, rec.closed[0].first);
    EXPECT_FALSE(rec.closed[0].second);

    std::thread finisher([] {
        TCMsgClient c;
        if (c.Connect(2))
            c.Post(SPV_MSG_STATUS, SPV_StatusWParam(2, 1003), 0);
    });
    ASSERT_TRUE(PumpUntil([&] { return rec.closed.size() == 2; }));
    finisher.join();
    EXPECT_EQ(2, rec.closed[1].first);
    EXPECT_TRUE(rec.closed[1].second);

    server.Close();
    EXPECT_FALSE(M_GetPublishedHandle(SPV_HANDLE_NAME, published));
}

TEST(MsgChannel, SecondOwnerGetsItsOwnNames) {
    App();
    TCMsgServer first;
    ASSERT_TRUE(first.Open());
    const QString firstSession = M_SessionKey();
    const int h1 = M_CreateSharedText(SPV_JOB_TEXT_NAME, "first");
    TCMsgServer second;
    ASSERT_TRUE(second.Open());
    EXPECT_NE(firstSession, M_SessionKey());
    EXPECT_NE(first.Name(), second.Name());
    QString text;
    EXPECT_FALSE(M_ReadSharedText(SPV_JOB_TEXT_NAME, text));
    const int h2 = M_CreateSharedText(SPV_JOB_TEXT_NAME, "second");
    ASSERT_TRUE(M_ReadSharedText(SPV_JOB_TEXT_NAME, text));
    EXPECT_EQ("second", text);
    qputenv("GRAVIK_SESSION", firstSession.toLatin1());
    ASSERT_TRUE(M_ReadSharedText(SPV_JOB_TEXT_NAME, text));
    EXPECT_EQ("first", text);
    M_CloseSharedText(h1);
    M_CloseSharedText(h2);
}

TEST(MsgChannel, ClientFailsWithoutOwner) {
    qputenv("GRAVIK_SESSION", "nobody-here");
    TCMsgClient c;
    EXPECT_FALSE(c.Connect(0, 200));
    EXPECT_FALSE(c.Post(SPV_MSG_STATUS, 0, 0));
    std::int64_t r = 5;
    EXPECT_FALSE(c.Send(SPV_MSG_QUERYSTOP, 0, 0, r));
    EXPECT_EQ(5, r);
    qunsetenv("GRAVIK_SESSION");
}

// A worker whose owner is busy or not listening yet keeps trying as long as the owner lives,
// and gives up once it has ended.
TEST(MsgChannel, ClientWaitsWhileItsOwnerLives) {
    App();
    qputenv("GRAVIK_SESSION", "waiting-owner");
    TCMsgServer server;
    int asked = 0;
    // Nothing is published yet; the owner "comes" when the worker first asks about it.
    const auto ownerComes = [&] {
        ++asked;
        return server.IsOpen() || server.Open();
    };
    TCMsgClient c;
    EXPECT_TRUE(c.Connect(3, 200, ownerComes));
    EXPECT_EQ(1, asked);
    EXPECT_TRUE(c.IsConnected());
    EXPECT_TRUE(M_SessionOwnerAlive());
    c.Disconnect();
    server.Close();
    EXPECT_FALSE(M_SessionOwnerAlive());

    int gone = 0;
    EXPECT_FALSE(c.Connect(3, 200, [&] { return ++gone, false; }));
    EXPECT_EQ(1, gone);
    EXPECT_FALSE(c.Connect(3, 200));
    qunsetenv("GRAVIK_SESSION");
}
