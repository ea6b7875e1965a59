#pragma once
// A folder made read-only, or made a small disk that can be filled, for the tests of what the
// program does there. Both mount over the folder (a read-only bind mount of itself, or a small
// memory file system), so they need a machine that lets the test mount; elsewhere ok() is false
// and the test is skipped. The mount is undone when the object goes.

#include <QProcess>
#include <QString>
#include <QStringList>

class FolderMount
{
public:
    static FolderMount readOnly(const QString &folder)
    {
        FolderMount m(folder);
        m.m_ok = run({ QStringLiteral("--bind"), folder, folder });
        if (m.m_ok && !run({ QStringLiteral("-o"), QStringLiteral("remount,bind,ro"), folder })) {
            run({ folder }, QStringLiteral("umount"));
            m.m_ok = false;
        }
        return m;
    }
    static FolderMount smallDisk(const QString &folder, int kib)
    {
        FolderMount m(folder);
        m.m_ok = run({ QStringLiteral("-t"), QStringLiteral("tmpfs"), QStringLiteral("-o"),
            QStringLiteral("size=%1k").arg(kib), QStringLiteral("tmpfs"), folder });
        return m;
    }
    FolderMount(FolderMount &&other) noexcept
        : m_folder(other.m_folder)
        , m_ok(other.m_ok)
    {
        other.m_ok = false;
    }
    FolderMount(const FolderMount &) = delete;
    FolderMount &operator=(const FolderMount &) = delete;
    ~FolderMount() { undo(); }

    bool ok() const { return m_ok; }
    void undo()
    {
        if (m_ok)
            run({ m_folder }, QStringLiteral("umount"));
        m_ok = false;
    }

private:
    explicit FolderMount(QString folder)
        : m_folder(std::move(folder))
    {
    }
    static bool run(const QStringList &args, const QString &program = QStringLiteral("mount"))
    {
        QProcess p;
        p.start(program, args);
        return p.waitForFinished(10000) && p.exitStatus() == QProcess::NormalExit && p.exitCode() == 0;
    }

    QString m_folder;
    bool m_ok = false;
};
