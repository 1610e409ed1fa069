#pragma once

#include "templates/templateinteraction.h"

#include <QPointer>
#include <QWidget>

#include <functional>

// The application's TemplateInteraction: the custom generation dialog over the given
// metadata reader, shown modally over parent.
class CustomGenerationPrompt : public TemplateInteraction {
public:
    CustomGenerationPrompt(MetadataReader& reader, QWidget* parent)
        : m_reader(reader), m_parent(parent)
    {
    }

    std::optional<QString> askTemplate(const ItemStore& store) override;
    MetadataReader& metadataReader() override { return m_reader; }
    bool keepReading(int done, int total) override
    {
        return !m_progress || m_progress(done, total);
    }
    // The progress of a long read (the window's status line and Esc).
    void setProgress(std::function<bool(int, int)> progress) { m_progress = std::move(progress); }

private:
    MetadataReader& m_reader;
    QPointer<QWidget> m_parent;
    std::function<bool(int, int)> m_progress;
};
