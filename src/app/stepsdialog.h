#pragma once

#include "ops/operationcall.h"

#include <QDialog>

#include <functional>
#include <vector>

class QListWidget;
class QPushButton;

// The Steps list: the commands that changed names since the list was loaded, cleared or
// restored, one line each, with a button that saves them as a routine.
class StepsDialog : public QDialog {
    Q_OBJECT
public:
    StepsDialog(QWidget* parent, std::function<void()> saveSteps);

    void setSteps(const std::vector<OperationCall>& steps);
    // Test only.
    QListWidget* list() const { return m_list; }

private:
    QListWidget* m_list = nullptr;
    QPushButton* m_save = nullptr;
};
