#include "DirectoryListBox.h"

#include "LocaleCollation.h"
#include "Platform.h"

#include <QDir>
#include <QFileInfo>
#include <QKeyEvent>
#include <QStyle>

#include <algorithm>

namespace
{

// The list is narrow, so each level is set off by two blanks rather than by a
// tree's wide indentation.
const int IndentPerLevel = 2;

QString canonicalDirectory(const QString& path)
{
    const QFileInfo info(QDir::fromNativeSeparators(path));
    const QString canonical = info.canonicalFilePath();
    return canonical.isEmpty() ? QDir::cleanPath(info.absoluteFilePath()) : canonical;
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
    : QListWidget(parent), m_directory(canonicalDirectory(QDir::currentPath()))
{
    setSelectionMode(QAbstractItemView::SingleSelection);
    rebuildEntries();
    connect(this, &QListWidget::itemActivated, this, &DirectoryListBox::openEntry);
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
    if (sameDirectory(path, m_directory))
        return true;
    m_directory = canonicalDirectory(path);
    rebuildEntries();
    emit changed();
    return true;
}

bool DirectoryListBox::sameDirectory(const QString& a, const QString& b)
{
    if (a.isEmpty() || b.isEmpty())
        return a.isEmpty() && b.isEmpty();
    const QFileInfo first(QDir::fromNativeSeparators(a));
    const QFileInfo second(QDir::fromNativeSeparators(b));
    if (first.exists() && second.exists())
        return first == second;
    return QDir::cleanPath(first.absoluteFilePath()) == QDir::cleanPath(second.absoluteFilePath());
}

void DirectoryListBox::keyPressEvent(QKeyEvent* event)
{
    QListWidget::keyPressEvent(event);
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
        QListWidgetItem* item = addEntry(name, path, level, QStyle::SP_DirOpenIcon);
        if (level == chain.size() - 1)
            setCurrentItem(item);
    }

    // Hidden directories stay out, as QDir leaves them out without QDir::Hidden.
    QStringList subdirectories = QDir(m_directory).entryList(QDir::Dirs | QDir::NoDotAndDotDot);
    std::stable_sort(subdirectories.begin(), subdirectories.end(), collatesBefore);
    for (const QString& name : subdirectories)
        addEntry(name, QDir(m_directory).filePath(name), int(chain.size()),
                 QStyle::SP_DirClosedIcon);
}

QListWidgetItem* DirectoryListBox::addEntry(const QString& text, const QString& path, int level,
                                            QStyle::StandardPixmap icon)
{
    auto* item = new QListWidgetItem(QString(level * IndentPerLevel, QLatin1Char(' ')) + text);
    item->setData(Qt::UserRole, platform::nativeDirectory(path));
    item->setIcon(style()->standardIcon(icon));
    addItem(item);
    return item;
}
