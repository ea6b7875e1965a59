#include "platform/volumeletters.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStorageInfo>
#include <algorithm>

namespace
{

#ifndef Q_OS_WIN
bool isPseudoFileSystem(const QStorageInfo &v)
{
    static const QList<QByteArray> pseudo { "proc", "sysfs", "devtmpfs", "devpts", "cgroup", "cgroup2", "securityfs",
        "debugfs", "tracefs", "pstore", "bpf", "mqueue", "hugetlbfs", "configfs", "fusectl", "autofs", "binfmt_misc",
        "squashfs", "nsfs", "efivarfs", "ramfs", "tmpfs" };
    if (pseudo.contains(v.fileSystemType()))
        return true;
    const QString root = v.rootPath();
    for (const char *system : { "/proc", "/sys", "/dev", "/run/user", "/snap", "/boot" })
        if (root == QLatin1String(system) || root.startsWith(QLatin1String(system) + QLatin1Char('/')))
            return true;
    return false;
}

// A device the kernel marks as removable (a USB stick, a card), or a volume mounted where
// desktops mount such media.
bool isRemovable(const QStorageInfo &v)
{
    const QString root = v.rootPath();
    if (root.startsWith(QLatin1String("/media/")) || root.startsWith(QLatin1String("/run/media/")))
        return true;
    QString device = QFileInfo(QString::fromLocal8Bit(v.device())).fileName();
    if (device.isEmpty())
        return false;
    // sdb1 -> sdb, mmcblk0p1 -> mmcblk0
    for (int i = 0; i < 2 && !QFileInfo::exists(QStringLiteral("/sys/block/%1").arg(device)); ++i) {
        if (device.contains(QLatin1Char('p')) && device.back().isDigit() && device.startsWith(QLatin1String("mmc")))
            device = device.left(device.lastIndexOf(QLatin1Char('p')));
        else
            while (!device.isEmpty() && device.back().isDigit())
                device.chop(1);
    }
    QFile flag(QStringLiteral("/sys/block/%1/removable").arg(device));
    return flag.open(QIODevice::ReadOnly) && flag.readAll().trimmed() == "1";
}
#endif

} // namespace

VolumeLetters::VolumeLetters(std::vector<VolumeLetter> letters)
    : m_letters(std::move(letters))
{
}

VolumeLetters VolumeLetters::current()
{
    std::vector<VolumeLetter> out;
#ifdef Q_OS_WIN
    for (int i = 0; i < kLetters; ++i) {
        const QChar letter(QLatin1Char(char('A' + i)));
        out.push_back({ letter, QStringLiteral("%1:/").arg(letter), QStringLiteral("%1:").arg(letter), false });
    }
#else
    const QString home = QDir::homePath();
    std::vector<VolumeLetter> found;
    for (const QStorageInfo &v : QStorageInfo::mountedVolumes()) {
        if (!v.isValid() || !v.isReady() || v.isReadOnly() || isPseudoFileSystem(v))
            continue;
        QString folder = v.rootPath();
        if (!QFileInfo(folder).isWritable()) {
            // The system volume: the user writes to their home folder on it.
            if (QStorageInfo(home).rootPath() != v.rootPath() || !QFileInfo(home).isWritable())
                continue;
            folder = home;
        }
        QString name = v.displayName();
        if (name.isEmpty() || name == v.rootPath())
            name = folder;
        else
            name = QStringLiteral("%1 (%2)").arg(name, folder);
        found.push_back({ QChar(), folder, name, isRemovable(v) });
    }
    std::stable_sort(found.begin(), found.end(),
        [](const VolumeLetter &a, const VolumeLetter &b) { return a.removable && !b.removable; });
    for (std::size_t i = 0; i < found.size() && int(i) < kLetters; ++i) {
        found[i].letter = QLatin1Char(char('A' + i));
        out.push_back(found[i]);
    }
#endif
    return VolumeLetters(std::move(out));
}

std::optional<QString> VolumeLetters::folderOf(QChar typed) const
{
    const QChar upper = typed.toUpper();
#ifdef Q_OS_WIN
    if (upper >= QLatin1Char('A') && upper <= QLatin1Char('Z'))
        return QStringLiteral("%1:/").arg(upper);
#endif
    for (const VolumeLetter &v : m_letters)
        if (v.letter == upper)
            return v.folder;
    return std::nullopt;
}

std::optional<QChar> VolumeLetters::letterOf(const QString &path) const
{
    const QString clean = QDir::cleanPath(QFileInfo(path).absoluteFilePath());
    std::optional<QChar> best;
    qsizetype bestLength = -1;
    for (const VolumeLetter &v : m_letters) {
        const QString folder = QDir::cleanPath(v.folder);
        const bool inside = clean.compare(folder, Qt::CaseInsensitive) == 0
            || clean.startsWith(
                folder.endsWith(QLatin1Char('/')) ? folder : folder + QLatin1Char('/'), Qt::CaseInsensitive);
        if (inside && folder.size() > bestLength) {
            best = v.letter;
            bestLength = folder.size();
        }
    }
    return best;
}

QString VolumeLetters::describe(QChar letter) const
{
    const QChar upper = letter.toUpper();
    for (const VolumeLetter &v : m_letters)
        if (v.letter == upper) {
#ifdef Q_OS_WIN
            return QStringLiteral("%1:").arg(upper);
#else
            return QStringLiteral("%1: %2").arg(upper).arg(v.name);
#endif
        }
    return QStringLiteral("%1:").arg(upper);
}
