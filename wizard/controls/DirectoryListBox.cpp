#include "wizard/controls/DirectoryListBox.h"

#include "platform/Paths.h"
#include "wizard/controls/FolderIcons.h"
#include "wizard/controls/FolderWatcher.h"
#include "wizard/controls/LocaleCollation.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QKeyEvent>
#include <QScrollBar>
#include <QStyle>
#include <QStyledItemDelegate>

#include <algorithm>

namespace wizard
{

namespace
{

// The list is narrow, so each level is set off by a few pixels rather than by
// a tree's wide indentation.
constexpr int IndentPerLevel = 6;

// Draws an entry, icon and name together, indented by its depth, in a row as
// high as a row of plain text (such as the file list's), the icon fitted to it.
class DirectoryEntryDelegate : public QStyledItemDelegate
{
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override
    {
        QStyleOptionViewItem indented = option;
        indented.rect.setLeft(option.rect.left() +
                              IndentPerLevel * index.data(DirectoryListBox::DepthRole).toInt());
        QStyledItemDelegate::paint(painter, indented, index);
    }

    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override
    {
        QSize size = QStyledItemDelegate::sizeHint(option, index);
        size.rwidth() += IndentPerLevel * index.data(DirectoryListBox::DepthRole).toInt();
        size.setHeight(plainTextRowHeight(option, index));
        return size;
    }

protected:
    void initStyleOption(QStyleOptionViewItem* option, const QModelIndex& index) const override
    {
        QStyledItemDelegate::initStyleOption(option, index);
        const int side = qMin(option->decorationSize.height(), plainTextRowHeight(*option, index));
        option->decorationSize = QSize(side, side);
    }

private:
    // The height the style gives a row of plain text in the entry's font: one
    // line, whatever the text, so it is measured once per font.
    int plainTextRowHeight(const QStyleOptionViewItem& option, const QModelIndex& index) const
    {
        if (m_measuredFont == option.font && m_rowHeight > 0)
            return m_rowHeight;
        QStyleOptionViewItem text = option;
        QStyledItemDelegate::initStyleOption(&text, index);
        text.features &= ~QStyleOptionViewItem::HasDecoration;
        text.icon = QIcon();
        text.decorationSize = QSize();
        const QWidget* view = option.widget;
        const QStyle* style = view ? view->style() : QApplication::style();
        m_rowHeight =
            style->sizeFromContents(QStyle::CT_ItemViewItem, &text, QSize(), view).height();
        m_measuredFont = option.font;
        return m_rowHeight;
    }

    mutable QFont m_measuredFont;
    mutable int m_rowHeight = 0;
};

QString canonicalDirectory(const QString& path)
{
    const QFileInfo info(QDir::fromNativeSeparators(path));
    const QString canonical = info.canonicalFilePath();
    return canonical.isEmpty() ? QDir::cleanPath(info.absoluteFilePath()) : canonical;
}

// The process's working directory; where it is gone (deleted while the
// program started from it, so the system names none), the home folder, and
// the file-system root as the last resort: never an empty path, which would
// list a folder without a name and put files relative to nowhere.
QString startDirectory()
{
    for (const QString& candidate : {QDir::currentPath(), QDir::homePath()}) {
        if (!candidate.isEmpty() && QFileInfo(candidate).isDir())
            return canonicalDirectory(candidate);
    }
    return QDir::rootPath();
}

// The directory itself and its ancestors, the root first.
QStringList pathFromRoot(const QString& directory)
{
    QStringList chain;
    QString path = QDir::cleanPath(directory);
    for (;;) {
        chain.prepend(path);
        if (QDir(path).isRoot())
            break;
        const QString parent = QFileInfo(path).path();
        if (parent == path || parent.isEmpty() || parent == QStringLiteral("."))
            break;
        path = parent;
    }
    return chain;
}

} // namespace

DirectoryListBox::DirectoryListBox(QWidget* parent)
    : ListBox(parent), m_directory(startDirectory()), m_openFolder(openFolderIcon()),
      m_closedFolder(closedFolderIcon()), m_watcher(new FolderWatcher(this))
{
    setSelectionMode(QAbstractItemView::SingleSelection);
    setItemDelegate(new DirectoryEntryDelegate(this));
    rebuildEntries();
    connect(this, &QListWidget::itemActivated, this, &DirectoryListBox::openEntry);
    connect(m_watcher, &FolderWatcher::changed, this, &DirectoryListBox::followDisk);
}

QString DirectoryListBox::directory() const
{
    return platform::nativeDirectory(m_directory);
}

bool DirectoryListBox::setDirectory(const QString& path)
{
    if (path.isEmpty())
        return false;
    const QFileInfo info(QDir::fromNativeSeparators(path));
    if (!info.isDir())
        return false;
    if (platform::namesSameFile(path, m_directory))
        return true;
    m_directory = canonicalDirectory(path);
    rebuildEntries();
    emit changed();
    return true;
}

void DirectoryListBox::keyPressEvent(QKeyEvent* event)
{
    ListBox::keyPressEvent(event);
    // The view passes Enter on after activating, which would also press a
    // dialog's default button; here Enter only opens the directory.
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter)
        event->accept();
}

void DirectoryListBox::openEntry(QListWidgetItem* item)
{
    if (item == nullptr)
        return;
    // An entry whose directory vanished since the listing cannot be entered;
    // a fresh listing drops it.
    if (!setDirectory(item->data(Qt::UserRole).toString()))
        rebuildEntries();
}

void DirectoryListBox::rebuildEntries()
{
    clear();
    const QStringList chain = pathFromRoot(m_directory);
    for (int level = 0; level < chain.size(); ++level) {
        const QString& path = chain.at(level);
        const QString name = level == 0 ? platform::nativeDirectory(path) : QDir(path).dirName();
        QListWidgetItem* item = addEntry(name, path, level, m_openFolder);
        if (level == chain.size() - 1)
            setCurrentItem(item);
    }

    for (const QString& name : subdirectories())
        addEntry(name, QDir(m_directory).filePath(name), int(chain.size()), m_closedFolder);
    m_watcher->setFolder(m_directory);
}

QStringList DirectoryListBox::subdirectories() const
{
    // Hidden directories stay out, as QDir leaves them out without QDir::Hidden.
    // Unsorted: the list sorts by the locale collation below.
    QStringList names =
        QDir(m_directory).entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Unsorted);
    std::stable_sort(names.begin(), names.end(), namesBefore);
    return names;
}

void DirectoryListBox::followDisk()
{
    const int depth = int(pathFromRoot(m_directory).size());
    QStringList shown;
    for (int row = 0; row < count(); ++row) {
        if (item(row)->data(DepthRole).toInt() == depth)
            shown << item(row)->text();
    }
    if (subdirectories() == shown)
        return;
    // Listed anew; the current entry and the one at the top of a scrolled
    // view are found again by their paths.
    const auto pathOf = [](const QListWidgetItem* entry) {
        return entry ? entry->data(Qt::UserRole).toString() : QString();
    };
    const QString current = pathOf(currentItem());
    const bool currentSelected = currentItem() && currentItem()->isSelected();
    const QString top =
        verticalScrollBar()->value() > 0 ? pathOf(itemAt(viewport()->rect().topLeft())) : QString();
    rebuildEntries();
    QListWidgetItem* currentAgain = nullptr;
    for (int row = 0; row < count(); ++row) {
        QListWidgetItem* entry = item(row);
        if (!top.isEmpty() && pathOf(entry) == top)
            scrollToItem(entry, QAbstractItemView::PositionAtTop);
        if (pathOf(entry) == current)
            currentAgain = entry;
    }
    if (currentAgain == nullptr)
        return; // the current directory's own entry, as listed
    setCurrentItem(currentAgain, currentSelected ? QItemSelectionModel::ClearAndSelect
                                                 : QItemSelectionModel::NoUpdate);
    if (!currentSelected)
        clearSelection();
}

QListWidgetItem* DirectoryListBox::addEntry(const QString& text, const QString& path, int depth,
                                            const QIcon& icon)
{
    auto* item = new QListWidgetItem(text);
    item->setData(Qt::UserRole, platform::nativeDirectory(path));
    item->setData(DepthRole, depth);
    item->setIcon(icon);
    addItem(item);
    return item;
}

} // namespace wizard
