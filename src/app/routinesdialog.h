#pragma once

#include "routines/routinelibrary.h"

#include <QDialog>

#include <functional>

class QListWidget;
class QPushButton;

// Manage routines: the saved routines, to run, rename, delete, export to a file, and to
// import from one. Renames, deletions and exports go straight to the library; running
// and importing go through the window, which owns the list and the engine.
class RoutinesDialog : public QDialog {
    Q_OBJECT
public:
    struct Actions {
        std::function<bool(const QString& name)> run;
        std::function<QString(const QString& path)> importFile; // "" or the reason
    };
    enum class Button { Run, Rename, Delete, Export, Import };

    RoutinesDialog(QWidget* parent, RoutineLibrary& library, Actions actions);

    void refresh();

private:
    QPushButton* button(Button which) const { return m_buttons[int(which)]; }
    QString current() const;
    void renameCurrent();
    void deleteCurrent();
    void exportCurrent();
    void importFile();
    void report(const QString& error);

    RoutineLibrary& m_library;
    Actions m_actions;
    QListWidget* m_list = nullptr;
    QPushButton* m_buttons[5] = {};
};
