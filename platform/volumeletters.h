#pragma once
// Drive letters for the backup: on Windows the letters are the drives. Elsewhere the seven
// letters A..G are given to the mounted volumes the user can write to, removable media
// first; each letter stands for a folder (the volume's root, or the user's home folder where
// the root is not writable) that is shown beside it.

#include <QChar>
#include <QString>
#include <optional>
#include <vector>

struct VolumeLetter {
    QChar letter; // 'A' .. 'G'
    QString folder; // the folder the letter stands for
    QString name; // the volume's name as the user knows it
    bool removable = false;
};

class VolumeLetters
{
public:
    static constexpr int kLetters = 7;

    // The mapping of this machine, read now.
    static VolumeLetters current();
    // A mapping given outright (tests).
    explicit VolumeLetters(std::vector<VolumeLetter> letters);

    const std::vector<VolumeLetter> &letters() const { return m_letters; }
    // The folder a typed character stands for: a letter of the mapping in either case (on
    // Windows the drive's root); nothing when it names no volume.
    std::optional<QString> folderOf(QChar typed) const;
    // The letter whose folder holds `path` (the program's own drive); nothing when none does.
    std::optional<QChar> letterOf(const QString &path) const;
    // "A:", with the volume it stands for where letters are not the system's own.
    QString describe(QChar letter) const;

private:
    std::vector<VolumeLetter> m_letters;
};
