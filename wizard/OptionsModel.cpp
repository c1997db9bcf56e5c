#include "wizard/OptionsModel.h"

#include <QSet>

namespace wizard
{

void OptionsModel::setOptions(const QList<settings::StoredOption>& options)
{
    beginResetModel();
    m_options = options;
    endResetModel();
}

qint64 OptionsModel::nextOptionNumber() const
{
    QSet<qint64> taken;
    for (const settings::StoredOption& option : m_options)
        taken.insert(option.key.toLongLong());
    qint64 number = qint64(1) << m_options.size();
    // 2^count may still be held by a later option; storing there would
    // overwrite that option's description.
    while (taken.contains(number))
        number <<= 1;
    return number;
}

int OptionsModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : int(m_options.size());
}

QVariant OptionsModel::data(const QModelIndex& index, int role) const
{
    if (!checkIndex(index, CheckIndexOption::IndexIsValid | CheckIndexOption::ParentIsInvalid))
        return {};
    const settings::StoredOption& option = m_options.at(index.row());
    switch (role) {
    case Qt::DisplayRole:
        return QString::fromLatin1(option.key) + QStringLiteral(": ") + option.description;
    case KeyRole:
        return option.key;
    case DescriptionRole:
        return option.description;
    default:
        return {};
    }
}

} // namespace wizard
