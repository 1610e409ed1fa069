#pragma once

#include "dialogs/routinesdialog.h"
#include "dialogs/stepsdialog.h"
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
// cleared or restored, the Routine book submenu (the saved routines, then Steps..., Save
// steps as routine... and Manage routines...), and the commands behind it.
class RoutineCommands {
    Q_DECLARE_TR_FUNCTIONS(RoutineCommands)
public:
    // allowed() says whether a command may change the list now.
    RoutineCommands(QWidget& window, OperationEngine& engine, UserInteraction& interaction,
                    std::function<bool()> allowed);
    ~RoutineCommands();
    RoutineCommands(const RoutineCommands&) = delete;
    RoutineCommands& operator=(const RoutineCommands&) = delete;

    // The steps since the recording started, oldest first.
    const std::vector<OperationCall>& steps() const { return m_steps; }
    void record(const OperationCall& step);
    void startRecording();

    QMenu* menu() const { return m_menu; }
    RoutineLibrary& library() { return m_library; }
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
    StepsDialog* stepsDialog() const { return m_stepsDialog; }
    RoutinesDialog* routinesDialog() const { return m_routinesDialog; }

private:
    void fillMenu();
    void showError(const QString& text);

    QWidget& m_window;
    OperationEngine& m_engine;
    UserInteraction& m_interaction;
    std::function<bool()> m_allowed;
    RoutineLibrary m_library;
    std::vector<OperationCall> m_steps;
    QMenu* m_menu = nullptr;
    QPointer<StepsDialog> m_stepsDialog;
    QPointer<RoutinesDialog> m_routinesDialog;
};
