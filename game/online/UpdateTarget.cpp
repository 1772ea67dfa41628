#include "online/UpdateTarget.h"

#include <QFile>
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

constexpr mode_t WhileWriting = 0600;
constexpr mode_t Verified = 0700;

bool writeAll(int fd, const char* data, qsizetype size) {
    while (size > 0) {
        const ssize_t written = ::write(fd, data, static_cast<size_t>(size));
        if (written < 0 && errno == EINTR)
            continue;
        if (written <= 0)
            return false;
        data += written;
        size -= written;
    }
    return true;
}

} // namespace

QString UpdateTarget::TempRoot() {
    const QString root = qEnvironmentVariable("TMPDIR");
    return root.isEmpty() ? QStringLiteral("/tmp") : root;
}

std::unique_ptr<UpdateTarget> UpdateTarget::Create(const QString& root) {
    QByteArray pattern = QFile::encodeName(root + QStringLiteral("/queltaupdate-XXXXXX"));
    if (::mkdtemp(pattern.data()) == nullptr)
        return nullptr;
    const QString folder = QFile::decodeName(pattern);
    std::unique_ptr<UpdateTarget> target = CreateIn(folder);
    if (!target) {
        ::rmdir(pattern.constData());
        return nullptr;
    }
    target->m_ownsFolder = true;
    return target;
}

std::unique_ptr<UpdateTarget> UpdateTarget::CreateIn(const QString& folder) {
    const QByteArray path = QFile::encodeName(folder + u'/' + FileName);
    const int fd = ::open(path.constData(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC,
                          WhileWriting);
    if (fd < 0)
        return nullptr;
    return std::unique_ptr<UpdateTarget>(new UpdateTarget(folder, fd, false));
}

UpdateTarget::UpdateTarget(QString folder, int fd, bool ownsFolder)
    : m_folder(std::move(folder)), m_fd(fd), m_ownsFolder(ownsFolder) {
}

UpdateTarget::~UpdateTarget() {
    if (!m_kept)
        Discard();
    else if (m_fd >= 0)
        ::close(m_fd);
}

bool UpdateTarget::Append(const QByteArray& bytes) {
    if (m_fd < 0 || !writeAll(m_fd, bytes.constData(), bytes.size()))
        return false;
    m_size += bytes.size();
    return true;
}

QByteArray UpdateTarget::Contents() const {
    QFile file(Path());
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return file.readAll();
}

// Everything is on the disk before the file may run; the descriptor is given up with it.
bool UpdateTarget::MakeExecutable() {
    if (m_fd < 0)
        return false;
    const bool ready = ::fsync(m_fd) == 0 && ::fchmod(m_fd, Verified) == 0;
    const bool closed = ::close(m_fd) == 0;
    m_fd = -1;
    return ready && closed;
}

void UpdateTarget::Keep() {
    m_kept = true;
}

void UpdateTarget::Discard() {
    if (m_fd >= 0)
        ::close(m_fd);
    m_fd = -1;
    ::unlink(QFile::encodeName(Path()).constData());
    if (m_ownsFolder)
        ::rmdir(QFile::encodeName(m_folder).constData());
    m_ownsFolder = false;
}
