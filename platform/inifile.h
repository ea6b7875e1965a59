#pragma once
// Private-profile INI files (the settings file and the window-state file):
// read, write and remove one key of a section, the rest of the file kept as it was.
//
// Section and key names are found without regard to case; the first section of
// a name is the one used. Lines starting with ";" are comments. A value is
// stored as given: one with leading or trailing blanks, or wrapped in double
// quotes itself, is written inside a pair of double quotes that reading takes
// off again. A missing, unreadable or damaged file (binary garbage, a line that
// is not UTF-8, a folder in its place) reads as empty values.
//
// Every change writes the whole file to a temporary file in the same folder,
// flushes it to disk and renames it over the old one, so a crash leaves either
// the old file or the new one, never half of one. A change that cannot be made
// comes back as a failure with its reason and leaves the file untouched.

#include "platform/result.h"

#include <QString>
#include <optional>
#include <vector>

class IniFile
{
public:
    // One key to set, or to remove when value is empty (nullopt).
    struct Change {
        QString key;
        std::optional<QString> value;
    };

    explicit IniFile(QString path)
        : m_path(std::move(path))
    {
    }
    const QString &path() const { return m_path; }

    // The value of a key; the empty text when the file, section or key is missing.
    QString read(const QString &section, const QString &key) const;
    // Whether the key is present (its value may still be empty).
    bool contains(const QString &section, const QString &key) const;

    // Creates the file and the section when needed.
    Result write(const QString &section, const QString &key, const QString &value) const;
    Result remove(const QString &section, const QString &key) const;
    // Several keys of one section in one replacement of the file, all or none;
    // keys new to the section are added in the order given.
    Result update(const QString &section, const std::vector<Change> &changes) const;

private:
    QString m_path;
};
