#include "deck/jetcardreader.h"

#include "deck/storemessages.h"

#include <QCoreApplication>
#include <QFile>
#include <QScopeGuard>

#include <mdbtools.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <limits>
#include <vector>

#include <unistd.h>

namespace {

QString tr(const char *text)
{
    return QCoreApplication::translate("JetFile", text);
}

// Byte 0x14 of the first page tells the two Jet generations apart.
constexpr qint64 versionOffset = 0x14;
constexpr char jet3Version = 0x00;
constexpr char jet4Version = 0x01;
constexpr qint64 jet3PageSize = 2048;
constexpr qint64 jet4PageSize = 4096;
// libmdb finds the list of tables on page 2, so no card database is shorter.
constexpr unsigned long listOfTablesPage = 2;
constexpr qint64 minimumPages = listOfTablesPage + 1;

// libmdb follows a table's usage map, to find its rows, without checking that
// the map is there.
bool hasUsageMap(const MdbTableDef *table)
{
    return table->usage_map && table->map_sz > 0;
}

// Every page libmdb reads comes through here instead of through its own file
// stream: a read past the end is noted, so that a file cut short at a page
// boundary is reported as damaged rather than read as a smaller card set, and
// there is no way to write.
struct PageReader
{
    int fd = -1;
    qint64 size = 0;
    qint64 position = 0;
    bool readPastEnd = false;
};

ssize_t readPage(void *cookie, char *buffer, size_t length)
{
    auto *reader = static_cast<PageReader *>(cookie);
    if (reader->position < 0 || reader->position >= reader->size) {
        reader->readPastEnd = true;
        errno = EIO;
        return -1;
    }
    const qint64 available = std::min<qint64>(qint64(length), reader->size - reader->position);
    qint64 done = 0;
    while (done < available) {
        const ssize_t n = ::pread(reader->fd, buffer + done, size_t(available - done), reader->position + done);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0) {
            // The file shrank while it was being read.
            reader->readPastEnd = true;
            if (n == 0)
                errno = EIO;
            return -1;
        }
        done += n;
    }
    reader->position += done;
    return ssize_t(done);
}

int seekPage(void *cookie, off64_t *offset, int whence)
{
    auto *reader = static_cast<PageReader *>(cookie);
    // libmdb skips, without saying so to its caller, a page that lies beyond
    // the end it is told; a far end lets every page request reach readPage.
    constexpr qint64 farEnd = std::numeric_limits<qint64>::max() / 4;
    qint64 base = 0;
    switch (whence) {
    case SEEK_SET:
        break;
    case SEEK_CUR:
        base = reader->position;
        break;
    case SEEK_END:
        base = farEnd;
        break;
    default:
        errno = EINVAL;
        return -1;
    }
    if (*offset > farEnd || base + *offset < 0) {
        errno = EINVAL;
        return -1;
    }
    reader->position = base + *offset;
    *offset = reader->position;
    return 0;
}

int closePages(void *)
{
    // The file itself belongs to the JetFile.
    return 0;
}

// An Access card database opened for one reading.
class JetFile
{
public:
    explicit JetFile(const QString &path) : m_path(path) {}
    ~JetFile() { close(); }

    JetFile(const JetFile &) = delete;
    JetFile &operator=(const JetFile &) = delete;

    StoreResult<CardRows> rows();

private:
    std::optional<StoreError> openTable();
    std::optional<StoreError> findCardTable();
    void close();
    // The file's size is not a whole number of pages.
    StoreError cutShort() const;
    // A page was asked for beyond the end of the file.
    StoreError pagesMissing() const;

    QString m_path;
    QFile m_file;
    PageReader m_reader;
    MdbHandle *m_mdb = nullptr;
    MdbCatalogEntry m_entry{};
    MdbTableDef *m_table = nullptr;
    int m_column = -1; // one-based, as libmdb counts columns
};

StoreError JetFile::cutShort() const
{
    return storeMessages::damaged(m_path, tr("the file is cut short"));
}

StoreError JetFile::pagesMissing() const
{
    return storeMessages::damaged(m_path, tr("some of its pages are missing"));
}

std::optional<StoreError> JetFile::openTable()
{
    m_file.setFileName(m_path);
    if (!m_file.open(QIODevice::ReadOnly | QIODevice::Unbuffered))
        return storeMessages::notReadable(m_path, m_file.errorString());

    // Check the size against the page size first: libmdb reads a file that is
    // cut short as zeros and carries on.
    const QByteArray head = m_file.read(versionOffset + 1);
    if (head.size() <= versionOffset)
        return cutShort();
    qint64 pageSize = 0;
    if (head.at(versionOffset) == jet3Version)
        pageSize = jet3PageSize;
    else if (head.at(versionOffset) == jet4Version)
        pageSize = jet4PageSize;
    else
        return storeMessages::notADatabase(m_path);
    const qint64 size = m_file.size();
    if (size % pageSize != 0 || size < minimumPages * pageSize)
        return cutShort();

    QByteArray firstPage = head + m_file.read(pageSize - head.size());
    if (firstPage.size() != pageSize)
        return storeMessages::notReadable(m_path, m_file.errorString());
    m_mdb = mdb_open_buffer(firstPage.data(), size_t(firstPage.size()), MDB_NOFLAGS);
    if (!m_mdb)
        return storeMessages::damaged(m_path, tr("its first page is not readable"));

    m_reader.fd = m_file.handle();
    m_reader.size = size;
    // libmdb opened the copy of the first page; every further read goes to the file.
    std::fclose(m_mdb->f->stream);
    m_mdb->f->stream = nullptr;
    const cookie_io_functions_t pages{readPage, nullptr, seekPage, closePages};
    FILE *stream = fopencookie(&m_reader, "r", pages);
    if (!stream)
        return storeMessages::notReadable(m_path, QString::fromLocal8Bit(std::strerror(errno)));
    // A buffer of one page lets each page read reach readPage whole (an
    // unbuffered stream would read byte by byte).
    std::setvbuf(stream, nullptr, _IOFBF, size_t(pageSize));
    m_mdb->f->stream = stream;

    if (auto error = findCardTable())
        return error;

    m_table = mdb_read_table(&m_entry);
    if (!m_table || !hasUsageMap(m_table) || !mdb_read_columns(m_table) || m_reader.readPastEnd) {
        if (m_reader.readPastEnd)
            return pagesMissing();
        return storeMessages::damaged(m_path, tr("the table tblflashcards cannot be read"));
    }
    for (unsigned int i = 0; i < m_table->num_cols && i < m_table->columns->len; ++i) {
        const auto *column = static_cast<const MdbColumn *>(g_ptr_array_index(m_table->columns, i));
        if (column && g_ascii_strcasecmp(column->name, CardStore::columnName) == 0) {
            m_column = int(i) + 1;
            break;
        }
    }
    if (m_column < 0)
        return storeMessages::noColumn(m_path);
    // Text, numbers and dates read as words; pictures and other blobs do not.
    const auto *column = static_cast<const MdbColumn *>(g_ptr_array_index(m_table->columns, m_column - 1));
    if (column->col_type == MDB_OLE || column->col_type == MDB_BINARY || column->col_type == MDB_COMPLEX)
        return storeMessages::failed(m_path, tr("the column cardname does not hold text"));
    mdb_rewind_table(m_table);
    return std::nullopt;
}

// The list of tables is itself a table, on page 2. libmdb's catalog reader
// would also parse every object's properties, which loops forever on some
// damaged files; only the kind, name and place of each object are read here.
std::optional<StoreError> JetFile::findCardTable()
{
    const auto unreadable = [this] {
        return m_reader.readPastEnd ? pagesMissing()
                                    : storeMessages::damaged(m_path, tr("its list of tables cannot be read"));
    };
    MdbCatalogEntry listEntry{};
    listEntry.mdb = m_mdb;
    listEntry.object_type = MDB_TABLE;
    listEntry.table_pg = listOfTablesPage;
    std::snprintf(listEntry.object_name, sizeof listEntry.object_name, "%s", "MSysObjects");
    MdbTableDef *list = mdb_read_table(&listEntry);
    const auto freeList = qScopeGuard([list] { mdb_free_tabledef(list); });
    if (!list || !hasUsageMap(list) || !mdb_read_columns(list) || m_reader.readPastEnd)
        return unreadable();

    std::vector<char> id(m_mdb->bind_size + 1, '\0');
    std::vector<char> name(m_mdb->bind_size + 1, '\0');
    std::vector<char> kind(m_mdb->bind_size + 1, '\0');
    char idColumn[] = "Id";
    char nameColumn[] = "Name";
    char kindColumn[] = "Type";
    if (mdb_bind_column_by_name(list, idColumn, id.data(), nullptr) < 0
        || mdb_bind_column_by_name(list, nameColumn, name.data(), nullptr) < 0
        || mdb_bind_column_by_name(list, kindColumn, kind.data(), nullptr) < 0)
        return unreadable();

    mdb_rewind_table(list);
    while (mdb_fetch_row(list)) {
        // Access compares table names without regard to case.
        if (std::atoi(kind.data()) == MDB_TABLE && g_ascii_strcasecmp(name.data(), CardStore::tableName) == 0) {
            if (m_reader.readPastEnd)
                return pagesMissing();
            // The low three bytes of an object's id are the page of its definition.
            m_entry.mdb = m_mdb;
            m_entry.object_type = MDB_TABLE;
            m_entry.table_pg = static_cast<unsigned long>(std::strtol(id.data(), nullptr, 10)) & 0x00ffffffUL;
            std::snprintf(m_entry.object_name, sizeof m_entry.object_name, "%s", CardStore::tableName);
            return std::nullopt;
        }
    }
    if (m_reader.readPastEnd)
        return pagesMissing();
    return storeMessages::noTable(m_path);
}

void JetFile::close()
{
    if (m_table)
        mdb_free_tabledef(m_table);
    m_table = nullptr;
    if (m_mdb)
        mdb_close(m_mdb);
    m_mdb = nullptr;
    m_file.close();
}

StoreResult<CardRows> JetFile::rows()
{
    if (auto error = openTable())
        return *error;
    auto *column = static_cast<MdbColumn *>(g_ptr_array_index(m_table->columns, m_column - 1));
    std::vector<char> word(m_mdb->bind_size + 1, '\0');
    int length = 0;
    if (mdb_bind_column(m_table, m_column, word.data(), &length) < 0)
        return storeMessages::failed(m_path, tr("the column cardname cannot be read"));
    CardRows rows;
    while (mdb_fetch_row(m_table)) {
        if (length <= 0)
            rows.append(std::nullopt);
        else
            rows.append(QString::fromUtf8(word.data(), std::min<qsizetype>(length, qsizetype(word.size()) - 1)));
    }
    column->bind_ptr = nullptr;
    column->len_ptr = nullptr;
    if (m_reader.readPastEnd)
        return pagesMissing();
    return rows;
}

} // namespace

StoreResult<CardRows> JetCardReader::rows(const QString &path)
{
    return JetFile(path).rows();
}
