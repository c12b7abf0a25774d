#include "platform/file_browser.h"

#include <QTemporaryDir>
#include <QtTest>

namespace {
void Touch(const QString& path)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
}
}  // namespace

class TestFileBrowser : public QObject {
    Q_OBJECT
private slots:
    void init();
    void drivesStartWithTheRoot();
    void driveOfAPathIsItsLongestMountRoot();
    void filesMatchThePatternWithoutRegardToCase();
    void aClickTellsTheBareName();
    void aChoiceByKeyboardTellsTheNameToo();
    void settingThePathRunsTheChangeHandlerOnce();
    void activatingAnEntryEntersIt();
    void neverChangesTheCurrentDirectory();

private:
    QTemporaryDir dir_;
};

void TestFileBrowser::init()
{
    QVERIFY(dir_.isValid());
    Touch(dir_.filePath("a.dat"));
    Touch(dir_.filePath("B.DAT"));
    Touch(dir_.filePath("c.txt"));
    Touch(dir_.filePath("d.dat.bak"));
    QDir(dir_.path()).mkdir("sub");
}

void TestFileBrowser::drivesStartWithTheRoot()
{
    const QStringList roots = DriveList::mountRoots();
    QVERIFY(!roots.isEmpty());
    QCOMPARE(roots.first(), QStringLiteral("/"));
    QCOMPARE(roots.count(QStringLiteral("/")), 1);
}

void TestFileBrowser::driveOfAPathIsItsLongestMountRoot()
{
    DriveList drives;
    drives.setDriveOf(QStringLiteral("/"));
    QCOMPARE(drives.drive(), QStringLiteral("/"));
    drives.setDriveOf(dir_.path());
    QVERIFY(dir_.path().startsWith(drives.drive()));
}

void TestFileBrowser::filesMatchThePatternWithoutRegardToCase()
{
    FileList files;
    files.setPattern(QStringLiteral("*.dat"));
    files.setPath(dir_.path());
    QCOMPARE(files.fileNames(), (QStringList{"a.dat", "B.DAT"}));
    files.setPattern(QStringLiteral("*.txt"));
    QCOMPARE(files.fileNames(), (QStringList{"c.txt"}));
}

void TestFileBrowser::aClickTellsTheBareName()
{
    FileList files;
    files.setPattern(QStringLiteral("*.dat"));
    files.setPath(dir_.path());
    QString clicked;
    files.onClick = [&](const QString& name) { clicked = name; };
    files.show();
    const QRect rect = files.visualItemRect(files.item(1));
    QTest::mouseClick(files.viewport(), Qt::LeftButton, {}, rect.center());
    QCOMPARE(clicked, QStringLiteral("B.DAT"));
}

void TestFileBrowser::aChoiceByKeyboardTellsTheNameToo()
{
    FileList files;
    files.setPattern(QStringLiteral("*.dat"));
    files.setPath(dir_.path());
    QStringList told;
    files.onClick = [&](const QString& name) { told << name; };
    files.show();
    files.setFocus();
    QTest::keyClick(&files, Qt::Key_Down);
    QTest::keyClick(&files, Qt::Key_Down);
    QCOMPARE(told, (QStringList{"a.dat", "B.DAT"}));
    // Filling the list again is no choice.
    files.setPath(dir_.path());
    QCOMPARE(told.size(), 2);
    // Tabbing in leaves the focus frame on the first file, not chosen: the
    // space bar chooses it.
    files.setCurrentRow(0, QItemSelectionModel::NoUpdate);
    QTest::keyClick(&files, Qt::Key_Space);
    QCOMPARE(told, (QStringList{"a.dat", "B.DAT", "a.dat"}));
}

void TestFileBrowser::settingThePathRunsTheChangeHandlerOnce()
{
    DirList dirs;
    int changes = 0;
    dirs.onChange = [&] { ++changes; };
    dirs.setPath(dir_.path());
    QCOMPARE(changes, 1);
    dirs.setPath(dir_.path());
    QCOMPARE(changes, 1);
    QCOMPARE(dirs.path(), QDir::cleanPath(dir_.path()));
}

void TestFileBrowser::activatingAnEntryEntersIt()
{
    DirList dirs;
    dirs.setPath(dir_.path());
    QListWidgetItem* sub = dirs.findItems(QStringLiteral("sub"), Qt::MatchEndsWith).value(0);
    QVERIFY(sub != nullptr);
    QString seen;
    dirs.onChange = [&] { seen = dirs.path(); };
    emit dirs.itemActivated(sub);
    QCOMPARE(seen, QDir(dir_.path()).filePath("sub"));
    // The first entry is always the root.
    QCOMPARE(dirs.item(0)->text(), QStringLiteral("/"));
}

void TestFileBrowser::neverChangesTheCurrentDirectory()
{
    const QString before = QDir::currentPath();
    DirList dirs;
    dirs.setPath(dir_.path());
    FileList files;
    files.setPath(dirs.path());
    QCOMPARE(QDir::currentPath(), before);
}

QTEST_MAIN(TestFileBrowser)
#include "tst_file_browser.moc"
