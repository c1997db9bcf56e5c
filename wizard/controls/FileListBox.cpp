#include "wizard/controls/FileListBox.h"

#include "platform/Paths.h"
#include "wizard/controls/DirectoryListBox.h"
#include "wizard/controls/FolderWatcher.h"
#include "wizard/controls/LocaleCollation.h"

#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>
#include <QScrollBar>
#include <QStringList>

#include <algorithm>
#include <vector>

namespace wizard
{

namespace
{

QString patternExpression(const QString& pattern)
{
    QString expression;
    for (const QChar c : pattern) {
        if (c == QLatin1Char('*'))
            expression += QStringLiteral(".*");
        else if (c == QLatin1Char('?'))
            expression += QLatin1Char('.');
        else
            expression += QRegularExpression::escape(QString(c));
    }
    return expression;
}

// One expression for all the mask's patterns. A trailing ".*" is optional as
// a whole, which is how Windows lets "*.*" match "README".
QRegularExpression maskExpression(const QString& mask)
{
    QStringList alternatives;
    static const QRegularExpression separators(QStringLiteral("[;\\s]+"));
    for (const QString& raw : mask.split(separators, Qt::SkipEmptyParts)) {
        const QString pattern = raw.trimmed();
        if (pattern.endsWith(QStringLiteral(".*")))
            alternatives << patternExpression(pattern.chopped(2)) + QStringLiteral("(\\..*)?");
        else if (!pattern.isEmpty())
            alternatives << patternExpression(pattern);
    }
    if (alternatives.isEmpty())
        return QRegularExpression(QStringLiteral("(?!)")); // an empty mask matches nothing
    return QRegularExpression(
        QRegularExpression::anchoredPattern(alternatives.join(QLatin1Char('|'))),
        QRegularExpression::CaseInsensitiveOption | QRegularExpression::DotMatchesEverythingOption);
}

} // namespace

FileListBox::FileListBox(QWidget* parent)
    : ListBox(parent), m_directory(platform::nativeDirectory(QDir::currentPath())),
      m_mask(QStringLiteral("*.nes")), m_watcher(new FolderWatcher(this))
{
    setSelectionMode(QAbstractItemView::ExtendedSelection);
    connect(m_watcher, &FolderWatcher::changed, this, &FileListBox::followDisk);
    reread();
}

void FileListBox::setDirectory(const QString& directory)
{
    const bool changed = !platform::namesSameFile(directory, m_directory);
    // Another spelling of the same directory is taken over without a re-read.
    m_directory = directory.isEmpty() ? QString() : platform::nativeDirectory(directory);
    if (changed)
        reread();
}

void FileListBox::setMask(const QString& mask)
{
    if (mask == m_mask)
        return;
    m_mask = mask;
    reread();
}

void FileListBox::reread()
{
    const QString current = currentItem() ? currentItem()->text() : QString();
    clear();
    m_watcher->setFolder(m_directory);
    const QStringList names = matchingFiles();
    m_onDisk = QSet<QString>(names.cbegin(), names.cend());
    QStringList listed;
    listed.reserve(names.size());
    for (const QString& name : names) {
        if (!(m_leftOut && m_leftOut(name)))
            listed << name;
    }
    addItems(listed);
    if (current.isEmpty())
        return;
    if (const auto found = findItems(current, Qt::MatchExactly); !found.isEmpty()) {
        setCurrentItem(found.first(), QItemSelectionModel::NoUpdate);
        showCurrent();
    }
}

QStringList FileListBox::matchingFiles() const
{
    if (m_directory.isEmpty())
        return {};
    const QRegularExpression expression = maskExpression(m_mask);
    // QDir::Files takes symbolic links to files and drops dangling ones;
    // without QDir::Hidden, hidden files (dot-files outside Windows) stay out.
    const QStringList files = QDir(QDir::fromNativeSeparators(m_directory)).entryList(QDir::Files);
    QStringList names;
    for (const QString& name : files) {
        if (expression.match(name).hasMatch())
            names << name;
    }
    std::stable_sort(names.begin(), names.end(), namesBefore);
    return names;
}

void FileListBox::setLeftOut(std::function<bool(const QString& name)> leftOut)
{
    m_leftOut = std::move(leftOut);
}

void FileListBox::followDisk()
{
    const QStringList names = matchingFiles();
    const QSet<QString> now(names.cbegin(), names.cend());
    QSet<QString> gone = m_onDisk;
    gone.subtract(now);
    QStringList created;
    for (const QString& name : names) {
        if (!m_onDisk.contains(name) && !(m_leftOut && m_leftOut(name)))
            created << name;
    }
    m_onDisk = now;
    if (gone.isEmpty() && created.isEmpty())
        return;

    // Entries come and go around the user's place: the entry at the top of
    // a scrolled view stays there (at the start, new entries above it show),
    // the current one stays current.
    const QListWidgetItem* top =
        verticalScrollBar()->value() > 0 ? itemAt(viewport()->rect().topLeft()) : nullptr;
    const QString topName = top ? top->text() : QString();
    const QListWidgetItem* current = currentItem();
    const QString currentName = current ? current->text() : QString();
    QSet<QString> listed;
    for (int row = count() - 1; row >= 0; --row) {
        if (gone.contains(item(row)->text()))
            delete takeItem(row);
        else
            listed.insert(item(row)->text());
    }
    for (const QString& name : created) {
        if (!listed.contains(name))
            insertSorted(this, new QListWidgetItem(name));
    }
    if (const auto found = findItems(topName, Qt::MatchExactly);
        !topName.isEmpty() && !found.isEmpty())
        scrollToItem(found.first(), QAbstractItemView::PositionAtTop);
    if (gone.contains(currentName))
        showCurrent();
}

void FileListBox::showCurrent()
{
    if (currentIndex().isValid())
        scrollTo(currentIndex());
}

QList<int> FileListBox::selectedRows() const
{
    // Asking each entry whether it is selected walks all the selection's
    // ranges per entry; marking the ranges once is linear.
    std::vector<bool> marked(size_t(count()), false);
    for (const QItemSelectionRange& range : selectionModel()->selection()) {
        for (int row = range.top(); row <= range.bottom(); ++row)
            marked[size_t(row)] = true;
    }
    QList<int> rows;
    for (int row = 0; row < count(); ++row) {
        if (marked[size_t(row)])
            rows.append(row);
    }
    return rows;
}

void FileListBox::removeRows(const QList<int>& rows)
{
    if (rows.isEmpty())
        return;
    // Entries are plain names, so the list is filled anew with the names that
    // stay: removing entries one by one makes the selection model and the
    // list's storage move everything behind each removed entry.
    const int focused = currentRow();
    int focusAfter = -1;
    QStringList kept;
    kept.reserve(count() - rows.size());
    auto removed = rows.cbegin();
    for (int row = 0; row < count(); ++row) {
        if (removed != rows.cend() && *removed == row) {
            ++removed;
            continue;
        }
        if (row <= focused)
            focusAfter = int(kept.size());
        kept.append(item(row)->text());
    }
    const int scrolledTo = verticalScrollBar()->value();
    clear();
    addItems(kept);
    if (focused >= 0 && !kept.isEmpty())
        selectionModel()->setCurrentIndex(model()->index(qMax(focusAfter, 0), 0),
                                          QItemSelectionModel::NoUpdate);
    if (scrolledTo > 0 && !kept.isEmpty()) {
        // The view lays its entries out later; lay them out now so the list
        // keeps showing about where it was.
        doItemsLayout();
        verticalScrollBar()->setValue(scrolledTo);
    }
    showCurrent();
}

void FileListBox::removeNames(const QStringList& names)
{
    for (const QString& name : names) {
        for (QListWidgetItem* shown : findItems(name, Qt::MatchExactly))
            delete takeItem(row(shown));
    }
    showCurrent();
}

void FileListBox::restoreEntries(const QStringList& names)
{
    if (m_directory.isEmpty())
        return;
    const QRegularExpression expression = maskExpression(m_mask);
    const QDir directory(QDir::fromNativeSeparators(m_directory));
    for (const QString& name : names) {
        if (!expression.match(name).hasMatch() || !findItems(name, Qt::MatchExactly).isEmpty())
            continue;
        // As the re-read lists it: a file or a link to one, not hidden.
        const QFileInfo file(directory.filePath(name));
        if (file.isFile() && !file.isHidden())
            insertSorted(this, new QListWidgetItem(name));
    }
    showCurrent();
}

bool FileListBox::matchesMask(const QString& mask, const QString& fileName)
{
    return maskExpression(mask).match(fileName).hasMatch();
}

} // namespace wizard
