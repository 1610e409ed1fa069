#include "app/routinesdialog.h"

#include "resources/stringtable.h"

#include <QDialogButtonBox>
#include <QFileDialog>
#include <QHBoxLayout>
#include <QInputDialog>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QVBoxLayout>

RoutinesDialog::RoutinesDialog(QWidget* parent, RoutineLibrary& library, Actions actions)
    : QDialog(parent), m_library(library), m_actions(std::move(actions))
{
    setWindowTitle(tr("Routines"));
    auto* layout = new QHBoxLayout(this);
    m_list = new QListWidget(this);
    layout->addWidget(m_list);
    auto* column = new QVBoxLayout;
    layout->addLayout(column);
    const QString captions[] = {tr("R&un"), tr("Re&name..."), tr("&Delete"), tr("&Export..."),
                                tr("&Import...")};
    void (RoutinesDialog::*const commands[])() = {
        nullptr, &RoutinesDialog::renameCurrent, &RoutinesDialog::deleteCurrent,
        &RoutinesDialog::exportCurrent, &RoutinesDialog::importFile};
    for (int i = 0; i < 5; ++i) {
        m_buttons[i] = new QPushButton(captions[i], this);
        m_buttons[i]->setAutoDefault(false);
        column->addWidget(m_buttons[i]);
        if (commands[i])
            connect(m_buttons[i], &QPushButton::clicked, this, commands[i]);
    }
    connect(button(Button::Run), &QPushButton::clicked, this, [this] {
        if (!current().isEmpty() && m_actions.run(current()))
            accept();
    });
    column->addStretch();
    auto* close = new QPushButton(tr("&Close"), this);
    column->addWidget(close);
    connect(close, &QPushButton::clicked, this, &QDialog::reject);
    connect(m_list, &QListWidget::itemDoubleClicked, button(Button::Run), &QPushButton::click);
    resize(420, 280);
}

void RoutinesDialog::refresh()
{
    const QString selected = current();
    m_list->clear();
    for (const RoutineLibrary::Entry& entry : m_library.list()) {
        m_list->addItem(entry.name);
        if (entry.name == selected)
            m_list->setCurrentRow(m_list->count() - 1);
    }
    if (!m_list->currentItem() && m_list->count() > 0)
        m_list->setCurrentRow(0);
    for (Button which : {Button::Run, Button::Rename, Button::Delete, Button::Export})
        button(which)->setEnabled(m_list->count() > 0);
}

QString RoutinesDialog::current() const
{
    return m_list->currentItem() ? m_list->currentItem()->text() : QString();
}

void RoutinesDialog::report(const QString& error)
{
    if (!error.isEmpty())
        QMessageBox::warning(this, LoadResString(TextId::ErrorTitle), error);
    refresh();
}

void RoutinesDialog::renameCurrent()
{
    const QString name = current();
    if (name.isEmpty())
        return;
    bool ok = false;
    const QString newName =
        QInputDialog::getText(this, tr("Rename routine"), tr("New name of “%1”").arg(name),
                              QLineEdit::Normal, name, &ok)
            .trimmed();
    if (ok && !newName.isEmpty() && newName != name)
        report(m_library.rename(name, newName));
}

void RoutinesDialog::deleteCurrent()
{
    const QString name = current();
    if (name.isEmpty())
        return;
    if (QMessageBox::question(this, tr("Delete routine"),
                              tr("Delete the routine “%1”?").arg(name)) == QMessageBox::Yes)
        report(m_library.remove(name));
}

void RoutinesDialog::exportCurrent()
{
    const QString name = current();
    if (name.isEmpty())
        return;
    const QString path = QFileDialog::getSaveFileName(
        this, tr("Export routine"), name + QLatin1String(".json"), tr("Routines (*.json)"));
    if (!path.isEmpty())
        report(m_library.exportTo(name, path));
}

void RoutinesDialog::importFile()
{
    const QString path = QFileDialog::getOpenFileName(this, tr("Import routine"), QString(),
                                                      tr("Routines (*.json);;All files (*)"));
    if (!path.isEmpty())
        report(m_actions.importFile(path));
}
