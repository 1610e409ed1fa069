#pragma once

#include "ops/opcode.h"
#include "text/findreplacevalues.h"

#include <QString>
#include <QtGlobal>

#include <QByteArray>

#include <functional>
#include <utility>
#include <vector>

// A tiny harness for the bench program: each bench file registers one group, and the
// program runs every group (or those named on the command line) and prints one figure
// per line.
struct BenchStats {
    double minMs = 0;
    double medianMs = 0;
    double cpuMinMs = -1; // the thread's own CPU time, which a busy machine does not inflate
};

// Runs setup (untimed) and then body (timed) runs times.
BenchStats timeRuns(int runs, const std::function<void()>& setup,
                    const std::function<void()>& body);
void printFigure(const QString& name, const BenchStats& stats);
void printLine(const QString& text);

// The bare loop the rename figures are measured against: renameat2 without replacing, one
// call per pair of full paths. False when any of them failed.
bool renameAllRaw(const std::vector<std::pair<QByteArray, QByteArray>>& paths);

struct BenchRegistrar {
    BenchRegistrar(const char* group, std::function<void()> run);
};

class ItemStore;

// Times ModifyItems(op) over the store with a real list view shown offscreen (unless
// withView is false), the prompt answered with answer. Each run starts from the names on
// disk; the timing covers the operation and one repaint of the view.
void benchModifyItems(ItemStore& store, OpCode op, const QString& answer, const QString& label,
                      bool withView = true, const FindReplaceValues& findValues = {});
