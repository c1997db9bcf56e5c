#include "wizard/RomLooks.h"

#include "builder/RomSource.h"
#include "platform/FileHead.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QFileInfo>

#include <condition_variable>
#include <deque>
#include <mutex>
#include <thread>

namespace wizard
{

// The files to look into, and the thread that looks. The thread outlives the
// window if it must: a look under way ends on its own (the archive reader's
// limits hold it to a few seconds), and its survey then goes nowhere.
struct RomLooks::Queue {
    struct Look {
        QString path;
        bool forBuild; // the rom's bytes kept for a build
    };
    std::mutex mutex;
    std::condition_variable added;
    std::deque<Look> paths;
    RomLooks* receiver = nullptr; // none once the window's side is gone
};

RomLooks::RomLooks(QObject* parent) : QObject(parent), m_queue(std::make_shared<Queue>())
{
    m_queue->receiver = this;
    std::thread([queue = m_queue] { lookInto(queue); }).detach();
}

RomLooks::~RomLooks()
{
    {
        const std::lock_guard<std::mutex> lock(m_queue->mutex);
        m_queue->receiver = nullptr;
        m_queue->paths.clear();
    }
    m_queue->added.notify_all();
}

void RomLooks::lookInto(const std::shared_ptr<Queue>& queue)
{
    std::unique_lock<std::mutex> lock(queue->mutex);
    for (;;) {
        queue->added.wait(lock, [&] { return !queue->paths.empty() || !queue->receiver; });
        if (!queue->receiver)
            return;
        const Queue::Look look = queue->paths.front();
        queue->paths.pop_front();
        lock.unlock();
        const builder::RomSurvey survey = builder::surveyRom(look.path, look.forBuild);
        lock.lock();
        // Held while it is handed over, so the window's side cannot go meanwhile.
        if (RomLooks* receiver = queue->receiver)
            QMetaObject::invokeMethod(
                receiver,
                [receiver, look, survey] { receiver->looked(look.path, look.forBuild, survey); },
                Qt::QueuedConnection);
    }
}

std::optional<builder::RomSurvey> RomLooks::survey(const QString& path)
{
    if (std::optional<builder::RomSurvey> known = m_kept.kept(path))
        return known;
    // A plain rom costs one small read; a file that cannot even be opened
    // (missing, no access) fails at once: both are measured here.
    if (!builder::RomSource::isArchiveName(QFileInfo(path).fileName()) ||
        !platform::lookStamp(path))
        return surveyNow(path);
    if (!m_pending.contains(path))
        enqueue(path, false);
    return std::nullopt;
}

void RomLooks::enqueue(const QString& path, bool forBuild)
{
    m_pending.insert(path);
    {
        const std::lock_guard<std::mutex> lock(m_queue->mutex);
        m_queue->paths.push_back({path, forBuild});
    }
    m_queue->added.notify_one();
}

void RomLooks::lookForBuild(const QStringList& paths)
{
    qint64 kept = 0;
    for (const QString& path : paths) {
        if (kept >= builder::KeptArchiveRomsBudget)
            return;
        const std::optional<builder::RomSurvey> known = m_kept.kept(path);
        // Only a rom an archive gives is worth reading ahead; the others fail
        // or are plain files, read by the build as they come.
        if (!known || !known->readable || known->member < 0 || m_pending.contains(path))
            continue;
        kept += known->appendedLength;
        enqueue(path, true);
    }
}

void RomLooks::forgetBuildBytes()
{
    m_forBuild.clear();
}

builder::RomSurvey RomLooks::surveyNow(const QString& path)
{
    // The bytes read ahead for the build, while the file is as they were read from.
    if (const auto ahead = m_forBuild.constFind(path); ahead != m_forBuild.cend()) {
        if (ahead->stamp && ahead->stamp == platform::lookStamp(path))
            return *ahead;
    }
    builder::RomSurvey survey = m_kept.survey(path);
    if (survey.readable || survey.badArchive())
        m_failed.remove(path);
    else
        m_failed.insert(path, survey);
    return survey;
}

std::optional<builder::RomSurvey> RomLooks::known(const QString& path)
{
    if (std::optional<builder::RomSurvey> kept = m_kept.kept(path))
        return kept;
    const auto failed = m_failed.constFind(path);
    return failed == m_failed.cend() ? std::nullopt : std::optional(*failed);
}

void RomLooks::keepOnly(const QSet<QString>& paths)
{
    m_kept.forgetUnused();
    m_failed.removeIf([&paths](const auto& failed) { return !paths.contains(failed.key()); });
    for (auto pending = m_pending.begin(); pending != m_pending.end();)
        pending = paths.contains(*pending) ? std::next(pending) : m_pending.erase(pending);
    const std::lock_guard<std::mutex> lock(m_queue->mutex);
    std::erase_if(m_queue->paths,
                  [&paths](const Queue::Look& look) { return !paths.contains(look.path); });
}

int RomLooks::pendingCount() const
{
    return int(m_pending.size());
}

void RomLooks::waitForAll(const std::function<void(int done, int total)>& progress)
{
    const int total = pendingCount();
    if (total == 0)
        return;
    QEventLoop waiting;
    const QMetaObject::Connection each = connect(this, &RomLooks::surveyed, &waiting, [&] {
        progress(total - pendingCount(), total);
        if (pendingCount() == 0)
            waiting.quit();
    });
    progress(0, total);
    waiting.exec(QEventLoop::ExcludeUserInputEvents);
    disconnect(each);
}

void RomLooks::looked(const QString& path, bool forBuild, const builder::RomSurvey& survey)
{
    // A look no one waits for any more is dropped.
    if (!m_pending.remove(path))
        return;
    if (forBuild && survey.appendedBytes) {
        m_forBuild.insert(path, survey);
        emit surveyed();
        return;
    }
    // One that failed is kept too, while the file stays as it was then: asked
    // again at once, it would only be looked into again and again.
    builder::RomSurvey kept = survey;
    if (!kept.stamp)
        kept.stamp = platform::lookStamp(path);
    m_kept.keep(path, kept);
    emit surveyed();
}

} // namespace wizard
