#pragma once

#include "list/itemstore.h"
#include "ops/operationengine.h"
#include "scriptedplatform.h"
#include "scriptedtemplates.h"

#include <QStringList>

#include <initializer_list>

// The texts the list view shows, top to bottom.
inline QStringList storeLines(const ItemStore& store)
{
    QStringList out;
    for (int i = 0; i < store.rowCount(); ++i)
        out << store.data(store.index(i)).toString();
    return out;
}

// The preset of every prompt shown, in turn.
inline QStringList promptPresets(const ScriptedPlatform& platform)
{
    QStringList out;
    for (const ScriptedPlatform::Prompt& prompt : platform.prompts)
        out << prompt.preset;
    return out;
}

// A list of items with chosen names and extensions, a scripted platform and an engine on
// them, for tests that run ModifyItems end to end.
struct OpsBench {
    ItemStore store;
    ScriptedPlatform platform;
    EnumSwitches switches;
    FindReplaceValues findValues;
    ScriptedTemplates templates;
    OperationEngine engine{store, platform, switches, findValues, &templates};

    OpsBench() = default;
    // Names may carry an extension after a '|': "Song|.mp3".
    explicit OpsBench(std::initializer_list<const char*> names)
    {
        for (const char* entry : names)
            add(QString::fromUtf8(entry));
    }

    // Appends "name|.ext" in `folder`, marked when `selected`.
    void add(const QString& entry, const QString& folder = {}, bool selected = false)
    {
        const QStringList parts = entry.split(QLatin1Char('|'));
        Item item;
        item.ItemPath = folder;
        item.OrigName = item.NewName = parts.value(0);
        item.OrigExt = item.NewExt = parts.value(1);
        item.diskName = (item.OrigName + item.OrigExt).toUtf8();
        store.append(item);
        store.setSelected(store.ItemCount() - 1, selected);
    }

    void select(std::initializer_list<int> lines)
    {
        for (int line : lines)
            store.setSelected(line, true);
    }

    void answer(const QStringList& answers)
    {
        platform.inputAnswers.assign(answers.begin(), answers.end());
    }

    QStringList lines() const { return storeLines(store); }

    QStringList presets() const { return promptPresets(platform); }
};
