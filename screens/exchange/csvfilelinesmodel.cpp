#include "screens/exchange/csvfilelinesmodel.h"

#include <QByteArrayMatcher>
#include <cstring>

CsvFileLinesModel::CsvFileLinesModel(QObject *parent)
    : QAbstractListModel(parent)
{
}

CsvFileLinesModel::~CsvFileLinesModel() { clear(); }

void CsvFileLinesModel::clear()
{
    beginResetModel();
    if (m_data)
        m_file.unmap(const_cast<uchar *>(m_data));
    m_data = nullptr;
    m_size = 0;
    m_file.close();
    m_starts.clear();
    endResetModel();
}

bool CsvFileLinesModel::load(const QString &path)
{
    clear();
    m_error.clear();
    m_file.setFileName(path);
    if (!m_file.open(QIODevice::ReadOnly)) {
        m_error = m_file.errorString();
        return false;
    }
    beginResetModel();
    m_size = m_file.size();
    if (m_size > 0) {
        m_data = m_file.map(0, m_size);
        if (!m_data) {
            m_error = m_file.errorString();
            m_size = 0;
            m_file.close();
            endResetModel();
            return false;
        }
        const char *p = reinterpret_cast<const char *>(m_data);
        qint64 at = 0;
        while (at < m_size) {
            m_starts.push_back(at);
            const void *nl = std::memchr(p + at, '\n', std::size_t(m_size - at));
            if (!nl)
                break;
            at = static_cast<const char *>(nl) - p + 1;
        }
    }
    endResetModel();
    return true;
}

int CsvFileLinesModel::rowCount(const QModelIndex &parent) const { return parent.isValid() ? 0 : int(m_starts.size()); }

QByteArray CsvFileLinesModel::bytes(int row) const
{
    if (row < 0 || row >= int(m_starts.size()))
        return {};
    const qint64 start = m_starts[std::size_t(row)];
    qint64 end = std::size_t(row) + 1 < m_starts.size() ? m_starts[std::size_t(row) + 1] : m_size;
    const char *p = reinterpret_cast<const char *>(m_data);
    while (end > start && (p[end - 1] == '\n' || p[end - 1] == '\r'))
        --end;
    return QByteArray::fromRawData(p + start, end - start);
}

QString CsvFileLinesModel::line(int row) const { return QString::fromUtf8(bytes(row)); }

QVariant CsvFileLinesModel::data(const QModelIndex &index, int role) const
{
    if (role != Qt::DisplayRole || !index.isValid())
        return {};
    return line(index.row());
}

int CsvFileLinesModel::find(const QString &text, int from) const
{
    const int n = rowCount();
    if (text.isEmpty() || n == 0)
        return -1;
    from = std::clamp(from, 0, n - 1);
    for (int i = 0; i < n; ++i) {
        const int row = (from + i) % n;
        if (line(row).contains(text, Qt::CaseInsensitive))
            return row;
    }
    return -1;
}
