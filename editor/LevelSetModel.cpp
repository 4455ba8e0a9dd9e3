#include "editor/LevelSetModel.h"

#include <algorithm>

LevelSetModel::LevelSetModel() {
    RescanSoon.setSingleShot(true);
    RescanSoon.setInterval(RescanDelayMs);
    connect(&RescanSoon, &QTimer::timeout, this, &LevelSetModel::Rescan);
    const auto soon = [this] { RescanSoon.start(); };
    connect(&Watcher, &QFileSystemWatcher::directoryChanged, this, soon);
    connect(&Watcher, &QFileSystemWatcher::fileChanged, this, soon);
}

void LevelSetModel::SetFolder(const std::string& folder) {
    if (folder == Current.folder && !folder.empty())
        return;
    Current = JudgeLevelSet(folder);
    Watch();
    emit SlotsChanged();
}

void LevelSetModel::Rescan() {
    Current = JudgeLevelSet(Current.folder, Current);
    Watch();
    if (std::any_of(Current.levels.begin(), Current.levels.end(),
                    [](const SlotVerdict& slot) { return slot.changed; }))
        emit SlotsChanged();
}

void LevelSetModel::Follow(bool follow) {
    Following = follow;
    Watch();
}

// A file replaced by a rename loses its watch with its old inode; each rescan watches the files
// that hold the set now.
void LevelSetModel::Watch() {
    QStringList wanted;
    if (Following) {
        wanted.append(QString::fromLocal8Bit(Current.folder));
        for (const SlotVerdict& slot : Current.levels)
            if (slot.kind != SlotVerdict::Kind::Missing)
                wanted.append(QString::fromLocal8Bit(slot.path));
    }
    QStringList unwanted = Watcher.files() + Watcher.directories();
    for (const QString& path : wanted)
        unwanted.removeAll(path);
    if (!unwanted.isEmpty())
        Watcher.removePaths(unwanted);
    const QStringList watched = Watcher.files() + Watcher.directories();
    wanted.removeIf([&watched](const QString& path) { return watched.contains(path); });
    if (!wanted.isEmpty())
        Watcher.addPaths(wanted);
}
