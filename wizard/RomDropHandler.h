#pragma once

#include <QList>
#include <QObject>
#include <QString>
#include <QStringList>
#include <QUrl>

class QAbstractItemView;
class QMimeData;

namespace wizard
{

// The files among dropped URLs: local regular files only (folders, devices,
// pipes, missing files and other URLs are left out), in the order dropped.
struct DroppedFiles {
    QString directory;     // where they all lie, native spelling
    QStringList fileNames; // names without directory, in the order dropped
    bool severalDirectories = false;

    bool isEmpty() const { return fileNames.isEmpty() && !severalDirectories; }
    static DroppedFiles fromUrls(const QList<QUrl>& urls);
};

// Lets files from a file manager be dropped on a list while the list is
// shown. The drop itself is only accepted; dropped() follows from the event
// loop, so a message box shown for it does not hold up the file manager that
// is waiting for the drop to finish.
class RomDropHandler : public QObject
{
    Q_OBJECT

public:
    explicit RomDropHandler(QAbstractItemView* list);

signals:
    void dropped(const DroppedFiles& files);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    DroppedFiles filesIn(const QMimeData* mime) const;

    QAbstractItemView* m_list;
};

} // namespace wizard
