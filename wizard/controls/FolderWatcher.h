#pragma once

#include <QFileSystemWatcher>
#include <QObject>
#include <QString>
#include <QTimer>

class QWidget;

namespace wizard
{

// Tells a list that shows a folder when the folder's entries change on disk
// (an entry created, removed or renamed). It watches only while the list is
// shown: on Windows a watched folder's parents cannot be renamed, so a page
// that is not shown holds nothing. When the list is shown again after
// changes it could not see, it tells once. However fast the changes come
// (a copy of many files), it tells at most every SettleMilliseconds.
class FolderWatcher : public QObject
{
    Q_OBJECT

public:
    static constexpr int SettleMilliseconds = 100;

    explicit FolderWatcher(QWidget* list);

    // The folder shown (any spelling); empty: none.
    void setFolder(const QString& folder);

signals:
    void changed();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void watch(bool shown);

    QWidget* m_list;
    QString m_folder;
    QFileSystemWatcher m_watcher;
    QTimer m_settle;
    bool m_missed = false; // changes may have come while it was not shown
};

} // namespace wizard
