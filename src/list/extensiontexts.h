#pragma once

#include <QString>
#include <QStringView>

#include <array>
#include <cstddef>

// One shared text per extension for the files of a large load: a folder of 30000 photos
// then holds one ".jpg", not 30000 copies of it, which saves an allocation and the memory
// it touches for every file.
class ExtensionTexts {
public:
    // A text equal to extension: one handed out before when it was among the last few
    // distinct extensions met, else a new one, which is remembered.
    QString text(QStringView extension);

private:
    std::array<QString, 8> m_recent;
    std::size_t m_next = 0;
};
