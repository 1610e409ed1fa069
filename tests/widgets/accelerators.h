#pragma once

#include "app/mainwindow.h"

#include <QAbstractButton>
#include <QHash>
#include <QMenu>
#include <QString>
#include <QStringList>

// Entries without an accelerator letter, or with a letter that another entry of the same menu
// has, in every menu and submenu below menu. "&&" is a literal ampersand.
inline QStringList acceleratorFaults(const QMenu* menu)
{
    QStringList faults;
    QHash<QChar, QString> taken;
    for (const QAction* action : menu->actions()) {
        if (action->isSeparator())
            continue;
        const QString caption = action->text();
        const QString entry = menu->title() + QStringLiteral(" > \"") + caption + '"';
        const qsizetype at = QString(caption).replace("&&", "__").indexOf('&');
        const QChar letter =
            at < 0 || at + 1 >= caption.size() ? QChar() : caption[at + 1].toLower();
        if (letter.isNull())
            faults << entry + QStringLiteral(" has no letter");
        else if (taken.contains(letter))
            faults << entry + QStringLiteral(" shares its letter with \"") + taken[letter] + '"';
        else
            taken.insert(letter, caption);
        if (action->menu())
            faults << acceleratorFaults(action->menu());
    }
    return faults;
}

// The faults of both popup menus, and of the window's buttons and check boxes, which share the
// window and so must differ from each other too.
inline QStringList windowAcceleratorFaults(MainWindow& window)
{
    QMenu controls;
    controls.setTitle(QStringLiteral("window"));
    for (const QAbstractButton* control : window.findChildren<QAbstractButton*>())
        controls.addAction(control->text());
    return acceleratorFaults(window.menus().itemMenu()) +
           acceleratorFaults(window.menus().listMenu()) + acceleratorFaults(&controls);
}
