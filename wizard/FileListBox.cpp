#include "FileListBox.h"

#include "DirectoryListBox.h"
#include "LocaleCollation.h"
#include "Platform.h"

#include <QDir>
#include <QRegularExpression>
#include <QStringList>

#include <algorithm>

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
    for (const QString& raw : mask.split(QLatin1Char(';'), Qt::SkipEmptyParts)) {
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
      m_mask(QStringLiteral("*.nes"))
{
    setSelectionMode(QAbstractItemView::ExtendedSelection);
    reread();
}

void FileListBox::setDirectory(const QString& directory)
{
    const bool changed = !DirectoryListBox::sameDirectory(directory, m_directory);
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
    clear();
    if (m_directory.isEmpty())
        return;
    const QRegularExpression expression = maskExpression(m_mask);
    // QDir::Files takes symbolic links to files and drops dangling ones;
    // without QDir::Hidden, hidden files (dot-files outside Windows) stay out.
    const QStringList files = QDir(QDir::fromNativeSeparators(m_directory)).entryList(QDir::Files);
    QStringList names;
    for (const QString& name : files) {
        if (expression.match(name).hasMatch())
            names << name;
    }
    std::stable_sort(names.begin(), names.end(), collatesBefore);
    addItems(names);
}

bool FileListBox::matchesMask(const QString& mask, const QString& fileName)
{
    return maskExpression(mask).match(fileName).hasMatch();
}
