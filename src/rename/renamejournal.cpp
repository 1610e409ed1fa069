#include "rename/renamejournal.h"

#include <QDateTime>
#include <QFile>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/mman.h>
#include <unistd.h>

namespace {

const QByteArray HeaderV1 = QByteArrayLiteral("filevane rename journal 1\n");
const QByteArray HeaderV2 = QByteArrayLiteral("filevane rename journal 2 ");
constexpr qint64 Extent = qint64(1) << 20; // the file grows and is mapped 1 MiB at a time

int syncFolderOf(const QString& path)
{
    const QByteArray file = QFile::encodeName(path);
    const qsizetype slash = file.lastIndexOf('/');
    const QByteArray folder = slash <= 0 ? QByteArray("/") : file.left(slash);
    const int fd = ::open(folder.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0)
        return errno;
    const int error = ::fsync(fd) == 0 ? 0 : errno;
    ::close(fd);
    // Some file systems cannot sync a folder; the file itself is synced all the same.
    return error == EINVAL ? 0 : error;
}

bool isPlain(char c)
{
    return c > ' ' && c < 0x7f && c != '%';
}

int hexValue(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    return -1;
}

QByteArray identityText(const FileIdentity& id)
{
    return QByteArray::number(id.device) + ':' + QByteArray::number(id.inode) + ':' +
           QByteArray::number(id.size) + ':' + QByteArray::number(id.mtimeSeconds) + '.' +
           QByteArray::number(id.mtimeNanoseconds) + ':' + (id.stableInode ? 's' : 'u') + ':' +
           QByteArray::number(id.mount);
}

std::optional<FileIdentity> identityFrom(const QByteArray& text)
{
    const QList<QByteArray> parts = text.split(':');
    const QList<QByteArray> time = parts.size() == 6 ? parts[3].split('.') : QList<QByteArray>();
    if (time.size() != 2)
        return std::nullopt;
    FileIdentity id;
    bool ok[6] = {};
    id.device = parts[0].toULongLong(&ok[0]);
    id.inode = parts[1].toULongLong(&ok[1]);
    id.size = parts[2].toLongLong(&ok[2]);
    id.mtimeSeconds = time[0].toLongLong(&ok[3]);
    id.mtimeNanoseconds = time[1].toLongLong(&ok[4]);
    id.stableInode = parts[4] == "s";
    id.mount = parts[5].toULongLong(&ok[5]);
    if (!std::all_of(std::begin(ok), std::end(ok), [](bool b) { return b; }))
        return std::nullopt;
    return id;
}

// Mount ids hold within one boot only.
QByteArray bootId()
{
    QFile file(QStringLiteral("/proc/sys/kernel/random/boot_id"));
    return file.open(QIODevice::ReadOnly) ? file.readAll().trimmed() : QByteArray("-");
}

// The journal's text up to its end: a killed run leaves zero bytes after its last record.
QByteArray recordsOf(const QByteArray& all)
{
    const qsizetype end = all.indexOf('\0');
    return end < 0 ? all : all.left(end);
}

} // namespace

QByteArray RenameJournal::encode(const QByteArray& bytes)
{
    static const char digits[] = "0123456789ABCDEF";
    QByteArray out;
    out.reserve(bytes.size());
    for (const char c : bytes) {
        if (isPlain(c)) {
            out += c;
        } else {
            const auto u = static_cast<unsigned char>(c);
            out += '%';
            out += digits[u >> 4];
            out += digits[u & 15];
        }
    }
    return out;
}

QByteArray RenameJournal::decode(const QByteArray& text)
{
    QByteArray out;
    out.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] == '%' && i + 2 < text.size() && hexValue(text[i + 1]) >= 0 &&
            hexValue(text[i + 2]) >= 0) {
            out += char(hexValue(text[i + 1]) * 16 + hexValue(text[i + 2]));
            i += 2;
        } else {
            out += text[i];
        }
    }
    return out;
}

RenameJournal::RenameJournal(int fd, QString path, qint64 end)
    : m_fd(fd), m_path(std::move(path)), m_end(end)
{
}

RenameJournal::~RenameJournal()
{
    unmap();
    if (m_fd >= 0) {
        // The file ends at its last record, not at the end of its last extent.
        if (::ftruncate(m_fd, m_end) != 0) {
            // The zero bytes left are read as the end all the same.
        }
        ::close(m_fd);
    }
}

std::unique_ptr<RenameJournal> RenameJournal::create(const QString& path, int& error)
{
    const QByteArray file = QFile::encodeName(path);
    const int fd = ::open(file.constData(), O_RDWR | O_CREAT | O_EXCL | O_CLOEXEC, 0600);
    if (fd < 0) {
        error = errno;
        return nullptr;
    }
    ::flock(fd, LOCK_EX | LOCK_NB); // new, so nobody else holds it
    std::unique_ptr<RenameJournal> journal(new RenameJournal(fd, path, 0));
    error = journal->append(HeaderV2 + QByteArray::number(QDateTime::currentMSecsSinceEpoch()) +
                            ' ' + bootId() + '\n');
    if (error == 0)
        error = journal->sync();
    if (error == 0)
        error = syncFolderOf(path);
    if (error != 0) {
        journal.reset();
        ::unlink(file.constData());
        return nullptr;
    }
    return journal;
}

std::unique_ptr<RenameJournal> RenameJournal::reopen(const QString& path, int& error)
{
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDWR | O_CLOEXEC);
    if (fd < 0) {
        error = errno;
        return nullptr;
    }
    if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
        error = errno == EWOULDBLOCK ? EBUSY : errno;
        ::close(fd);
        return nullptr;
    }
    QFile reader;
    const qint64 end =
        reader.open(fd, QIODevice::ReadOnly) ? recordsOf(reader.readAll()).size() : -1;
    if (end < 0 || ::ftruncate(fd, end) != 0) {
        error = end < 0 ? EIO : errno;
        ::close(fd);
        return nullptr;
    }
    error = 0;
    return std::unique_ptr<RenameJournal>(new RenameJournal(fd, path, end));
}

bool RenameJournal::inUse(const QString& path)
{
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        return false;
    const bool locked = ::flock(fd, LOCK_SH | LOCK_NB) != 0 && errno == EWOULDBLOCK;
    ::close(fd);
    return locked;
}

namespace {

// Takes one record into the content; outcomes belong to the T records in order.
void takeRecord(const QList<QByteArray>& fields, RenameJournal::Content& content,
                size_t& nextOutcome)
{
    using State = RenameJournal::State;
    auto& entries = content.entries;
    const QByteArray& kind = fields.front();
    if (kind == "T" && (fields.size() == 4 || fields.size() == 5)) {
        entries.push_back({RenameJournal::decode(fields[1]), RenameJournal::decode(fields[2]),
                           RenameJournal::decode(fields[3]), State::Attempted,
                           fields.size() == 5 ? identityFrom(fields[4]) : std::nullopt,
                           std::nullopt});
    } else if (kind == "R" && fields.size() == 2 && !entries.empty()) {
        entries.back().reservation = identityFrom(fields[1]);
    } else if ((kind == "D" || kind == "F" || kind == "N") && nextOutcome < entries.size()) {
        entries[nextOutcome++].state = kind == "D"   ? State::Renamed
                                       : kind == "F" ? State::Failed
                                                     : State::NotTried;
    } else if (kind == "B" && fields.size() == 2) {
        bool number = false;
        const qsizetype index = fields[1].toLongLong(&number);
        if (number && index >= 0 && index < qsizetype(entries.size()))
            entries[size_t(index)].state = State::RenamedBack;
    } else if (kind == "E") {
        content.finished = true;
    } else if (kind == "K") {
        content.reported = true;
    } else if (kind == "UNDONE") {
        content.undone = true;
    }
}

// Mount ids of an earlier boot may stand for other mounts now.
void forgetMounts(RenameJournal::Content& content)
{
    for (RenameJournal::Entry& entry : content.entries) {
        if (entry.identity)
            entry.identity->mount = 0;
        if (entry.reservation)
            entry.reservation->mount = 0;
    }
}

} // namespace

std::optional<RenameJournal::Content> RenameJournal::read(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    const QByteArray all = recordsOf(file.readAll());
    Content content;
    qsizetype start = all.indexOf('\n') + 1;
    if (all.startsWith(HeaderV1)) {
        content.version = 1;
    } else if (all.startsWith(HeaderV2) && start > 0) {
        content.version = 2;
        const QList<QByteArray> fields =
            all.mid(HeaderV2.size(), start - 1 - HeaderV2.size()).split(' ');
        content.startedMs = fields.front().toLongLong();
        content.sameBoot = fields.size() > 1 && fields[1] == bootId();
    } else {
        return std::nullopt;
    }
    size_t nextOutcome = 0;
    while (start < all.size()) {
        const qsizetype end = all.indexOf('\n', start);
        if (end < 0)
            break; // cut short by a crash
        takeRecord(all.mid(start, end - start).split(' '), content, nextOutcome);
        start = end + 1;
    }
    if (!content.sameBoot)
        forgetMounts(content);
    return content;
}

int RenameJournal::aboutToRename(const Entry& entry)
{
    // A run renames folder by folder: the folder is encoded once for all its files.
    if (entry.folder != m_folder) {
        m_folder = entry.folder;
        m_encodedFolder = encode(entry.folder);
    }
    QByteArray record =
        "T " + m_encodedFolder + ' ' + encode(entry.oldName) + ' ' + encode(entry.newName);
    if (entry.identity)
        record += ' ' + identityText(*entry.identity);
    return append(record + '\n');
}

int RenameJournal::reserved(const FileIdentity& reservation)
{
    return append("R " + identityText(reservation) + '\n');
}

int RenameJournal::renamed(int error)
{
    if (error != 0)
        return append("F " + QByteArray::number(error) + '\n');
    ++m_renamed;
    return append(QByteArrayLiteral("D\n"));
}

int RenameJournal::renamedBack(int index)
{
    return append("B " + QByteArray::number(index) + '\n');
}

int RenameJournal::markUndone()
{
    return append(QByteArrayLiteral("UNDONE\n"));
}

int RenameJournal::markReported()
{
    return append(QByteArrayLiteral("K\n"));
}

int RenameJournal::finish()
{
    if (const int error = append(QByteArrayLiteral("E\n")))
        return error;
    return sync();
}

int RenameJournal::append(const QByteArray& record)
{
    qsizetype done = 0;
    while (done < record.size()) {
        if (!m_map || m_end >= m_mapStart + m_mapSize) {
            if (const int error = mapFrom(m_end))
                return error;
        }
        const qsizetype room = qsizetype(m_mapStart + m_mapSize - m_end);
        const qsizetype part = std::min(room, record.size() - done);
        std::memcpy(m_map + (m_end - m_mapStart), record.constData() + done, size_t(part));
        m_end += part;
        done += part;
    }
    if (++m_unsynced >= SyncEvery)
        return sync();
    return 0;
}

int RenameJournal::mapFrom(qint64 offset)
{
    unmap();
    const qint64 page = ::sysconf(_SC_PAGESIZE);
    const qint64 start = offset / page * page;
    // Space is taken before it is mapped: a full disk then fails here, not as a fault on
    // the first write into the mapping.
    if (const int error = ::posix_fallocate(m_fd, start, Extent))
        return error;
    void* map = ::mmap(nullptr, size_t(Extent), PROT_READ | PROT_WRITE, MAP_SHARED, m_fd, start);
    if (map == MAP_FAILED)
        return errno;
    m_map = static_cast<char*>(map);
    m_mapStart = start;
    m_mapSize = Extent;
    return 0;
}

void RenameJournal::unmap()
{
    if (m_map)
        ::munmap(m_map, size_t(m_mapSize));
    m_map = nullptr;
    m_mapSize = 0;
}

int RenameJournal::sync()
{
    m_unsynced = 0;
    return ::fdatasync(m_fd) == 0 ? 0 : errno;
}
