#pragma once

#include "builder/ImageSurvey.h"
#include "builder/RomSurveyCache.h"

#include <QHash>
#include <QObject>
#include <QSet>
#include <QString>

#include <functional>
#include <memory>
#include <optional>

namespace wizard
{

// Each selected rom as last measured, measured where it costs nothing to the
// window: a plain rom's header and length are read at once, as a click
// expects; an archive is looked into on a thread of its own (through the
// archive reader's process), so the window keeps answering however long an
// archive takes, and its survey arrives later (surveyed()). What was
// measured is kept while the file stays as it was (builder::RomSurveyCache).
class RomLooks : public QObject
{
    Q_OBJECT

public:
    explicit RomLooks(QObject* parent = nullptr);
    ~RomLooks() override;

    // The survey of the file at path, when it is known; nothing while an
    // archive is being looked into (its look is started if it is not yet).
    std::optional<builder::RomSurvey> survey(const QString& path);
    // The survey known for the file, while it stays as it was; nothing is
    // read or started for it.
    std::optional<builder::RomSurvey> known(const QString& path);
    // The survey a build takes: the one known (with the rom's bytes when
    // lookForBuild kept them), else measured now.
    builder::RomSurvey surveyNow(const QString& path);
    // Reads the roms of these archives, in this order, on the looking thread
    // and keeps their bytes for the build (as many as
    // builder::KeptArchiveRomsBudget takes): the build then appends them
    // without reading an archive on the window's thread. Wait with
    // waitForAll(); forgetBuildBytes() once the build is done.
    void lookForBuild(const QStringList& paths);
    void forgetBuildBytes();
    // Keeps only these files' surveys and looks: a look no one needs any more
    // is dropped before it starts, and its survey if it finishes.
    void keepOnly(const QSet<QString>& paths);
    // How many looks are still to finish.
    int pendingCount() const;
    // Waits, the window's events going on, until every look has finished;
    // progress is told each look's end (done of total).
    void waitForAll(const std::function<void(int done, int total)>& progress);

signals:
    // A look finished: its survey is known now.
    void surveyed();

private:
    struct Queue;
    // The looking thread's work, until the window's side is gone.
    static void lookInto(const std::shared_ptr<Queue>& queue);
    void enqueue(const QString& path, bool forBuild);
    void looked(const QString& path, bool forBuild, const builder::RomSurvey& survey);

    builder::RomSurveyCache m_kept;
    // The last survey of a file that could not be read: no stamp keeps it, yet
    // it is what the file was found to be.
    QHash<QString, builder::RomSurvey> m_failed;
    QSet<QString> m_pending;
    // The surveys lookForBuild made, each with its rom's bytes.
    QHash<QString, builder::RomSurvey> m_forBuild;
    std::shared_ptr<Queue> m_queue;
};

} // namespace wizard
