#include "wizard/SelectionWarnings.h"

#include "builder/ImageSurvey.h"
#include "builder/RomSurveyCache.h"
#include "platform/Paths.h"
#include "wizard/controls/IconColumnDelegate.h"

#include <QLabel>
#include <QListWidget>
#include <QPalette>
#include <QStyle>

namespace wizard
{

namespace
{

const QString Oversize = QStringLiteral("More than a GBA cartridge holds (32768 KB)");
const QString NotInes = QStringLiteral("Not an iNES rom");
const QString CannotRead = QStringLiteral("Cannot be read: ");

} // namespace

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
    sizeLabel->setToolTip(oversize ? Oversize : QString());
    sizeLabel->setAccessibleDescription(oversize ? Oversize : QString());
    return oversize;
}

NonRomMarker::NonRomMarker(QListWidget* list, builder::RomSurveyCache& surveys,
                           std::function<QString()> romsDirectory,
                           std::function<QString(const QString& fileName)> otherWarning)
    : QObject(list), m_list(list), m_surveys(surveys), m_romsDirectory(std::move(romsDirectory)),
      m_otherWarning(std::move(otherWarning))
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
        const builder::RomSurvey rom =
            m_surveys.survey(platform::joinPath(directory, entry->text()));
        QString why = rom.badArchiveReason;
        if (why.isEmpty() && !rom.readable)
            why = CannotRead + rom.problem;
        if (why.isEmpty() && !rom.ines)
            why = NotInes;
        if (why.isEmpty() && m_otherWarning)
            why = m_otherWarning(entry->text());
        if (why.isEmpty())
            continue;
        if (m_warningIcon.isNull())
            m_warningIcon = m_list->style()->standardIcon(QStyle::SP_MessageBoxWarning);
        entry->setIcon(m_warningIcon);
        entry->setToolTip(why);
        entry->setData(Qt::AccessibleDescriptionRole, why);
    }
}

} // namespace wizard
