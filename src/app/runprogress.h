#pragma once

#include <QElapsedTimer>
#include <QObject>
#include <QString>

#include <functional>

class UserInteraction;
class StatusLine;

// The keepGoing answer of a long rename run (Apply, Undo). Once the run has taken about
// half a second it shows "done of total" in the status line every tenth of a second
// and lets the window repaint; Esc pressed on the window then stops the run after the
// current file, also where a window-wide shortcut would take the key. While the run goes
// on, other input to the window is swallowed, so no command can change the list under it;
// a box shown meanwhile (the only input the window's modality lets through) takes its own
// clicks and keys. Closing the window is left to the window, which calls stop().
class RunProgress : public QObject {
public:
    using Text = std::function<QString(int done, int total)>;

    RunProgress(StatusLine& line, UserInteraction& interaction, Text text);
    ~RunProgress() override;

    // Asked before each file: false once Esc was pressed or stop() was called.
    bool operator()(int done, int total);
    // Stops the run before the next file.
    void stop() { m_stopped = true; }

    static constexpr int QuietMs = 500;
    static constexpr int StepMs = 100; // as often as the window takes its events

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    StatusLine& m_line;
    UserInteraction& m_interaction;
    Text m_text;
    QElapsedTimer m_clock;
    qint64 m_nextUpdate = QuietMs;
    bool m_filtering = false;
    bool m_shown = false;
    bool m_stopped = false;
};
