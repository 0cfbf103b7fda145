// The header inspector through its exported entry and the real dialog, on generated files.
#include "hdrpeek/hdrpeek.h"

#include "trcfile/segyfields.h"
#include "trcfile/tcsegyreaderex.h"
#include "uikit/screenshot.h"

#include <QApplication>
#include <QDialog>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QTreeWidget>
#include <functional>
#include <gtest/gtest.h>

namespace {

// A SEG-Y file described by its binary header words; traces of 240 header bytes and `samples`
// zero samples of `sampleSize` bytes, then `tail` stray bytes.
struct FileLayout {
    bool big = true;
    int interval = 2000;
    int samples = 50;
    int format = 1;
    int sampleSize = 4;
    int revision = 0x0100;
    int fixedLength = 1;
    int traces = 10;
    int tail = 0;
};

QByteArray segyBytes(const FileLayout& s) {
    QByteArray bytes(trc::kFileHeaderBytes, '\0');
    unsigned char* bin = reinterpret_cast<unsigned char*>(bytes.data()) + trc::kTextHeaderBytes;
    const auto set = [&](int index, int value) {
        TCSegyReaderEx::SetWord(bin, 'B', index, value, s.big);
    };
    set(trc::bf::kSampleInterval, s.interval);
    set(trc::bf::kSamples, s.samples);
    set(trc::bf::kFormat, s.format);
    set(trc::bf::kRevision, s.revision);
    set(trc::bf::kFixedLength, s.fixedLength);
    set(trc::bf::kExtTextHeaders, 0);
    for (int t = 0; t < s.traces; ++t) {
        QByteArray trace(trc::kTraceHeaderBytes + s.samples * s.sampleSize, '\0');
        unsigned char* hdr = reinterpret_cast<unsigned char*>(trace.data());
        TCSegyReaderEx::SetWord(hdr, 'T', trc::tf::kSampleCount, s.samples, s.big);
        TCSegyReaderEx::SetWord(hdr, 'T', trc::tf::kSampleInterval, s.interval, s.big);
        bytes += trace;
    }
    return bytes + QByteArray(s.tail, '\0');
}

// What the dialog shows, read back from its controls.
struct Shown {
    QString result;
    QColor colour;
    QList<QStringList> rows;
};

class HeaderInspector : public ::testing::Test {
protected:
    QString write(const QString& name, const QByteArray& bytes) {
        const QString path = dir.filePath(name);
        QFile f(path);
        EXPECT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(bytes);
        return path;
    }

    static QDialog* dialog() { return qobject_cast<QDialog*>(QApplication::activeModalWidget()); }

    static Shown shown(QDialog* d) {
        Shown s;
        const auto* result = d->findChild<QLabel*>("p_lblResult");
        s.result = result->text();
        s.colour = result->palette().color(QPalette::WindowText);
        const auto* list = d->findChild<QTreeWidget*>("p_lvKeys");
        for (int i = 0; i < list->topLevelItemCount(); ++i) {
            const QTreeWidgetItem* item = list->topLevelItem(i);
            s.rows << QStringList{item->text(0), item->text(1), item->text(2)};
        }
        return s;
    }

    // Waits for the read that follows showing the dialog (or a mode click).
    static Shown afterRead(QDialog* d) {
        auto* result = d->findChild<QLabel*>("p_lblResult");
        const QString before = result->text();
        result->setText(QString());
        EXPECT_TRUE(QTest::qWaitFor([&] { return !result->text().isEmpty(); }))
            << "no read after " << before.toStdString();
        return shown(d);
    }

    // Opens the dialog through the exported entry and runs `check` on it once it is up; the
    // dialog is closed afterwards.
    static void inspect(WId owner, const QString& fileName,
                        const std::function<void(QDialog*)>& check) {
        bool ran = false;
        QTimer::singleShot(0, [&] {
            QDialog* d = dialog();
            if (!d) {
                ADD_FAILURE() << "no dialog";
                return;
            }
            ran = true;
            check(d);
            d->reject();
        });
        if (fileName.isNull())
            ReadDisplayFileHeader(owner);
        else
            ReadDisplayFileHeader(owner, fileName);
        EXPECT_TRUE(ran);
    }

    QTemporaryDir dir;
};

const QColor kDarkRed(128, 0, 0);
const QString kNoTraceCount = QStringLiteral(
    ". Число трасс корректно не определяется: нулевое, или дробное, или слишком большое.");

} // namespace

TEST_F(HeaderInspector, BigEndianFileFailsAsVariant0AndReadsAsVariant1AtOnce) {
    const QString path = write("big.sgy", segyBytes(FileLayout{}));
    inspect(0, path, [&](QDialog* d) {
        EXPECT_EQ(d->windowTitle(), "Пробное чтение заголовка SEG-Y файла");
        // The read is posted: nothing is shown before the event loop runs it.
        EXPECT_TRUE(shown(d).result.isEmpty());
        EXPECT_TRUE(shown(d).rows.isEmpty());
        EXPECT_TRUE(d->findChild<QRadioButton*>("p_rbnPC")->isChecked());

        Shown s = afterRead(d);
        // Read little-endian, the format code 1 becomes 256 and the fixed-length flag 256.
        EXPECT_EQ(s.result, "Ошибочный заголовок файла. Следующие слова недействительны: 10, 29" +
                                kNoTraceCount);
        EXPECT_EQ(s.colour, kDarkRed);
        ASSERT_EQ(s.rows.size(), 6);
        EXPECT_EQ(s.rows[2], QStringList({"10", "256", "Код формата отсчета"}));
        SaveScreenshot(d, "hdrpeek_failing");

        QTest::mouseClick(d->findChild<QRadioButton*>("p_rbnTrue"), Qt::LeftButton);
        s = afterRead(d);
        EXPECT_EQ(s.result, "Файл открыт и заголовок прочтен успешно. Число трасс в файле - 10.");
        EXPECT_EQ(s.colour, d->palette().color(QPalette::WindowText));
        const QList<QStringList> rows{
            {"6", "2000", "Интервал дискретизации"},
            {"8", "50", "Число отсчетов в трассе"},
            {"10", "1", "Код формата отсчета"},
            {"28", "256", "Версия Стандарта SEG-Y, использованная в файле"},
            {"29", "1", "Флаг постоянной длины трасс"},
            {"30", "0", "Число дополнительных текстовых блоков"},
        };
        EXPECT_EQ(s.rows, rows);
        SaveScreenshot(d, "hdrpeek_success");
    });
}

TEST_F(HeaderInspector, FailuresWithoutHeaderShowOnlyTheTextInDarkRed) {
    const struct {
        const char* what;
        QString path;
        QString text;
    } cases[] = {
        {"hdrpeek_too_small", write("short.sgy", QByteArray(3599, ' ')),
         "Ошибка чтения: файл слишком мал для SEG-Y файла."},
        {"hdrpeek_missing", dir.filePath("missing.sgy"),
         "Ошибка открытия или чтения файла уровня ОС. Возможно, файл не найден."},
    };
    for (const auto& c : cases) {
        inspect(0, c.path, [&](QDialog* d) {
            const Shown s = afterRead(d);
            EXPECT_EQ(s.result, c.text) << c.what;
            EXPECT_EQ(s.colour, kDarkRed) << c.what;
            EXPECT_TRUE(s.rows.isEmpty()) << c.what;
            SaveScreenshot(d, c.what);
        });
    }
}

TEST_F(HeaderInspector, BadHeadersNameTheWordsAndTheTraceCount) {
    FileLayout cut;
    cut.big = false;
    cut.tail = 7;
    FileLayout words;
    words.big = false;
    words.format = 99;
    words.samples = 0;
    FileLayout noInterval;
    noInterval.big = false;
    noInterval.interval = 0;
    const struct {
        const char* what;
        FileLayout layout;
        QString text;
    } cases[] = {
        {"7 stray bytes after the traces", cut, "Ошибочный заголовок файла" + kNoTraceCount},
        {"format and sample count", words,
         "Ошибочный заголовок файла. Следующие слова недействительны: 8, 10" + kNoTraceCount},
        {"interval 0, the rest gives a trace count", noInterval,
         "Ошибочный заголовок файла. Следующие слова недействительны: 6. Число трасс - 10"},
    };
    for (const auto& c : cases) {
        const QString path = write("bad.sgy", segyBytes(c.layout));
        inspect(0, path, [&](QDialog* d) {
            const Shown s = afterRead(d);
            EXPECT_EQ(s.result, c.text) << c.what;
            EXPECT_EQ(s.colour, kDarkRed) << c.what;
            EXPECT_EQ(s.rows.size(), 6) << c.what;
        });
    }
}

TEST_F(HeaderInspector, WithoutAFileNameNothingIsRead) {
    inspect(0, QString(), [&](QDialog* d) {
        QCoreApplication::processEvents();
        QCoreApplication::processEvents();
        EXPECT_TRUE(shown(d).result.isEmpty());
        EXPECT_TRUE(shown(d).rows.isEmpty());
        EXPECT_TRUE(d->findChild<QLineEdit*>("p_edFile")->text().isEmpty());
        SaveScreenshot(d, "hdrpeek_empty");

        // Neither the file box nor the list keeps the focus (and with it a caret).
        for (const char* name : {"p_edFile", "p_lvKeys"}) {
            d->findChild<QWidget*>(name)->setFocus();
            EXPECT_EQ(QApplication::focusWidget(), d->findChild<QWidget*>("p_pnlFile")) << name;
        }

        // A mode click without a file reads nothing useful and says so.
        QTest::mouseClick(d->findChild<QRadioButton*>("p_rbnTrue"), Qt::LeftButton);
        EXPECT_EQ(afterRead(d).result,
                  "Ошибка открытия или чтения файла уровня ОС. Возможно, файл не найден.");
    });
}

TEST_F(HeaderInspector, FileBoxShortensTheTextAndHintsTheFullPath) {
    const QString deep = dir.filePath(QString("очень длинное имя папки/").repeated(6));
    ASSERT_TRUE(QDir().mkpath(deep));
    const QString path = write(QString("очень длинное имя папки/").repeated(6) + "line.sgy",
                               segyBytes(FileLayout{}));
    inspect(0, path, [&](QDialog* d) {
        const auto* box = d->findChild<QLineEdit*>("p_edFile");
        EXPECT_EQ(box->toolTip(), path);
        EXPECT_NE(box->text(), path);
        EXPECT_TRUE(box->text().endsWith("line.sgy")) << box->text().toStdString();
        EXPECT_LE(box->fontMetrics().horizontalAdvance(box->text()), box->width());
        afterRead(d);
    });
}

TEST_F(HeaderInspector, CentredOverItsOwner) {
    QWidget owner;
    owner.setGeometry(40, 60, 900, 700);
    owner.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&owner));
    inspect(owner.winId(), QString(), [&](QDialog* d) {
        // Placed before it has a frame, the dialog may sit off by its frame margins.
        const QPoint off = d->frameGeometry().center() - owner.frameGeometry().center();
        EXPECT_LE(off.manhattanLength(), 8) << off.x() << "," << off.y();
    });
}
