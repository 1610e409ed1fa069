#include "rename/renamejournal.h"

#include <QDateTime>
#include <QFile>

#include <algorithm>
#include <cerrno>
#include <charconv>
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

// Records are made in one reused buffer: a run writes tens of thousands of them, and
// building each out of temporary byte arrays cost more than the write itself.
void appendEncoded(std::string& out, const QByteArray& bytes)
{
    static const char digits[] = "0123456789ABCDEF";
    for (const char c : bytes) {
        if (isPlain(c)) {
            out += c;
        } else {
            const auto u = static_cast<unsigned char>(c);
            const char escaped[3] = {'%', digits[u >> 4], digits[u & 15]};
            out.append(escaped, 3);
        }
    }
}

template <typename Number> void appendNumber(std::string& out, Number value)
{
    char text[24];
    const auto end = std::to_chars(text, text + sizeof text, value).ptr;
    out.append(text, size_t(end - text));
}

void appendIdentity(std::string& out, const FileIdentity& id)
{
    appendNumber(out, id.device);
    out += ':';
    appendNumber(out, id.inode);
    out += ':';
    appendNumber(out, id.size);
    out += ':';
    appendNumber(out, id.mtimeSeconds);
    out += '.';
    appendNumber(out, id.mtimeNanoseconds);
    out += id.stableInode ? ":s:" : ":u:";
    appendNumber(out, id.mount);
}

QByteArray decode(std::string_view text)
{
    if (text.find('%') == std::string_view::npos)
        return QByteArray(text.data(), qsizetype(text.size()));
    QByteArray out;
    out.reserve(qsizetype(text.size()));
    for (size_t i = 0; i < text.size(); ++i) {
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

// The text up to the first separator, which is taken off; all of it when there is none.
std::string_view takeField(std::string_view& text, char separator)
{
    const size_t end = text.find(separator);
    const std::string_view field = text.substr(0, end);
    text = end == std::string_view::npos ? std::string_view() : text.substr(end + 1);
    return field;
}

template <typename Number> bool parseNumber(std::string_view text, Number& value)
{
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    return error == std::errc() && end == text.data() + text.size();
}

std::optional<FileIdentity> identityFrom(std::string_view text)
{
    FileIdentity id;
    std::string_view time;
    const bool ok = parseNumber(takeField(text, ':'), id.device) &&
                    parseNumber(takeField(text, ':'), id.inode) &&
                    parseNumber(takeField(text, ':'), id.size) &&
                    !(time = takeField(text, ':')).empty() &&
                    parseNumber(takeField(time, '.'), id.mtimeSeconds) &&
                    parseNumber(time, id.mtimeNanoseconds);
    if (!ok)
        return std::nullopt;
    id.stableInode = takeField(text, ':') == "s";
    if (!parseNumber(takeField(text, ':'), id.mount) || !text.empty())
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

RenameJournal::RenameJournal(int fd, QString path, qint64 end)
    : m_fd(fd), m_path(std::move(path)), m_end(end),
      m_syncDue(std::chrono::steady_clock::now() + SyncInterval)
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
    const QByteArray header =
        HeaderV2 + QByteArray::number(QDateTime::currentMSecsSinceEpoch()) + ' ' + bootId() + '\n';
    error = journal->append(std::string_view(header.constData(), size_t(header.size())));
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

// Reads the records of a journal into its content. Records are split by hand: a journal
// of 32767 renames is read each time Undo runs or a menu asks whether it can.
class RecordReader {
public:
    explicit RecordReader(RenameJournal::Content& content) : m_content(content) {}

    // Takes one record; outcomes belong to the T records in order.
    void take(std::string_view record)
    {
        using State = RenameJournal::State;
        auto& entries = m_content.entries;
        const std::string_view kind = takeField(record, ' ');
        if (kind == "T") {
            takeRename(record);
        } else if (kind == "P" && !entries.empty()) {
            // A new reservation: an earlier one of the same T was for a temporary name.
            entries.back().reserving = true;
            entries.back().reservation.reset();
        } else if (kind == "R" && !entries.empty() && record.find(' ') == std::string_view::npos) {
            entries.back().reservation = identityFrom(record);
        } else if ((kind == "D" || kind == "F" || kind == "N") && m_nextOutcome < entries.size()) {
            entries[m_nextOutcome++].state = kind == "D"   ? State::Renamed
                                             : kind == "F" ? State::Failed
                                                           : State::NotTried;
        } else if (kind == "B") {
            size_t index = 0;
            if (parseNumber(record, index) && index < entries.size())
                entries[index].state = State::RenamedBack;
        } else if (kind == "U") {
            takeUndoReservation(record);
        } else if (kind == "E") {
            m_content.finished = true;
        } else if (kind == "K") {
            m_content.reported = true;
        } else if (kind == "UNDONE") {
            m_content.undone = true;
        }
    }

private:
    // "n" (about to be made) or "n identity" (made).
    void takeUndoReservation(std::string_view record)
    {
        size_t index = 0;
        if (!parseNumber(takeField(record, ' '), index) || index >= m_content.entries.size())
            return;
        RenameJournal::Entry& entry = m_content.entries[index];
        entry.undoReserving = true;
        // Made, or about to be made anew: an earlier one is gone or was moved onto.
        entry.undoReservation = record.empty() ? std::nullopt : identityFrom(record);
    }

    // "folder old new" and, from version 2 on, " identity".
    void takeRename(std::string_view fields)
    {
        std::string_view parts[4];
        int count = 0;
        while (!fields.empty() && count < 4)
            parts[count++] = takeField(fields, ' ');
        if (count < 3 || !fields.empty())
            return;
        // A run renames folder by folder: one decoded folder is shared by its entries.
        if (parts[0] != m_folderText || m_content.entries.empty()) {
            m_folderText = parts[0];
            m_folder = decode(parts[0]);
        }
        m_content.entries.push_back(
            {m_folder, decode(parts[1]), decode(parts[2]), RenameJournal::State::Attempted,
             count == 4 ? identityFrom(parts[3]) : std::nullopt, std::nullopt});
    }

    RenameJournal::Content& m_content;
    size_t m_nextOutcome = 0;
    std::string_view m_folderText;
    QByteArray m_folder;
};

// Mount ids of an earlier boot may stand for other mounts now.
void forgetMounts(RenameJournal::Content& content)
{
    for (RenameJournal::Entry& entry : content.entries) {
        if (entry.identity)
            entry.identity->mount = 0;
        if (entry.reservation)
            entry.reservation->mount = 0;
        if (entry.undoReservation)
            entry.undoReservation->mount = 0;
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
    RecordReader reader(content);
    const std::string_view text(all.constData(), size_t(all.size()));
    for (size_t from = size_t(start); from < text.size();) {
        const size_t end = text.find('\n', from);
        if (end == std::string_view::npos)
            break; // cut short by a crash
        reader.take(text.substr(from, end - from));
        from = end + 1;
    }
    if (!content.sameBoot)
        forgetMounts(content);
    return content;
}

std::optional<RenameJournal::Ending> RenameJournal::readEnding(const QString& path)
{
    // Enough for the last T of any path with its outcome after it.
    constexpr qint64 TailBytes = qint64(64) * 1024;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    const QByteArray head = file.read(HeaderV2.size());
    const qint64 size = file.size();
    const qint64 from = std::max<qint64>(0, size - TailBytes);
    if (!file.seek(from))
        return std::nullopt;
    const QByteArray tail = file.read(size - from);
    if (tail.size() < 2 || tail.size() != size - from || !tail.endsWith('\n') ||
        tail.contains('\0'))
        return std::nullopt;
    const qsizetype lastStart = tail.lastIndexOf('\n', tail.size() - 2) + 1;
    if (lastStart == 0 && from > 0)
        return std::nullopt;
    Ending ending;
    ending.last = tail.mid(lastStart, tail.size() - 1 - lastStart);
    // In version 2 each T is followed by its own outcome (after its reservation and the
    // intent before it, if any).
    const qsizetype t = tail.lastIndexOf("\nT ");
    if (head != HeaderV2 || t < 0)
        return ending;
    std::string_view rest(tail.constData() + t + 3, size_t(tail.size() - t - 3));
    // The T's fields, split as the reader splits them.
    std::string_view rename = takeField(rest, '\n'), parts[4];
    int count = 0;
    while (!rename.empty() && count < 4)
        parts[count++] = takeField(rename, ' ');
    std::string_view record = takeField(rest, '\n');
    while (record == "P" || record.substr(0, 2) == "R ")
        record = takeField(rest, '\n');
    ending.endsAfterRename = count >= 3 && rename.empty() && decode(parts[1]) != decode(parts[2]) &&
                             record == "D" && takeField(rest, '\n') == "E" && rest.empty();
    return ending;
}

int RenameJournal::aboutToRename(const Entry& entry)
{
    // A run renames folder by folder: the folder is encoded once for all its files.
    if (entry.folder != m_folder) {
        m_folder = entry.folder;
        m_encodedFolder.clear();
        appendEncoded(m_encodedFolder, entry.folder);
    }
    m_record.assign("T ", 2);
    m_record += m_encodedFolder;
    m_record += ' ';
    appendEncoded(m_record, entry.oldName);
    m_record += ' ';
    appendEncoded(m_record, entry.newName);
    if (entry.identity) {
        m_record += ' ';
        appendIdentity(m_record, *entry.identity);
    }
    m_record += '\n';
    return append(m_record);
}

int RenameJournal::reserving()
{
    return append("P\n");
}

int RenameJournal::reserved(const FileIdentity& reservation)
{
    m_record.assign("R ", 2);
    appendIdentity(m_record, reservation);
    m_record += '\n';
    return append(m_record);
}

int RenameJournal::undoReserved(int index, const std::optional<FileIdentity>& reservation)
{
    m_record.assign("U ", 2);
    appendNumber(m_record, index);
    if (reservation) {
        m_record += ' ';
        appendIdentity(m_record, *reservation);
    }
    m_record += '\n';
    return append(m_record);
}

int RenameJournal::renamed(int error)
{
    if (error != 0) {
        m_record.assign("F ", 2);
        appendNumber(m_record, error);
        m_record += '\n';
        return append(m_record);
    }
    ++m_renamed;
    return append("D\n");
}

int RenameJournal::renamedBack(int index)
{
    m_record.assign("B ", 2);
    appendNumber(m_record, index);
    m_record += '\n';
    return append(m_record);
}

int RenameJournal::markUndone()
{
    return append("UNDONE\n");
}

int RenameJournal::markReported()
{
    return append("K\n");
}

int RenameJournal::finish()
{
    if (const int error = append("E\n"))
        return error;
    return sync();
}

int RenameJournal::append(std::string_view record)
{
    size_t done = 0;
    while (done < record.size()) {
        if (!m_map || m_end >= m_mapStart + m_mapSize) {
            if (const int error = mapFrom(m_end))
                return error;
        }
        const size_t room = size_t(m_mapStart + m_mapSize - m_end);
        const size_t part = std::min(room, record.size() - done);
        std::memcpy(m_map + (m_end - m_mapStart), record.data() + done, part);
        m_end += qint64(part);
        done += part;
    }
    // Records reach the disk in batches; a clock read costs far less than a sync.
    if (std::chrono::steady_clock::now() >= m_syncDue)
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
    // Populated at once: a fault for each page as records reach it cost more.
    void* map = ::mmap(nullptr, size_t(Extent), PROT_READ | PROT_WRITE, MAP_SHARED | MAP_POPULATE,
                       m_fd, start);
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
    m_syncDue = std::chrono::steady_clock::now() + SyncInterval;
    return ::fdatasync(m_fd) == 0 ? 0 : errno;
}
