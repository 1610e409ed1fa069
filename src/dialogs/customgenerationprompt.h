#pragma once

#include "templates/templateinteraction.h"

#include <QPointer>
#include <QWidget>

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

private:
    MetadataReader& m_reader;
    QPointer<QWidget> m_parent;
};
