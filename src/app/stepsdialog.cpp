#include "app/stepsdialog.h"

#include "routines/routinesteps.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

StepsDialog::StepsDialog(QWidget* parent, std::function<void()> saveSteps) : QDialog(parent)
{
    setWindowTitle(tr("Steps"));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(
        new QLabel(tr("The commands that changed names since the list was loaded, cleared or "
                      "restored:"),
                   this));
    m_list = new QListWidget(this);
    layout->addWidget(m_list);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    m_save = buttons->addButton(tr("Save as &routine..."), QDialogButtonBox::ActionRole);
    layout->addWidget(buttons);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(m_save, &QPushButton::clicked, this,
            [saveSteps = std::move(saveSteps)] { saveSteps(); });
    resize(480, 320);
}

void StepsDialog::setSteps(const std::vector<OperationCall>& steps)
{
    m_list->clear();
    for (size_t i = 0; i < steps.size(); ++i)
        m_list->addItem(QStringLiteral("%1. ").arg(i + 1) + RoutineSteps::describe(steps[i]));
    m_save->setEnabled(!steps.empty());
}
