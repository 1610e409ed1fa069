#pragma once

#include "list/itemstore.h"

#include <QListView>

#include <vector>

// The list box: one line per item, painted from the store. Selection marks and the
// focused line live in the store (one bit per line), not in Qt's selection model, so that
// selecting, inverting or reading thousands of scattered marks costs nothing per line.
// Mouse and keyboard give the usual extended selection: click, Shift and Ctrl.
class FileListView : public QListView {
    Q_OBJECT
public:
    explicit FileListView(ItemStore& store, QWidget* parent = nullptr);

Q_SIGNALS:
    void pathsDropped(const std::vector<QByteArray>& paths); // native byte paths
    void manualEditRequested();                              // double click on a line
    void removeRequested();                                  // Delete key
    void menuRequested();                                    // right button up, menu key

protected:
    ItemStore& m_store;
};
