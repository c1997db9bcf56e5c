#include "builder/RomSurveyCache.h"

#include "platform/FileHead.h"

namespace builder
{

RomSurvey RomSurveyCache::survey(const QString& path)
{
    const auto kept = m_kept.find(path);
    if (kept != m_kept.end()) {
        if (platform::lookStamp(path) == kept->survey.stamp) {
            kept->used = true;
            return kept->survey;
        }
        m_kept.erase(kept);
    }
    RomSurvey fresh = surveyRom(path);
    if (fresh.stamp)
        m_kept.insert(path, {fresh, true});
    return fresh;
}

void RomSurveyCache::forgetUnused()
{
    for (auto kept = m_kept.begin(); kept != m_kept.end();) {
        if (kept->used) {
            kept->used = false;
            ++kept;
        } else {
            kept = m_kept.erase(kept);
        }
    }
}

} // namespace builder
