#pragma once

#include <QString>
#include <QWidget>

class ElidedLabel;

// The line under the list: on the left the counts of the list (files, selected, names
// that differ from the disk, clashes), on the right the outcome of the last run, a note
// from the last load, or the progress of a run going on. Texts too long for the width
// end in "…" and show in full as a tool tip.
class StatusLine : public QWidget {
    Q_OBJECT
public:
    explicit StatusLine(QWidget* parent = nullptr);

    void setCounts(int files, int selected, int differing, int clashes);
    // The outcome or note on the right, kept until the next one ("" clears it).
    void setMessage(const QString& text);
    // Replaces the message while a run goes on; the message returns with endProgress.
    void showProgress(const QString& text);
    void endProgress();

    // Test only (no caller in the program): the two texts as shown.
    QString countsText() const;
    QString messageText() const;

    // "120 files, 3 selected, 40 names differ, 2 clashes".
    static QString countsFor(int files, int selected, int differing, int clashes);
    // "1200 files were not added: the list holds at most 32767".
    static QString notAdded(int files, int limit);
    // "Renaming 1200 of 32767 (Esc stops)" and the same for an undo.
    static QString renaming(int done, int total);
    static QString undoing(int done, int total);

private:
    ElidedLabel* m_counts = nullptr;
    ElidedLabel* m_message = nullptr;
    QString m_kept;
};
