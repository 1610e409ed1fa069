#include "rename/renamejournal.h"

#include <QFile>

#include <algorithm>
#include <cerrno>
#include <fcntl.h>
#include <unistd.h>

namespace {

const QByteArray Header = QByteArrayLiteral("filevane rename journal 1");

int writeAll(int fd, const QByteArray& bytes)
{
    const char* data = bytes.constData();
    qsizetype left = bytes.size();
    while (left > 0) {
        const ssize_t written = ::write(fd, data, size_t(left));
        if (written < 0) {
            if (errno == EINTR)
                continue;
            return errno;
        }
        data += written;
        left -= written;
    }
    return 0;
}

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

RenameJournal::RenameJournal(int fd, QString path) : m_fd(fd), m_path(std::move(path)) {}

RenameJournal::~RenameJournal()
{
    if (m_fd >= 0)
        ::close(m_fd);
}

std::unique_ptr<RenameJournal> RenameJournal::create(const QString& path, int& error)
{
    const QByteArray file = QFile::encodeName(path);
    const int fd =
        ::open(file.constData(), O_WRONLY | O_CREAT | O_EXCL | O_APPEND | O_CLOEXEC, 0600);
    if (fd < 0) {
        error = errno;
        return nullptr;
    }
    std::unique_ptr<RenameJournal> journal(new RenameJournal(fd, path));
    error = writeAll(fd, Header + '\n');
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
    const int fd = ::open(QFile::encodeName(path).constData(), O_WRONLY | O_APPEND | O_CLOEXEC);
    if (fd < 0) {
        error = errno;
        return nullptr;
    }
    error = 0;
    return std::unique_ptr<RenameJournal>(new RenameJournal(fd, path));
}

std::optional<RenameJournal::Content> RenameJournal::read(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    const QByteArray all = file.readAll();
    if (!all.startsWith(Header + '\n'))
        return std::nullopt;

    Content content;
    size_t nextOutcome = 0; // outcomes belong to the T records in order
    qsizetype start = Header.size() + 1;
    while (start < all.size()) {
        const qsizetype end = all.indexOf('\n', start);
        if (end < 0)
            break; // cut short by a crash
        const QList<QByteArray> fields = all.mid(start, end - start).split(' ');
        start = end + 1;
        const QByteArray& kind = fields.front();
        if (kind == "T" && fields.size() == 4) {
            content.entries.push_back(
                {decode(fields[1]), decode(fields[2]), decode(fields[3]), State::Attempted});
        } else if ((kind == "D" || kind == "F" || kind == "N") &&
                   nextOutcome < content.entries.size()) {
            content.entries[nextOutcome++].state = kind == "D"   ? State::Renamed
                                                   : kind == "F" ? State::Failed
                                                                 : State::NotTried;
        } else if (kind == "B" && fields.size() == 2) {
            bool number = false;
            const qsizetype index = fields[1].toLongLong(&number);
            if (number && index >= 0 && index < qsizetype(content.entries.size()))
                content.entries[size_t(index)].state = State::RenamedBack;
        } else if (kind == "UNDONE") {
            content.undone = true;
        }
    }
    return content;
}

void RenameJournal::setPlan(std::vector<Entry> plan)
{
    m_plan = std::move(plan);
    m_written = 0;
    m_outcomes = 0;
}

int RenameJournal::aboutToRename(int i)
{
    if (i < m_written)
        return 0;
    QByteArray records = std::move(m_pending);
    int count = m_pendingCount;
    m_pending.clear();
    m_pendingCount = 0;
    const qsizetype end = std::min<qsizetype>(qsizetype(m_plan.size()), i + qsizetype(Chunk));
    for (qsizetype k = m_written; k < end; ++k) {
        const Entry& entry = m_plan[size_t(k)];
        records += "T " + encode(entry.folder) + ' ' + encode(entry.oldName) + ' ' +
                   encode(entry.newName) + '\n';
    }
    count += int(end - m_written);
    m_written = end;
    return append(records, count);
}

void RenameJournal::renamed(int error)
{
    ++m_outcomes;
    ++m_pendingCount;
    if (error == 0) {
        m_pending += "D\n";
        ++m_renamed;
    } else {
        m_pending += "F " + QByteArray::number(error) + '\n';
    }
}

int RenameJournal::renamedBack(int index)
{
    m_pending += "B " + QByteArray::number(index) + '\n';
    if (++m_pendingCount < Chunk)
        return 0;
    const QByteArray records = std::move(m_pending);
    const int count = m_pendingCount;
    m_pending.clear();
    m_pendingCount = 0;
    return append(records, count);
}

int RenameJournal::markUndone()
{
    m_pending += "UNDONE\n";
    ++m_pendingCount;
    return 0;
}

int RenameJournal::finish()
{
    for (; m_outcomes < m_written; ++m_outcomes)
        m_pending += "N\n";
    const QByteArray records = std::move(m_pending);
    m_pending.clear();
    m_pendingCount = 0;
    if (const int error = writeAll(m_fd, records))
        return error;
    return sync();
}

int RenameJournal::append(const QByteArray& records, int count)
{
    if (const int error = writeAll(m_fd, records))
        return error;
    m_unsynced += count;
    if (m_unsynced >= SyncEvery)
        return sync();
    return 0;
}

int RenameJournal::sync()
{
    m_unsynced = 0;
    return ::fdatasync(m_fd) == 0 ? 0 : errno;
}
