#include "app/routinecommands.h"

#include "app/routinesdialog.h"
#include "app/stepsdialog.h"
#include "resources/stringtable.h"
#include "routines/routineplayer.h"
#include "text/spacetrim.h"

#include <QAction>
#include <QMenu>
#include <QWidget>

RoutineCommands::RoutineCommands(QWidget& window, OperationEngine& engine,
                                 UserInteraction& interaction, QMenu& menu,
                                 std::function<bool(int)> allowed)
    : m_window(window), m_engine(engine), m_interaction(interaction), m_allowed(std::move(allowed)),
      m_menu(menu)
{
    QObject::connect(&m_menu, &QMenu::aboutToShow, &m_menu, [this] { fillMenu(); });
    fillMenu();
}

RoutineCommands::~RoutineCommands()
{
    delete m_stepsDialog.data();
    delete m_routinesDialog.data();
}

void RoutineCommands::record(const OperationCall& step)
{
    m_steps.push_back(step);
    if (m_stepsDialog)
        m_stepsDialog->setSteps(m_steps);
}

void RoutineCommands::startRecording()
{
    m_steps.clear();
    if (m_stepsDialog)
        m_stepsDialog->setSteps(m_steps);
}

void RoutineCommands::fillMenu()
{
    qDeleteAll(m_listed);
    m_listed.clear();
    QAction* const line = m_menu.actions().value(0);
    const std::vector<RoutineLibrary::Entry> routines = m_library.list();
    for (size_t i = 0; i < routines.size(); ++i) {
        QString caption = routines[i].name;
        caption.replace(QLatin1Char('&'), QLatin1String("&&"));
        if (i < 9)
            caption = QStringLiteral("&%1 ").arg(i + 1) + caption;
        auto* action = new QAction(caption, &m_menu);
        action->setObjectName(QStringLiteral("mRoutine(%1)").arg(i));
        m_menu.insertAction(line, action);
        m_listed << action;
        const QString name = routines[i].name;
        QObject::connect(action, &QAction::triggered, &m_menu, [this, name, i] {
            if (m_allowed(int(i)))
                runRoutine(name);
        });
    }
    if (line)
        line->setVisible(!routines.empty());
}

void RoutineCommands::showError(const QString& text)
{
    m_interaction.messageBox(text, LoadResString(TextId::ErrorTitle));
}

void RoutineCommands::saveSteps()
{
    if (m_steps.empty()) {
        m_interaction.messageBox(tr("There are no steps to save yet: the steps are the commands "
                                    "that changed names since the list was loaded, cleared or "
                                    "restored."),
                                 LoadResString(TextId::AppTitle));
        return;
    }
    QString prompt = tr("Name of the routine");
    QString preset;
    for (;;) {
        const QString name =
            trimSpaces(m_interaction.inputBox(prompt, tr("Save steps as routine"), preset));
        if (name.isEmpty())
            return;
        if (m_library.pathOf(name).isEmpty() || name == preset) {
            const QString error = m_library.save({name, m_steps});
            if (!error.isEmpty())
                showError(error);
            return;
        }
        prompt = tr("A routine called “%1” exists. Type its name again to replace it, or "
                    "another name.")
                     .arg(name);
        preset = name;
    }
}

bool RoutineCommands::runRoutine(const QString& name)
{
    const RoutineFile::Read read = m_library.load(name);
    if (!read.routine) {
        showError(read.error);
        return false;
    }
    RoutinePlayer::play(*read.routine, m_engine);
    return true;
}

QString RoutineCommands::importRoutine(const QString& path)
{
    const RoutineFile::Read read = RoutineLibrary::importFrom(path);
    if (!read.routine)
        return read.error;
    if (!m_library.pathOf(read.routine->name).isEmpty())
        return tr("There is already a routine called “%1”: rename or delete it first.")
            .arg(read.routine->name);
    return m_library.save(*read.routine);
}

void RoutineCommands::showSteps()
{
    if (!m_stepsDialog) {
        m_stepsDialog = new StepsDialog(&m_window, [this] { saveSteps(); });
        m_stepsDialog->setAttribute(Qt::WA_DeleteOnClose);
    }
    m_stepsDialog->setSteps(m_steps);
    m_stepsDialog->show();
    m_stepsDialog->raise();
}

void RoutineCommands::manageRoutines()
{
    if (!m_routinesDialog) {
        RoutinesDialog::Actions actions;
        actions.run = [this](const QString& name) { return runRoutine(name); };
        actions.importFile = [this](const QString& path) { return importRoutine(path); };
        m_routinesDialog = new RoutinesDialog(&m_window, m_library, actions);
        m_routinesDialog->setAttribute(Qt::WA_DeleteOnClose);
    }
    m_routinesDialog->refresh();
    m_routinesDialog->show();
    m_routinesDialog->raise();
}
