#pragma once

#include "app/mainwindow.h"

#include <QAbstractButton>
#include <QHash>
#include <QMenu>
#include <QString>
#include <QStringList>

// The accelerator letter of a caption ("Add &to end..." gives t), or none; "&&" is a
// literal ampersand.
inline QChar accelerator(const QString& caption)
{
    for (int i = 0; i + 1 < caption.size(); ++i) {
        if (caption[i] == QLatin1Char('&') && caption[i + 1] != QLatin1Char('&'))
            return caption[i + 1].toLower();
        if (caption[i] == QLatin1Char('&'))
            ++i;
    }
    return {};
}

// Entries without a letter, or with a letter that another entry of the same menu has,
// in every menu and submenu below menu.
inline QStringList acceleratorFaults(const QMenu* menu)
{
    QStringList faults;
    QHash<QChar, QString> taken;
    for (const QAction* action : menu->actions()) {
        if (action->isSeparator())
            continue;
        const QChar letter = accelerator(action->text());
        const QString entry = menu->title() + QStringLiteral(" > \"") + action->text() + '"';
        if (letter.isNull())
            faults << entry + QStringLiteral(" has no letter");
        else if (taken.contains(letter))
            faults << entry + QStringLiteral(" shares its letter with \"") + taken[letter] + '"';
        else
            taken.insert(letter, action->text());
        if (action->menu())
            faults << acceleratorFaults(action->menu());
    }
    return faults;
}

// The faults of both popup menus, and of the window's buttons and check boxes, which
// share the window and so must differ from each other too.
inline QStringList windowAcceleratorFaults(MainWindow& window)
{
    QMenu controls;
    controls.setTitle(QStringLiteral("window"));
    for (const QAbstractButton* control : window.findChildren<QAbstractButton*>())
        controls.addAction(control->text());
    return acceleratorFaults(window.menus().itemMenu()) +
           acceleratorFaults(window.menus().listMenu()) + acceleratorFaults(&controls);
}
