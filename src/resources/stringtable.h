#pragma once

#include <QString>

#include <initializer_list>

// The texts the program composes at run time, each under a fixed number. An unknown
// number is a programming error: it asserts in debug builds and gives "" otherwise.
QString LoadResString(int id);

// Texts joined into one prompt, lines separated by the character 13.
QString joinLines(std::initializer_list<int> ids);
