#pragma once

#include "list/itemstore.h"
#include "ops/operationengine.h"
#include "scriptedplatform.h"
#include "scriptedtemplates.h"

#include <QStringList>

#include <initializer_list>

// A list of items with chosen names and extensions, a scripted platform and an engine on
// them, for tests that run ModifyItems end to end.
struct OpsBench {
    ItemStore store;
    ScriptedPlatform platform;
    EnumSwitches switches;
    FindReplaceValues findValues;
    ScriptedTemplates templates;
    OperationEngine engine{store, platform, switches, findValues, &templates};

    // Names may carry an extension after a '|': "Song|.mp3".
    explicit OpsBench(std::initializer_list<const char*> names)
    {
        for (const char* entry : names) {
            const QStringList parts = QString::fromUtf8(entry).split(QLatin1Char('|'));
            Item item;
            item.OrigName = item.NewName = parts.value(0);
            item.OrigExt = item.NewExt = parts.value(1);
            item.diskName = (item.OrigName + item.OrigExt).toUtf8();
            store.append(item);
        }
    }

    void select(std::initializer_list<int> lines)
    {
        for (int line : lines)
            store.setSelected(line, true);
    }

    QStringList newNames() const
    {
        QStringList out;
        for (int i = 0; i < store.ItemCount(); ++i)
            out << store.item(i).NewName;
        return out;
    }

    // The texts the list view shows.
    QStringList lines() const
    {
        QStringList out;
        for (int i = 0; i < store.rowCount(); ++i)
            out << store.data(store.index(i)).toString();
        return out;
    }

    std::vector<bool> marks() const
    {
        std::vector<bool> out;
        for (int i = 0; i < store.ItemCount(); ++i)
            out.push_back(store.isSelected(i));
        return out;
    }
};
