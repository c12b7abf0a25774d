#include "core/dat_file.h"

#include "support/image_bytes.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QtTest>

#include <csignal>
#include <memory>
#include <sys/resource.h>
#include <sys/stat.h>

namespace {

QByteArray ReadAll(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return file.readAll();
}

bool WriteAll(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

QByteArray GoldenText()
{
    return ReadAll(QStringLiteral(RADIO_TEST_DATA_DIR "/startup_image.dat"));
}

// The image the golden file holds, as the reader sees it.
MemoryImage GoldenImage()
{
    MemoryImage image;
    if (!ReadDatText(GoldenText(), image).ok())
        qFatal("The golden image file does not load");
    return image;
}

// An image in which every column holds every byte value 0..255 somewhere.
MemoryImage EveryValueImage(int shift)
{
    MemoryImage image;
    for (int r = 0; r < kImageRows; ++r) {
        for (int c = 0; c < kRowBytes; ++c)
            image(r, c) = static_cast<std::int16_t>((r + 17 * c + shift) % 256);
    }
    return image;
}

// The numbers of a file in order.
QList<QByteArray> Numbers(const QByteArray& text)
{
    QByteArray spaced = text;
    for (char& c : spaced) {
        if (c == '\r' || c == '\n' || c == ',' || c == '\t')
            c = ' ';
    }
    QList<QByteArray> numbers = spaced.split(' ');
    numbers.removeAll(QByteArray());
    return numbers;
}

QByteArray Joined(const QList<QByteArray>& numbers, const QByteArray& separator)
{
    return numbers.join(separator);
}

// The golden file with field index i (0-based) replaced by text.
QByteArray WithField(int index, const QByteArray& text)
{
    QList<QByteArray> numbers = Numbers(GoldenText());
    numbers[index] = text;
    return Joined(numbers, " ");
}

int ByteField(int row, int col)
{
    return row * kDatFieldsPerLine + kDatRowFields + col;
}

void ExpectLoadFailure(const DatResult& result)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.error->text, DatTexts::LoadFailed);
    QCOMPARE(result.error->title, Titles::OperatePromptLower);
    QCOMPARE(result.error->icon, MessageIcon::Exclamation);
}

void ExpectSaveFailure(const DatResult& result)
{
    QVERIFY(!result.ok());
    QCOMPARE(result.error->text, DatTexts::SaveFailed);
    QCOMPARE(result.error->title, Titles::OperatePromptLower);
}

void IgnoreLoadWarning()
{
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("^Cannot load the image file ")));
}

void IgnoreSaveWarning()
{
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("^Cannot save the image file ")));
}

}  // namespace

class TestDatFile : public QObject {
    Q_OBJECT
private slots:
    void init();
    void lineFormat();
    void negativeValueTakesTheSignPosition();
    void fileHas1025LinesEndingInCrLf();
    void saveThenLoadGivesBackEveryByte_data();
    void saveThenLoadGivesBackEveryByte();
    void saveReplacesAnExistingFile();
    void sameNumbersInAnotherLayoutLoadTheSame_data();
    void sameNumbersInAnotherLayoutLoadTheSame();
    void readerTakesTheFileInPiecesOfAnySize();
    void malformedFileLeavesTheImageUnchanged_data();
    void malformedFileLeavesTheImageUnchanged();
    void fileThatCannotBeReadLeavesTheImageUnchanged_data();
    void fileThatCannotBeReadLeavesTheImageUnchanged();
    void failedSaveIsReported_data();
    void failedSaveIsReported();
    void saveThatFailsHalfWayKeepsTheOldFile();

private:
    // A fresh directory for every test function.
    std::unique_ptr<QTemporaryDir> dir_;
    QString path(const QString& name) const { return dir_->filePath(name); }
    QStringList filesLeft() const { return QDir(dir_->path()).entryList(QDir::Files); }
};

void TestDatFile::init()
{
    dir_ = std::make_unique<QTemporaryDir>();
    QVERIFY(dir_->isValid());
}

void TestDatFile::lineFormat()
{
    const MemoryImage image;  // every byte 0xFF
    const QByteArray line = DatLine(image, 17);
    QByteArray expected = " 1  1  17 ";
    for (int i = 0; i < 16; ++i)
        expected += " 255 ";
    expected += "\r\n";
    QCOMPARE(line, expected);
    QCOMPARE(line.size(), 92);
    QCOMPARE(DatLine(EveryValueImage(0), 0), QByteArray(" 0  0  0  0  17  34  51  68  85  102  119  136  153  170 "
                                                        " 187  204  221  238  255 \r\n"));
    QVERIFY(DatLine(image, 1024).startsWith(" 64  0  1024 "));
}

void TestDatFile::negativeValueTakesTheSignPosition()
{
    MemoryImage image;
    image(2, 0) = -5;
    QVERIFY(DatLine(image, 2).startsWith(" 0  2  2 -5  255 "));
}

void TestDatFile::fileHas1025LinesEndingInCrLf()
{
    const QByteArray text = DatFileText(EveryValueImage(3));
    QCOMPARE(text.count("\r\n"), kImageRows);
    QCOMPARE(text.count('\n'), kImageRows);
    QCOMPARE(text.count('\r'), kImageRows);
    QVERIFY(text.endsWith(" \r\n"));
    QCOMPARE(Numbers(text).size(), kDatFields);
}

void TestDatFile::saveThenLoadGivesBackEveryByte_data()
{
    QTest::addColumn<int>("shift");
    QTest::newRow("every value in every column") << 0;
    QTest::newRow("shifted by one") << 1;
    QTest::newRow("shifted by 255") << 255;
}

void TestDatFile::saveThenLoadGivesBackEveryByte()
{
    QFETCH(int, shift);
    const MemoryImage saved = EveryValueImage(shift);
    const QString file = path(QStringLiteral("every.dat"));
    QVERIFY(SaveDatFile(file, saved).ok());
    MemoryImage loaded = FilledImage(0);
    QVERIFY(LoadDatFile(file, loaded).ok());
    QVERIFY(loaded == saved);
    QCOMPARE(ReadAll(file), DatFileText(saved));
}

void TestDatFile::saveReplacesAnExistingFile()
{
    const QString file = path(QStringLiteral("old.dat"));
    QVERIFY(WriteAll(file, QByteArray(200000, 'x')));
    QVERIFY(SaveDatFile(file, GoldenImage()).ok());
    QCOMPARE(ReadAll(file), GoldenText());
}

void TestDatFile::sameNumbersInAnotherLayoutLoadTheSame_data()
{
    const QList<QByteArray> numbers = Numbers(GoldenText());
    QTest::addColumn<QByteArray>("text");
    QTest::newRow("one number per line, LF") << Joined(numbers, "\n");
    QTest::newRow("commas") << Joined(numbers, ",");
    QTest::newRow("all on one line, no line end at the end") << Joined(numbers, " ");
    QTest::newRow("tabs, blank runs and mixed line ends") << Joined(numbers, " \t ,\r\n  \r") + "\n\n";
    QByteArray broken;
    for (int i = 0; i < numbers.size(); ++i)
        broken += numbers[i] + (i % 7 == 6 ? "\r\n" : i % 5 == 4 ? "\n" : "  ");
    QTest::newRow("lines broken at other places") << broken;
    QList<QByteArray> wrongRows = numbers;
    for (int r = 0; r < kImageRows; ++r) {
        wrongRows[r * kDatFieldsPerLine] = "-7";
        wrongRows[r * kDatFieldsPerLine + 1] = "99999999999999999999";
        wrongRows[r * kDatFieldsPerLine + 2] = "+3";
    }
    QTest::newRow("first three fields of each row wrong") << Joined(wrongRows, " ");
    QList<QByteArray> padded = numbers;
    for (QByteArray& n : padded)
        n = "+00" + n;
    QTest::newRow("leading zeros and plus signs") << Joined(padded, " ");
    QTest::newRow("more than 19,475 fields, the rest ignored")
        << GoldenText() + " 1 2 3 999 -1 abc \x01\x02 this is not a number";
}

void TestDatFile::sameNumbersInAnotherLayoutLoadTheSame()
{
    QFETCH(QByteArray, text);
    const QString file = path(QStringLiteral("layout.dat"));
    QVERIFY(WriteAll(file, text));
    MemoryImage loaded = FilledImage(0);
    QVERIFY(LoadDatFile(file, loaded).ok());
    QVERIFY(loaded == GoldenImage());
}

void TestDatFile::readerTakesTheFileInPiecesOfAnySize()
{
    const QByteArray text = GoldenText();
    for (int piece : {1, 2, 3, 7, 92, 4096}) {
        DatReader reader;
        for (int at = 0; at < text.size() && !reader.done(); at += piece)
            reader.feed(QByteArrayView(text).sliced(at, qMin(piece, int(text.size()) - at)));
        reader.finish();
        QVERIFY2(reader.done(), qPrintable(reader.problem()));
        QVERIFY(reader.image() == GoldenImage());
    }
}

void TestDatFile::malformedFileLeavesTheImageUnchanged_data()
{
    const QByteArray golden = GoldenText();
    QTest::addColumn<QByteArray>("text");
    QTest::newRow("empty") << QByteArray();
    QTest::newRow("only blanks and line ends") << QByteArray(" \r\n \n,, \t");
    QTest::newRow("truncated by one field") << golden.left(golden.lastIndexOf(" 255 "));
    QTest::newRow("truncated half way") << golden.left(golden.size() / 2);
    QTest::newRow("non-numeric byte field") << WithField(ByteField(500, 3), "abc");
    QTest::newRow("digits followed by a letter") << WithField(ByteField(10, 0), "12a");
    QTest::newRow("a decimal point") << WithField(ByteField(10, 0), "1.5");
    QTest::newRow("256 in a byte field") << WithField(ByteField(0, 0), "256");
    QTest::newRow("-1 in a byte field") << WithField(ByteField(1024, 15), "-1");
    QTest::newRow("a number past 16 bits") << WithField(ByteField(7, 7), "99999999999");
    QTest::newRow("a sign alone") << WithField(ByteField(7, 7), "-");
    QTest::newRow("a sign inside a number") << WithField(ByteField(7, 7), "1-2");
    QTest::newRow("non-numeric row field") << WithField(0, "x");
    QTest::newRow("a NUL byte") << WithField(ByteField(3, 3), QByteArray("1\0", 2));
    QTest::newRow("a byte that is no ASCII") << WithField(ByteField(3, 3), "\xE2\x80\x83");
}

void TestDatFile::malformedFileLeavesTheImageUnchanged()
{
    QFETCH(QByteArray, text);
    const MemoryImage before = EveryValueImage(9);
    MemoryImage image = before;
    ExpectLoadFailure(ReadDatText(text, image));
    QVERIFY(image == before);

    const QString file = path(QStringLiteral("bad.dat"));
    QVERIFY(WriteAll(file, text));
    IgnoreLoadWarning();
    ExpectLoadFailure(LoadDatFile(file, image));
    QVERIFY(image == before);
}

void TestDatFile::fileThatCannotBeReadLeavesTheImageUnchanged_data()
{
    QTest::addColumn<QString>("name");
    QTest::newRow("missing file") << "missing.dat";
    QTest::newRow("a directory") << "folder.dat";
    QTest::newRow("an empty path") << "";
    // Opening a pipe waits for a writer that never comes: the load hung.
    QTest::newRow("a named pipe, not a hang") << "pipe.dat";
}

void TestDatFile::fileThatCannotBeReadLeavesTheImageUnchanged()
{
    QFETCH(QString, name);
    QVERIFY(QDir(dir_->path()).mkpath(QStringLiteral("folder.dat")));
    QCOMPARE(mkfifo(qPrintable(path(QStringLiteral("pipe.dat"))), 0600), 0);
    const MemoryImage before = EveryValueImage(5);
    MemoryImage image = before;
    IgnoreLoadWarning();
    ExpectLoadFailure(LoadDatFile(name.isEmpty() ? QString() : path(name), image));
    QVERIFY(image == before);
}

void TestDatFile::failedSaveIsReported_data()
{
    QTest::addColumn<QString>("name");
    QTest::newRow("missing directory") << "no/such/dir/x.dat";
    QTest::newRow("an existing directory") << "folder.dat";
    QTest::newRow("a file used as directory") << "plain.dat/x.dat";
    QTest::newRow("an empty path") << "";
}

void TestDatFile::failedSaveIsReported()
{
    QFETCH(QString, name);
    QVERIFY(QDir(dir_->path()).mkpath(QStringLiteral("folder.dat")));
    QVERIFY(WriteAll(path(QStringLiteral("plain.dat")), "old"));
    IgnoreSaveWarning();
    ExpectSaveFailure(SaveDatFile(name.isEmpty() ? QString() : path(name), GoldenImage()));
    QVERIFY(QFileInfo(path(QStringLiteral("folder.dat"))).isDir());
    QCOMPARE(ReadAll(path(QStringLiteral("plain.dat"))), QByteArray("old"));
    QCOMPARE(filesLeft(), QStringList{QStringLiteral("plain.dat")});
}

void TestDatFile::saveThatFailsHalfWayKeepsTheOldFile()
{
    const QString file = path(QStringLiteral("kept.dat"));
    const QByteArray old = DatFileText(EveryValueImage(1));
    QVERIFY(WriteAll(file, old));

    // Let the disk refuse anything past 4 KiB, as a full disk would.
    rlimit saved{};
    QCOMPARE(getrlimit(RLIMIT_FSIZE, &saved), 0);
    rlimit small = saved;
    small.rlim_cur = 4096;
    const auto previousHandler = std::signal(SIGXFSZ, SIG_IGN);
    QCOMPARE(setrlimit(RLIMIT_FSIZE, &small), 0);
    IgnoreSaveWarning();
    const DatResult result = SaveDatFile(file, GoldenImage());
    setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, previousHandler);

    ExpectSaveFailure(result);
    QCOMPARE(ReadAll(file), old);
    QCOMPARE(filesLeft(), QStringList{QStringLiteral("kept.dat")});
}

QTEST_GUILESS_MAIN(TestDatFile)
#include "tst_dat_file.moc"
