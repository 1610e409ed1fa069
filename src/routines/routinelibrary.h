#pragma once

#include "routines/routinefile.h"

#include <QCoreApplication>
#include <QString>

#include <vector>

// The saved routines: one file per routine in a folder of their own ("routines" under the
// application's configuration folder by default). A routine is known by the name inside
// its file; the file's name is made from it.
class RoutineLibrary {
    Q_DECLARE_TR_FUNCTIONS(RoutineLibrary)
public:
    struct Entry {
        QString name; // the routine's name, or the file's name when it cannot be read
        QString path;
    };

    explicit RoutineLibrary(QString folder = defaultFolder());
    static QString defaultFolder();
    QString folder() const { return m_folder; }

    // Every routine, by name (letter case ignored).
    std::vector<Entry> list() const;
    // The path of the routine called name, or "".
    QString pathOf(const QString& name) const;
    // Reads the routine called name; the error names it when it is missing or unreadable.
    RoutineFile::Read load(const QString& name) const;

    // Saves under routine.name, replacing a routine of that name. "" or the reason.
    QString save(const Routine& routine) const;
    QString rename(const QString& name, const QString& newName) const;
    QString remove(const QString& name) const;
    // Writes the routine called name to path.
    QString exportTo(const QString& name, const QString& path) const;
    // Reads a routine file; the caller saves it (under its name or another).
    static RoutineFile::Read importFrom(const QString& path);

private:
    QString freePath(const QString& name) const;

    QString m_folder;
};
