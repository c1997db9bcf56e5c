#include "wizard/CompilationModels.h"

#include "wizard/CompilationDocument.h"
#include "wizard/controls/PlainText.h"

#include <QApplication>
#include <QStyle>

namespace wizard
{

SelectedRomsModel::SelectedRomsModel(CompilationDocument& document, Warning warning,
                                     QObject* parent)
    : QAbstractListModel(parent), m_document(document), m_warning(std::move(warning))
{
    connect(&document, &CompilationDocument::aboutToReplace, this, [this] { beginResetModel(); });
    connect(&document, &CompilationDocument::replaced, this, [this] { endResetModel(); });
    connect(&document, &CompilationDocument::romsAboutToBeAdded, this, [this](qsizetype count) {
        const int first = rowCount();
        beginInsertRows({}, first, first + int(count) - 1);
    });
    connect(&document, &CompilationDocument::romsAdded, this, [this] { endInsertRows(); });
    connect(&document, &CompilationDocument::romAboutToBeRemoved, this,
            [this](qsizetype index, qsizetype) { beginRemoveRows({}, int(index), int(index)); });
    connect(&document, &CompilationDocument::romRemoved, this, [this] { endRemoveRows(); });
}

int SelectedRomsModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : int(m_document.compilation().romCount());
}

QVariant SelectedRomsModel::data(const QModelIndex& index, int role) const
{
    if (!checkIndex(index, CheckIndexOption::IndexIsValid | CheckIndexOption::ParentIsInvalid))
        return {};
    const QString& name = m_document.compilation().roms().at(index.row()).fileName;
    switch (role) {
    case Qt::DisplayRole:
        return name;
    case Qt::DecorationRole:
    case Qt::ToolTipRole:
    case Qt::AccessibleDescriptionRole: {
        const QString why = m_warning ? m_warning(name) : QString();
        if (why.isEmpty())
            return {};
        if (role == Qt::ToolTipRole)
            return plainToolTip(why);
        if (role == Qt::AccessibleDescriptionRole)
            return why;
        if (m_warningIcon.isNull())
            m_warningIcon = QApplication::style()->standardIcon(QStyle::SP_MessageBoxWarning);
        return m_warningIcon;
    }
    default:
        return {};
    }
}

void SelectedRomsModel::warningsChanged()
{
    if (rowCount() > 0)
        emit dataChanged(index(0), index(rowCount() - 1),
                         {Qt::DecorationRole, Qt::ToolTipRole, Qt::AccessibleDescriptionRole});
}

MenuModel::MenuModel(CompilationDocument& document, Shows shows, QObject* parent)
    : QAbstractListModel(parent), m_document(document), m_shows(shows)
{
    connect(&document, &CompilationDocument::aboutToReplace, this, [this] { beginResetModel(); });
    connect(&document, &CompilationDocument::replaced, this, [this] { endResetModel(); });
    // Added roms join the menu at its end. With numbering, every numbered line
    // changes with the count and the places: the lines are shown anew.
    const auto renumbered = [this] {
        return m_shows != Shows::Titles && m_document.compilation().numbered();
    };
    connect(&document, &CompilationDocument::romsAboutToBeAdded, this,
            [this, renumbered](qsizetype count) {
                if (renumbered()) {
                    beginResetModel();
                    return;
                }
                const int first = rowCount();
                beginInsertRows({}, first, first + int(count) - 1);
            });
    connect(&document, &CompilationDocument::romsAdded, this, [this, renumbered] {
        if (renumbered())
            endResetModel();
        else
            endInsertRows();
    });
    connect(&document, &CompilationDocument::romAboutToBeRemoved, this,
            [this, renumbered](qsizetype, qsizetype position) {
                if (renumbered())
                    beginResetModel();
                else
                    beginRemoveRows({}, int(position), int(position));
            });
    connect(&document, &CompilationDocument::romRemoved, this, [this, renumbered] {
        if (renumbered())
            endResetModel();
        else
            endRemoveRows();
    });
    connect(&document, &CompilationDocument::menuEntryChanged, this, [this](qsizetype position) {
        emit dataChanged(index(int(position)), index(int(position)), {Qt::DisplayRole});
    });
}

int MenuModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : int(m_document.compilation().menuSize());
}

QVariant MenuModel::data(const QModelIndex& index, int role) const
{
    if (role != Qt::DisplayRole ||
        !checkIndex(index, CheckIndexOption::IndexIsValid | CheckIndexOption::ParentIsInvalid))
        return {};
    const builder::Compilation& compilation = m_document.compilation();
    switch (m_shows) {
    case Shows::Titles:
        return compilation.menuRom(index.row()).menuTitle();
    case Shows::PreviewLines:
        return compilation.previewLine(index.row());
    case Shows::MenuLines:
        break;
    }
    return compilation.menuLine(index.row());
}

} // namespace wizard
