#pragma once

#include "app/routinesdialog.h"
#include "app/stepsdialog.h"
#include "ops/operationcall.h"
#include "ops/operationengine.h"
#include "platform/userinteraction.h"
#include "routines/routinelibrary.h"

#include <QCoreApplication>
#include <QPointer>

#include <functional>
#include <vector>

class QMenu;
class QWidget;

// The steps and routines of the window: the steps recorded since the list was loaded,
// cleared or restored, the saved routines listed at the top of the Routine book submenu
// each time it opens, and the commands of the submenu's entries.
class RoutineCommands {
    Q_DECLARE_TR_FUNCTIONS(RoutineCommands)
public:
    // menu: the Routine book, whose first entry is the line under the saved routines.
    // allowed(index) says whether the routine at index may run now.
    RoutineCommands(QWidget& window, OperationEngine& engine, UserInteraction& interaction,
                    QMenu& menu, std::function<bool(int index)> allowed);
    ~RoutineCommands();
    RoutineCommands(const RoutineCommands&) = delete;
    RoutineCommands& operator=(const RoutineCommands&) = delete;

    // The steps since the recording started, oldest first.
    const std::vector<OperationCall>& steps() const { return m_steps; }
    void record(const OperationCall& step);
    void startRecording();

    RoutineLibrary& library() { return m_library; }
    // Test only: routines kept in another folder than the user's.
    void setLibrary(RoutineLibrary library) { m_library = std::move(library); }

    // Asks for a name and saves the steps under it; a name already taken is asked again
    // and replaced when typed once more.
    void saveSteps();
    // Replays the saved routine on the selected lines; a routine that cannot be read is
    // named in a message and nothing runs. False when it did not run.
    bool runRoutine(const QString& name);
    // Saves a routine file into the library; "" or the reason (shown by the caller).
    QString importRoutine(const QString& path);
    void showSteps();
    void manageRoutines();
    // Test only: the open Steps list, or null.
    StepsDialog* stepsDialog() const { return m_stepsDialog; }

private:
    void fillMenu();
    void showError(const QString& text);

    QWidget& m_window;
    OperationEngine& m_engine;
    UserInteraction& m_interaction;
    std::function<bool(int)> m_allowed;
    RoutineLibrary m_library;
    std::vector<OperationCall> m_steps;
    QMenu& m_menu;
    QList<QAction*> m_listed; // the saved routines' entries
    QPointer<StepsDialog> m_stepsDialog;
    QPointer<RoutinesDialog> m_routinesDialog;
};
