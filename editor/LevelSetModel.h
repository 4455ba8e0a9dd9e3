#pragma once
// The level set that the editor shows: the verdicts on one folder's L1.txt to L10.txt, kept
// true to the disk. While it follows the disk it watches the folder and each member file, and
// a change of either rescans the set soon after (a burst of changes gives one rescan); the
// rescan reads again only the files whose stamps changed.
#include "level/LevelSetVerdicts.h"

#include <QFileSystemWatcher>
#include <QObject>
#include <QTimer>
#include <string>

class LevelSetModel : public QObject {
    Q_OBJECT

public:
    // How long after a change on disk the set is read again.
    static constexpr int RescanDelayMs = 50;

    LevelSetModel();

    // Shows the set of another folder (scanned at once); the same folder changes nothing.
    void SetFolder(const std::string& folder);
    const std::string& Folder() const { return Current.folder; }
    const LevelSetVerdicts& Verdicts() const { return Current; }
    const SlotVerdict& Slot(int level) const { return Current.levels[level - 1]; }

    // Brings the verdicts up to date with the disk now.
    void Rescan();
    // Whether the model watches the disk and rescans on its own.
    void Follow(bool follow);

signals:
    // The verdict or the picture of one or more slots changed, or the folder did.
    void SlotsChanged();

private:
    void Watch();

    LevelSetVerdicts Current;
    QFileSystemWatcher Watcher;
    QTimer RescanSoon;
    bool Following = false;
};
