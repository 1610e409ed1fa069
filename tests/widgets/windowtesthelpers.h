#pragma once

#include "app/filelistview.h"
#include "app/mainwindow.h"
#include "list/itemstore.h"
#include "scriptedplatform.h"

#include <QApplication>
#include <QCheckBox>
#include <QLineEdit>
#include <QList>
#include <QMenu>
#include <QPointer>
#include <QPushButton>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QStringList>
#include <QTest>
#include <QTimer>

#include <functional>
#include <memory>

// Small helpers shared by the window tests: items made in memory, readable
// views of the store, and the user's ways to reach widgets.
inline Item makeItem(const QByteArray& folder, const QString& name, const QString& ext)
{
    Item item;
    item.ItemPath = QString::fromUtf8(folder);
    item.OrigName = item.NewName = name;
    item.OrigExt = item.NewExt = ext;
    item.diskFolder = folder;
    item.diskName = (name + ext).toUtf8();
    return item;
}

inline void fill(MainWindow& window, const QStringList& names, const QString& ext = ".mp3")
{
    for (const QString& name : names)
        window.store().append(makeItem("/music", name, ext));
}

inline QStringList lines(const ItemStore& store)
{
    QStringList result;
    for (int i = 0; i < store.ItemCount(); ++i)
        result << store.item(i).line();
    return result;
}

inline QList<int> selectedLines(const ItemStore& store)
{
    QList<int> result;
    for (int i = 0; i < store.ItemCount(); ++i) {
        if (store.isSelected(i))
            result << i;
    }
    return result;
}

// A shown and active window, so that window shortcuts apply.
inline bool showActive(QWidget& window)
{
    window.show();
    window.activateWindow();
    return QTest::qWaitForWindowActive(&window);
}

// Replaces the text of a box as a user does: select all, type.
inline void typeInto(QLineEdit* box, const QString& text)
{
    box->selectAll();
    box->del();
    QTest::keyClicks(box, text);
}

// Clicks a check box where a user does: on its box, not right of the caption.
inline void clickBox(QCheckBox* box)
{
    QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(6, box->height() / 2));
}

// Runs `act` and returns the popup menu it opened, closed again; null if none
// opened.
inline QMenu* popupOpenedBy(const std::function<void()>& act)
{
    auto shown = std::make_shared<QPointer<QMenu>>();
    QTimer::singleShot(0, [shown] {
        *shown = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        if (*shown)
            (*shown)->close();
    });
    act();
    return *shown;
}
