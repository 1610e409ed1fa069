#include "app/statusline.h"

#include "app/elidedlabel.h"

#include <QCoreApplication>
#include <QHBoxLayout>

namespace {

QString counted(int n, const char* one, const char* many)
{
    return QStringLiteral("%1 %2").arg(n).arg(
        QCoreApplication::translate("StatusLine", n == 1 ? one : many));
}

} // namespace

StatusLine::StatusLine(QWidget* parent) : QWidget(parent)
{
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(2, 0, 2, 0);
    // Both texts shrink to fit, ending in "…" with the whole text as a tool tip; the
    // counts take the room that is left over.
    m_counts = new ElidedLabel(this);
    m_message = new ElidedLabel(this);
    m_message->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    layout->addWidget(m_counts, 1);
    layout->addWidget(m_message, 0);
    setCounts(0, 0, 0, 0);
}

void StatusLine::setCounts(int files, int selected, int differing, int clashes)
{
    m_counts->setText(countsFor(files, selected, differing, clashes));
}

void StatusLine::setMessage(const QString& text)
{
    m_kept = text;
    m_message->setText(text);
}

void StatusLine::showProgress(const QString& text)
{
    m_message->setText(text);
}

void StatusLine::endProgress()
{
    m_message->setText(m_kept);
}

QString StatusLine::countsText() const
{
    return m_counts->text();
}

QString StatusLine::messageText() const
{
    return m_message->text();
}

QString StatusLine::countsFor(int files, int selected, int differing, int clashes)
{
    return QStringList{counted(files, QT_TRANSLATE_NOOP("StatusLine", "file"),
                               QT_TRANSLATE_NOOP("StatusLine", "files")),
                       tr("%1 selected").arg(selected),
                       counted(differing, QT_TRANSLATE_NOOP("StatusLine", "name differs"),
                               QT_TRANSLATE_NOOP("StatusLine", "names differ")),
                       counted(clashes, QT_TRANSLATE_NOOP("StatusLine", "clash"),
                               QT_TRANSLATE_NOOP("StatusLine", "clashes"))}
        .join(QStringLiteral(", "));
}

QString StatusLine::notAdded(int files, int limit)
{
    return counted(files, QT_TRANSLATE_NOOP("StatusLine", "file was"),
                   QT_TRANSLATE_NOOP("StatusLine", "files were")) +
           tr(" not added: the list holds at most %1").arg(limit);
}

QString StatusLine::renaming(int done, int total)
{
    return tr("Renaming %1 of %2 (Esc stops)").arg(done).arg(total);
}

QString StatusLine::undoing(int done, int total)
{
    return tr("Undoing %1 of %2 (Esc stops)").arg(done).arg(total);
}
