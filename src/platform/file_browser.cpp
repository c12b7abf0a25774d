#include "platform/file_browser.h"

#include "platform/kit_fit.h"

#include <QDir>
#include <QFontMetricsF>
#include <QStorageInfo>

namespace {
constexpr int kPathRole = Qt::UserRole + 1;

// A list without a label is read by screen readers under the text it shows
// as chosen: its current entry, without the blanks that indent it.
void NameAfterCurrentItem(QListWidget* list)
{
    QObject::connect(list, &QListWidget::currentItemChanged, list, [list](QListWidgetItem* current) {
        list->setAccessibleName(current != nullptr ? current->text().trimmed() : QString());
    });
}
}  // namespace

DriveList::DriveList(QWidget* parent)
    : QComboBox(parent)
{
    addItems(mountRoots());
    connect(this, &QComboBox::currentIndexChanged, this, [this] {
        if (onChange)
            onChange();
    });
}

QStringList DriveList::mountRoots()
{
    QStringList roots;
    for (const QStorageInfo& volume : QStorageInfo::mountedVolumes()) {
        if (volume.isValid() && volume.isReady() && !roots.contains(volume.rootPath()))
            roots << volume.rootPath();
    }
    roots.removeAll(QStringLiteral("/"));
    roots.sort();
    roots.prepend(QStringLiteral("/"));
    return roots;
}

int DriveList::fitWidth() const
{
    const QFontMetricsF metrics(font());
    int widest = 0;
    for (int i = 0; i < count(); ++i)
        widest = qMax(widest, TextWidth(metrics, itemText(i)));
    return ComboWidthFor(*this, widest);
}

void DriveList::setDriveOf(const QString& path)
{
    int best = 0;
    qsizetype bestLength = 0;
    for (int i = 0; i < count(); ++i) {
        const QString root = itemText(i);
        const bool inside =
            path == root || path.startsWith(root.endsWith(QLatin1Char('/')) ? root : root + QLatin1Char('/'));
        if (inside && root.size() > bestLength) {
            best = i;
            bestLength = root.size();
        }
    }
    setCurrentIndex(best);
}

DirList::DirList(QWidget* parent)
    : QListWidget(parent)
{
    NameAfterCurrentItem(this);
    connect(this, &QListWidget::itemActivated, this,
            [this](QListWidgetItem* item) { setPath(item->data(kPathRole).toString()); });
}

void DirList::setPath(const QString& path)
{
    const QString clean = QDir::cleanPath(QDir(path).absolutePath());
    if (clean == path_)
        return;
    path_ = clean;
    fill();
    if (onChange)
        onChange();
}

void DirList::fill()
{
    clear();
    QStringList chain;
    for (QDir dir(path_);;) {
        chain.prepend(dir.absolutePath());
        if (dir.isRoot() || !dir.cdUp())
            break;
    }
    int depth = 0;
    for (const QString& ancestor : chain) {
        const QString name = depth == 0 ? ancestor : QDir(ancestor).dirName();
        auto* item = new QListWidgetItem(QString(2 * depth, QLatin1Char(' ')) + name, this);
        item->setData(kPathRole, ancestor);
        ++depth;
    }
    setCurrentRow(count() - 1);
    const QDir current(path_);
    const QStringList children = current.entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name | QDir::IgnoreCase);
    for (const QString& child : children) {
        auto* item = new QListWidgetItem(QString(2 * depth, QLatin1Char(' ')) + child, this);
        item->setData(kPathRole, current.absoluteFilePath(child));
    }
}

FileList::FileList(QWidget* parent)
    : QListWidget(parent)
{
    NameAfterCurrentItem(this);
    connect(this, &QListWidget::itemClicked, this, [this](QListWidgetItem* item) {
        if (onClick)
            onClick(item->text());
    });
    // A key that selects a file (an arrow, a letter, the space bar on the
    // file the focus frame is on) counts as a click on it.
    connect(this, &QListWidget::itemSelectionChanged, this, [this] {
        const QList<QListWidgetItem*> chosen = selectedItems();
        if (inKeyPress_ && !chosen.isEmpty() && onClick)
            onClick(chosen.first()->text());
    });
}

void FileList::keyPressEvent(QKeyEvent* event)
{
    inKeyPress_ = true;
    QListWidget::keyPressEvent(event);
    inKeyPress_ = false;
}

void FileList::setPath(const QString& path)
{
    path_ = path;
    fill();
}

void FileList::setPattern(const QString& pattern)
{
    pattern_ = pattern;
    fill();
}

QStringList FileList::fileNames() const
{
    QStringList names;
    for (int i = 0; i < count(); ++i)
        names << item(i)->text();
    return names;
}

void FileList::fill()
{
    clear();
    if (path_.isEmpty())
        return;
    QDir dir(path_);
    dir.setNameFilters(pattern_.isEmpty() ? QStringList{} : QStringList{pattern_});
    dir.setFilter(QDir::Files | QDir::Readable);
    dir.setSorting(QDir::Name | QDir::IgnoreCase);
    // Name filters of QDir ignore case unless asked otherwise.
    addItems(dir.entryList());
}
