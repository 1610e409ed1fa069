#include "app/metadataprogress.h"

#include <QCoreApplication>

MetadataProgress::MetadataProgress(StatusLine& line, UserInteraction& interaction)
    : m_line(line), m_interaction(interaction)
{
}

bool MetadataProgress::operator()(int done, int total)
{
    if (done == 0 || !m_run) {
        m_run = std::make_unique<RunProgress>(m_line, m_interaction, &MetadataProgress::reading);
        m_stopRequested = false;
    }
    const bool keepGoing = (*m_run)(done, total) && !m_stopRequested;
    // The read is over: the status line gets its message back and input flows again.
    if (!keepGoing || done >= total)
        m_run.reset();
    return keepGoing;
}

QString MetadataProgress::reading(int done, int total)
{
    return QCoreApplication::translate("MetadataProgress", "Reading file %1 of %2 (Esc stops)")
        .arg(done)
        .arg(total);
}
