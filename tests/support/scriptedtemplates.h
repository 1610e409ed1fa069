#pragma once

#include "scriptedmetadatareader.h"
#include "templates/templateinteraction.h"

#include <deque>

// Custom generation with scripted templates and scripted file metadata. Without a
// scripted answer the question is cancelled.
class ScriptedTemplates : public TemplateInteraction {
public:
    std::deque<QString> answers;
    ScriptedMetadataReader reader;
    int asked = 0;
    int stopReadingAt = -1; // keepReading answers false from this many files read on

    std::optional<QString> askTemplate(const ItemStore&) override
    {
        ++asked;
        if (answers.empty())
            return std::nullopt;
        const QString answer = answers.front();
        answers.pop_front();
        return answer;
    }
    MetadataReader& metadataReader() override { return reader; }
    bool keepReading(int done, int) override { return stopReadingAt < 0 || done < stopReadingAt; }
};
