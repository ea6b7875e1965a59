#pragma once
// Copies of the data files in another folder: the four stores and the settings file, each
// only if it exists. A store is copied as a consistent snapshot through SQLite's online
// backup (a live store is never copied as raw files); every copy is written under a
// temporary name and renamed over the old copy once complete, so a copy that fails half way
// never replaces a good one.

#include "platform/result.h"

#include <QString>
#include <functional>
#include <vector>

class DataBackup
{
public:
    struct Item {
        QString fileName; // "BREWSV3.sqlite", ..., "Maltwright.ini"
        bool isStore = true;
        std::vector<int> progressAfter; // the progress values shown once it is copied
    };
    struct Failure {
        QString fileName;
        QString reason;
        friend bool operator==(const Failure &, const Failure &) = default;
    };
    struct Outcome {
        std::vector<QString> copied; // file names, in order
        std::vector<Failure> failures;
        bool brewsFailed = false; // the Brews store failed: nothing after it was tried
        bool ok() const { return failures.empty(); }
    };
    // Called as the copy goes: the progress value (0 .. 100) and the file being copied.
    using Progress = std::function<void(int percent, const QString &fileName)>;

    // The files in the order they are copied, with the progress after each.
    static const std::vector<Item> &items();

    explicit DataBackup(QString dataFolder);
    void setProgress(Progress progress) { m_progress = std::move(progress); }
    // Copies every existing data file into `destFolder`, which must exist. A failure of the
    // Brews store stops the run; a later failure is noted and the run goes on.
    Outcome copyTo(const QString &destFolder);

    // One store copied page by page into `target` (through `target`.part), the progress of
    // the pages passed to `pages(done, total)`.
    static Result copyStore(
        const QString &source, const QString &target, const std::function<void(int done, int total)> &pages = {});
    // A plain file copied through `target`.part, on the disk before the rename.
    static Result copyFile(const QString &source, const QString &target);

private:
    QString m_folder;
    Progress m_progress;
};
