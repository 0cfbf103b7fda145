// Installs the desktop component into a fresh prefix the way `cmake --install` does for a user,
// then reads it back as a desktop would: the entries validate, the SEG-Y type is known by its
// extensions, and the viewer is the program registered for it.
#include <QDir>
#include <QFile>
#include <QMimeDatabase>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

struct Outcome {
    int exitCode = -1;
    QString output;
};

Outcome run(const QString& program, const QStringList& args) {
    QProcess p;
    p.setProcessChannelMode(QProcess::MergedChannels);
    p.start(program, args);
    Outcome r;
    if (!p.waitForStarted() || !p.waitForFinished(-1)) {
        r.output = program + QStringLiteral(": ") + p.errorString();
        return r;
    }
    r.exitCode = p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1;
    r.output = QString::fromLocal8Bit(p.readAll());
    return r;
}

QString readText(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? QString::fromUtf8(f.readAll()) : QString();
}

class DesktopInstall : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        prefix = new QTemporaryDir;
        qunsetenv("DESTDIR");
        const Outcome install = run(CMAKE_COMMAND, {"--install", GRAVIK_BUILD_DIR, "--prefix",
                                                    prefix->path(), "--component", "desktop"});
        ASSERT_EQ(install.exitCode, 0) << install.output.toStdString();
    }
    static void TearDownTestSuite() {
        delete prefix;
        prefix = nullptr;
    }
    static QString installed(const QString& relative) { return prefix->filePath(relative); }

    static QTemporaryDir* prefix;
};

QTemporaryDir* DesktopInstall::prefix = nullptr;

} // namespace

TEST_F(DesktopInstall, LaysOutEntriesIconsAndTheFileType) {
    for (const char* file :
         {"share/applications/traceview.desktop", "share/applications/batchedit.desktop",
          "share/icons/hicolor/scalable/apps/gravik-traceview.svg",
          "share/icons/hicolor/scalable/apps/gravik-batchedit.svg",
          "share/icons/hicolor/scalable/mimetypes/application-x-segy.svg",
          "share/mime/packages/gravik-segy.xml"})
        EXPECT_TRUE(QFile::exists(installed(file))) << file;
}

TEST_F(DesktopInstall, EntriesStartTheInstalledProgramsAndValidate) {
    const QString bin = installed("bin");
    const struct {
        const char* entry;
        QString exec;
    } cases[] = {
        {"traceview.desktop", QStringLiteral("Exec=\"%1/traceview\" %f").arg(bin)},
        {"batchedit.desktop", QStringLiteral("Exec=\"%1/batchedit\"").arg(bin)},
    };
    for (const auto& c : cases) {
        const QString path = installed(QStringLiteral("share/applications/") + c.entry);
        const QStringList lines = readText(path).split('\n');
        EXPECT_TRUE(lines.contains(c.exec)) << c.entry;
        EXPECT_TRUE(lines.filter(QRegularExpression("^TryExec=" + bin + "/")).size() == 1)
            << c.entry;
        const Outcome check = run("desktop-file-validate", {path});
        EXPECT_EQ(check.exitCode, 0) << c.entry << ": " << check.output.toStdString();
        EXPECT_TRUE(check.output.isEmpty()) << check.output.toStdString();
    }
    EXPECT_TRUE(readText(installed("share/applications/traceview.desktop"))
                    .contains("\nMimeType=application/x-segy;\n"));
}

TEST_F(DesktopInstall, SegyFilesOpenInTheViewer) {
    const QString cache = readText(installed("share/applications/mimeinfo.cache"));
    EXPECT_TRUE(cache.contains("\napplication/x-segy=traceview.desktop;")) << cache.toStdString();

    // A desktop finds the type through XDG_DATA_DIRS; Qt reads it on first use.
    qputenv("XDG_DATA_DIRS", (installed("share") + ":/usr/share").toLocal8Bit());
    const QMimeDatabase types;
    const struct {
        const char* name;
        bool segy;
    } cases[] = {{"shot.sgy", true},   {"SHOT.SGY", true}, {"line 12.segy", true}, {"a.SEGY", true},
                 {"a.sgy.txt", false}, {"a.sgyx", false},  {"segy", false}};
    for (const auto& c : cases) {
        const QMimeType type = types.mimeTypeForFile(c.name, QMimeDatabase::MatchExtension);
        EXPECT_EQ(type.name() == "application/x-segy", c.segy)
            << c.name << " " << type.name().toStdString();
    }
    const QMimeType segy = types.mimeTypeForName("application/x-segy");
    ASSERT_TRUE(segy.isValid());
    EXPECT_TRUE(segy.inherits("application/octet-stream"));
}
