#pragma once

#include "app/runprogress.h"

#include <memory>

class StatusLine;
class UserInteraction;

// The keepGoing answer while file metadata is read for a sort or a template: a read
// that takes longer than half a second shows "Reading file 120 of 5000 (Esc stops)" in
// the status line, and Esc stops it, as for a rename run. Each read starts with done = 0
// and ends with done = total (or stops); one object serves every read of the window.
class MetadataProgress {
public:
    MetadataProgress(StatusLine& line, UserInteraction& interaction);

    bool operator()(int done, int total);
    // Whether a read is going on, and a way to stop it before its next file (a close of
    // the window).
    bool isReading() const { return m_run != nullptr; }
    void stop() { m_stopRequested = true; }

    static QString reading(int done, int total);

private:
    StatusLine& m_line;
    UserInteraction& m_interaction;
    std::unique_ptr<RunProgress> m_run;
    bool m_stopRequested = false;
};
