#pragma once
// The lines of a text file as a list model: the file is mapped and only the start of each
// line is kept, so a file of 100,000 lines opens at once and a view shows the rows it paints.

#include <QAbstractListModel>
#include <QFile>
#include <vector>

class CsvFileLinesModel : public QAbstractListModel
{
    Q_OBJECT
public:
    explicit CsvFileLinesModel(QObject *parent = nullptr);
    ~CsvFileLinesModel() override;

    // Loads `path`; false (and no rows) when it cannot be read.
    bool load(const QString &path);
    void clear();
    QString errorString() const { return m_error; }

    int rowCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    // The line as it stands in the file, without its line end.
    QString line(int row) const;

    // The first row at or after `from` (wrapping round to the top) whose line holds `text`,
    // case ignored; -1 when none does.
    int find(const QString &text, int from) const;

private:
    QByteArray bytes(int row) const;

    QFile m_file;
    const uchar *m_data = nullptr;
    qint64 m_size = 0;
    std::vector<qint64> m_starts;
    QString m_error;
};
