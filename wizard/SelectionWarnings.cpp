#include "wizard/SelectionWarnings.h"

#include "builder/ImageSurvey.h"
#include "platform/Paths.h"
#include "wizard/MessageTexts.h"
#include "wizard/controls/IconColumnDelegate.h"

#include <QCoreApplication>
#include <QLabel>
#include <QListWidget>
#include <QPalette>
#include <QStyle>

namespace wizard
{

namespace
{

QString text(const char* source)
{
    return QCoreApplication::translate("wizard::SelectionWarnings", source);
}

QString oversizeText()
{
    return text(QT_TRANSLATE_NOOP("wizard::SelectionWarnings",
                                  "More than a GBA cartridge holds (%1 KB)"))
        .arg(builder::gba::CartridgeCapacityKB);
}

// The caller's warning for an entry, found once when it came.
constexpr int OtherWarningRole = Qt::UserRole + 1;

} // namespace

QString unreadableReason(const builder::RomSurvey& rom)
{
    if (rom.readable)
        return QString();
    if (const builder::ArchiveError* archive = rom.badArchive())
        return archiveMark(*archive);
    if (rom.notAFile)
        return text(
            QT_TRANSLATE_NOOP("wizard::SelectionWarnings",
                              "Not a regular file: a folder, a device, a pipe or a socket"));
    switch (rom.failure) {
    case platform::FileFailure::Missing:
        return text(QT_TRANSLATE_NOOP("wizard::SelectionWarnings",
                                      "Missing: the file was moved, renamed or deleted"));
    case platform::FileFailure::InUse:
        return text(QT_TRANSLATE_NOOP("wizard::SelectionWarnings",
                                      "Locked: another program has the file open"));
    case platform::FileFailure::AccessDenied:
        return text(
            QT_TRANSLATE_NOOP("wizard::SelectionWarnings", "No access: you may not read the file"));
    case platform::FileFailure::Other:
        break;
    }
    // The system's reason in the user's language where the survey kept it.
    return text(QT_TRANSLATE_NOOP("wizard::SelectionWarnings", "Cannot be read: %1"))
        .arg(rom.error ? errorSentence(*rom.error) : rom.problem);
}

bool markOversizeEstimate(QLabel* sizeLabel, std::optional<qint64> estimateKB)
{
    const bool oversize = estimateKB && *estimateKB > builder::gba::CartridgeCapacityKB;
    if (oversize) {
        QPalette palette = sizeLabel->palette();
        palette.setColor(QPalette::WindowText, QColor(255, 0, 0));
        sizeLabel->setPalette(palette);
    } else {
        sizeLabel->setPalette(QPalette()); // back to the window's own colours
    }
    const QString why = oversize ? oversizeText() : QString();
    sizeLabel->setToolTip(why);
    sizeLabel->setAccessibleDescription(why);
    return oversize;
}

NonRomMarker::NonRomMarker(QListWidget* list, Survey survey, std::function<QString()> romsDirectory,
                           std::function<QString(const QString& fileName)> otherWarning)
    : QObject(list), m_list(list), m_survey(std::move(survey)),
      m_romsDirectory(std::move(romsDirectory)), m_otherWarning(std::move(otherWarning))
{
    // An icon no taller than the text keeps a marked entry as high as the others.
    const int textHeight = list->fontMetrics().height();
    list->setIconSize(QSize(textHeight, textHeight));
    // Every entry keeps the icon's room, so a mark never shifts its name out of line.
    list->setItemDelegate(new IconColumnDelegate(list));
    connect(list->model(), &QAbstractItemModel::rowsInserted, this,
            [this](const QModelIndex&, int first, int last) { markRows(first, last); });
}

void NonRomMarker::markRows(int first, int last)
{
    const QString directory = m_romsDirectory();
    for (int row = first; row <= last; ++row) {
        QListWidgetItem* entry = m_list->item(row);
        if (m_otherWarning)
            entry->setData(OtherWarningRole, m_otherWarning(entry->text()));
        if (const auto rom = m_survey(platform::joinPath(directory, entry->text())))
            mark(entry, *rom);
    }
}

void NonRomMarker::remark(const QHash<QString, builder::RomSurvey>& surveys)
{
    for (int row = 0; row < m_list->count(); ++row) {
        QListWidgetItem* entry = m_list->item(row);
        if (const auto rom = surveys.constFind(entry->text()); rom != surveys.cend())
            mark(entry, *rom);
    }
}

void NonRomMarker::mark(QListWidgetItem* entry, const builder::RomSurvey& rom)
{
    QString why = unreadableReason(rom);
    if (why.isEmpty() && !rom.ines)
        why = text(QT_TRANSLATE_NOOP("wizard::SelectionWarnings", "Not an iNES rom"));
    if (why.isEmpty())
        why = entry->data(OtherWarningRole).toString();
    if (why == entry->toolTip())
        return;
    if (!why.isEmpty() && m_warningIcon.isNull())
        m_warningIcon = m_list->style()->standardIcon(QStyle::SP_MessageBoxWarning);
    entry->setIcon(why.isEmpty() ? QIcon() : m_warningIcon);
    entry->setToolTip(why);
    entry->setData(Qt::AccessibleDescriptionRole, why.isEmpty() ? QVariant() : QVariant(why));
}

} // namespace wizard
