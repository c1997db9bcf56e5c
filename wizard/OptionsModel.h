#pragma once

#include "settings/ProgramSettings.h"

#include <QAbstractListModel>

namespace wizard
{

// The user's options as page 3 lists them (lstOptions): each "<number>:
// <description>", in the order the settings file keeps them, their position
// their flag bit. It holds what the settings file's Options section holds, as
// last read or changed by a command (OptionsEdit).
class OptionsModel : public QAbstractListModel
{
    Q_OBJECT

public:
    // The key an option is stored under, for each row.
    static constexpr int KeyRole = Qt::UserRole;
    static constexpr int DescriptionRole = Qt::UserRole + 1;

    using QAbstractListModel::QAbstractListModel;

    const QList<settings::StoredOption>& options() const { return m_options; }
    void setOptions(const QList<settings::StoredOption>& options);
    // The key a new option is stored under: 2 to the power of the option
    // count, moved to the next free power of two when that key is still taken
    // (after a deletion in the middle).
    qint64 nextOptionNumber() const;

    int rowCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;

private:
    QList<settings::StoredOption> m_options;
};

} // namespace wizard
