#include "uikit/opendoc.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

// Sets an environment variable for one test and restores what was there.
class EnvValue {
public:
    EnvValue(const char* name, const QByteArray& value)
        : name_(name), had_(qEnvironmentVariableIsSet(name)), old_(qgetenv(name)) {
        if (value.isNull())
            qunsetenv(name);
        else
            qputenv(name, value);
    }
    ~EnvValue() {
        if (had_)
            qputenv(name_, old_);
        else
            qunsetenv(name_);
    }

private:
    const char* name_;
    bool had_;
    QByteArray old_;
};

} // namespace

TEST(OpenDoc, LogsThePathsInsteadOfOpeningWhenAskedTo) {
    QTemporaryDir dir;
    const QString log = dir.filePath("opened.log");
    EnvValue logVar("GRAVIK_OPEN_LOG", log.toLocal8Bit());

    EXPECT_TRUE(F_OpenAsciiDoc("/tmp/заголовок.txt"));
    EXPECT_TRUE(F_OpenRegistDoc("/tmp/preview.png"));

    QFile file(log);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(QString::fromUtf8(file.readAll()), "/tmp/заголовок.txt\n/tmp/preview.png\n");
}

TEST(OpenDoc, ReportsFailures) {
    QTemporaryDir dir;
    {
        EnvValue logVar("GRAVIK_OPEN_LOG", dir.filePath("no/such/folder/opened.log").toLocal8Bit());
        EXPECT_FALSE(F_OpenAsciiDoc("/tmp/a.txt"));
    }
    EnvValue noLog("GRAVIK_OPEN_LOG", QByteArray());
    EXPECT_FALSE(F_OpenAsciiDoc(dir.filePath("missing.txt")));
    EXPECT_FALSE(F_OpenRegistDoc(dir.filePath("missing.png")));
    EXPECT_FALSE(F_OpenRegistDoc(dir.path()));
}
