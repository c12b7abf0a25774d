#include "core/file_name_check.h"

#include <QtTest>

Q_DECLARE_METATYPE(FileNameVerdict)

namespace {
const FileNameRule kDat{4, {QStringLiteral(".dat"), QStringLiteral(".DAT")}};
const FileNameRule kMenu{5, {QStringLiteral(".menu"), QStringLiteral(".MENU")}};
}  // namespace

class TestFileNameCheck : public QObject {
    Q_OBJECT
private slots:
    void datNames_data();
    void datNames();
    void menuChecksFiveCharacters();
    void joinPath_data();
    void joinPath();
};

void TestFileNameCheck::datNames_data()
{
    QTest::addColumn<QString>("box");
    QTest::addColumn<FileNameVerdict>("verdict");
    QTest::addColumn<QString>("name");
    QTest::newRow("the initial pattern has an asterisk") << "*.dat" << FileNameVerdict::BadCharacter << "*.dat";
    QTest::newRow("empty") << "" << FileNameVerdict::BadExtension << "";
    QTest::newRow("blanks only") << "   " << FileNameVerdict::BadExtension << "";
    QTest::newRow("one character") << "a" << FileNameVerdict::BadExtension << "a";
    QTest::newRow("three characters") << "dat" << FileNameVerdict::BadExtension << "dat";
    QTest::newRow("only the extension") << ".dat" << FileNameVerdict::Accepted << ".dat";
    QTest::newRow("lower case") << "radio.dat" << FileNameVerdict::Accepted << "radio.dat";
    QTest::newRow("upper case") << "RADIO.DAT" << FileNameVerdict::Accepted << "RADIO.DAT";
    QTest::newRow("mixed case fails") << "radio.Dat" << FileNameVerdict::BadExtension << "radio.Dat";
    QTest::newRow("blanks around are dropped") << "  radio.dat  " << FileNameVerdict::Accepted << "radio.dat";
    QTest::newRow("inner blank passes") << "my radio.dat" << FileNameVerdict::Accepted << "my radio.dat";
    QTest::newRow("colons and points pass") << "a:b.c.dat" << FileNameVerdict::Accepted << "a:b.c.dat";
    QTest::newRow("a slash is refused") << "dir/radio.dat" << FileNameVerdict::BadCharacter << "dir/radio.dat";
    QTest::newRow("a backslash is refused") << "dir\\radio.dat" << FileNameVerdict::BadCharacter << "dir\\radio.dat";
    QTest::newRow("a hash anywhere is refused") << "ra#dio.dat" << FileNameVerdict::BadCharacter << "ra#dio.dat";
    QTest::newRow("a dollar is refused") << "$.dat" << FileNameVerdict::BadCharacter << "$.dat";
    QTest::newRow("a blank inside the extension is trimmed")
        << "radio. dat" << FileNameVerdict::BadExtension << "radio. dat";
    QTest::newRow("another extension") << "radio.adj" << FileNameVerdict::BadExtension << "radio.adj";
}

void TestFileNameCheck::datNames()
{
    QFETCH(QString, box);
    QFETCH(FileNameVerdict, verdict);
    QFETCH(QString, name);
    const FileNameCheck check = CheckFileName(box, kDat);
    QCOMPARE(check.verdict, verdict);
    QCOMPARE(check.name, name);
}

void TestFileNameCheck::menuChecksFiveCharacters()
{
    QCOMPARE(CheckFileName(QStringLiteral("opt.menu"), kMenu).verdict, FileNameVerdict::Accepted);
    QCOMPARE(CheckFileName(QStringLiteral("opt.MENU"), kMenu).verdict, FileNameVerdict::Accepted);
    QCOMPARE(CheckFileName(QStringLiteral("opt.Menu"), kMenu).verdict, FileNameVerdict::BadExtension);
    QCOMPARE(CheckFileName(QStringLiteral("menu"), kMenu).verdict, FileNameVerdict::BadExtension);
    QCOMPARE(CheckFileName(QStringLiteral("opt.dat"), kMenu).verdict, FileNameVerdict::BadExtension);
}

void TestFileNameCheck::joinPath_data()
{
    QTest::addColumn<QString>("directory");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("path");
    QTest::newRow("plain") << "/home/user/data"
                           << "x.dat"
                           << "/home/user/data/x.dat";
    QTest::newRow("root is not doubled") << "/"
                                         << "x.dat"
                                         << "/x.dat";
    QTest::newRow("trailing separator is not doubled") << "/mnt/usb/"
                                                       << "x.dat"
                                                       << "/mnt/usb/x.dat";
}

void TestFileNameCheck::joinPath()
{
    QFETCH(QString, directory);
    QFETCH(QString, name);
    QFETCH(QString, path);
    QCOMPARE(JoinFilePath(directory, name), path);
}

QTEST_APPLESS_MAIN(TestFileNameCheck)
#include "tst_file_name_check.moc"
