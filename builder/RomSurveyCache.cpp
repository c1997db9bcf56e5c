#include "builder/RomSurveyCache.h"

#include "platform/FileHead.h"

namespace builder
{

RomSurvey RomSurveyCache::survey(const QString& path)
{
    if (std::optional<RomSurvey> known = kept(path))
        return *known;
    RomSurvey fresh = surveyRom(path);
    keep(path, fresh);
    return fresh;
}

std::optional<RomSurvey> RomSurveyCache::kept(const QString& path)
{
    const auto kept = m_kept.find(path);
    if (kept == m_kept.end())
        return std::nullopt;
    if (platform::lookStamp(path) == kept->survey.stamp) {
        kept->used = true;
        return kept->survey;
    }
    m_kept.erase(kept);
    return std::nullopt;
}

void RomSurveyCache::keep(const QString& path, const RomSurvey& survey)
{
    if (survey.stamp)
        m_kept.insert(path, {survey, true});
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
