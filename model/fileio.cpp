#include "model/fileio.h"

#include <QFileInfo>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace quill {
namespace {

// Closes a descriptor on every path out of a function.
class Descriptor {
public:
    explicit Descriptor(int fd) : fd_(fd) {}
    ~Descriptor() { reset(); }
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;
    int release()
    {
        const int result = (fd_ >= 0) ? ::close(fd_) : 0;
        fd_ = -1;
        return result;
    }
    void reset()
    {
        if (fd_ >= 0)
            ::close(fd_);
        fd_ = -1;
    }

private:
    int fd_;
};

QByteArray nativePath(const QString& path)
{
    return QFileInfo(path).absoluteFilePath().toLocal8Bit();
}

bool readAll(int fd, qint64 maxBytes, QByteArray& out, int& errnum)
{
    out.clear();
    char buffer[8192];
    while (maxBytes < 0 || out.size() < maxBytes) {
        const qint64 want = maxBytes < 0 ? qint64(sizeof buffer)
                                         : std::min<qint64>(sizeof buffer, maxBytes - out.size());
        const ssize_t got = ::read(fd, buffer, static_cast<size_t>(want));
        if (got < 0) {
            if (errno == EINTR)
                continue;
            errnum = errno;
            return false;
        }
        if (got == 0)
            break;
        out.append(buffer, got);
    }
    return true;
}

bool writeAll(int fd, const QByteArray& data, int& errnum)
{
    const char* p = data.constData();
    qint64 left = data.size();
    while (left > 0) {
        const ssize_t done = ::write(fd, p, static_cast<size_t>(left));
        if (done < 0) {
            if (errno == EINTR)
                continue;
            errnum = errno;
            return false;
        }
        p += done;
        left -= done;
    }
    return true;
}

// A symbolic link is written through, so that the link itself survives.
QString writeTarget(const QString& path)
{
    const QFileInfo info(path);
    if (info.isSymLink()) {
        const QString target = info.symLinkTarget();
        if (!target.isEmpty())
            return target;
    }
    return info.absoluteFilePath();
}

FileStatus atomicWrite(const QString& shownPath, const QString& target, const QByteArray& content,
                       mode_t mode)
{
    const QByteArray targetBytes = target.toLocal8Bit();
    QByteArray tempName = QFileInfo(target).absolutePath().toLocal8Bit() + "/."
        + QFileInfo(target).fileName().toLocal8Bit() + ".XXXXXX";
    const int fd = ::mkstemp(tempName.data());
    if (fd < 0)
        return FileStatus::fromErrno(errno, shownPath);
    Descriptor file(fd);
    int errnum = 0;
    auto fail = [&](int e) {
        file.reset();
        ::unlink(tempName.constData());
        return FileStatus::fromErrno(e, shownPath);
    };
    if (::fchmod(fd, mode) != 0)
        return fail(errno);
    if (!writeAll(fd, content, errnum))
        return fail(errnum);
    if (::fsync(fd) != 0)
        return fail(errno);
    if (file.release() != 0) {
        const int e = errno;
        ::unlink(tempName.constData());
        return FileStatus::fromErrno(e, shownPath);
    }
    if (::rename(tempName.constData(), targetBytes.constData()) != 0) {
        const int e = errno;
        ::unlink(tempName.constData());
        return FileStatus::fromErrno(e, shownPath);
    }
    return FileStatus::success(shownPath);
}

mode_t newFileMode()
{
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return 0666 & ~mask;
}

enum class TailPolicy { Keep, Drop };

FileStatus replaceFile(const QString& path, const QByteArray& head, TailPolicy tail)
{
    const QString target = writeTarget(path);
    QByteArray content = head;
    mode_t mode = newFileMode();
    struct stat st {};
    if (::stat(target.toLocal8Bit().constData(), &st) == 0) {
        if (S_ISDIR(st.st_mode))
            return FileStatus::fromErrno(EISDIR, path);
        // Replacing by rename would get round a file the user made
        // read-only; such a file is refused as opening it would be, also
        // for a user who may write anything.
        if ((st.st_mode & 0222) == 0 || ::access(target.toLocal8Bit().constData(), W_OK) != 0)
            return FileStatus::fromErrno(EACCES, path);
        mode = st.st_mode & 07777;
        if (tail == TailPolicy::Keep) {
            QByteArray old;
            const FileStatus read = readFileStart(target, -1, old);
            if (!read.ok())
                return FileStatus::failure(read.errorNumber, read.errorText, path);
            if (old.size() > head.size())
                content.append(old.constData() + head.size(), old.size() - head.size());
        }
    } else if (errno != ENOENT) {
        return FileStatus::fromErrno(errno, path);
    }
    return atomicWrite(path, target, content, mode);
}

}  // namespace

FileStatus FileStatus::fromErrno(int errnum, const QString& path)
{
    return {errnum, QString::fromLocal8Bit(std::strerror(errnum)), path};
}

FileStatus readFileStart(const QString& path, qint64 maxBytes, QByteArray& bytes, ReadLock lock)
{
    bytes.clear();
    // Non-blocking open: a FIFO or device named like one of our files must
    // not hang the program before it is refused below.
    const int fd = ::open(nativePath(path).constData(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    if (fd < 0)
        return FileStatus::fromErrno(errno, path);
    Descriptor file(fd);
    struct stat st {};
    if (::fstat(fd, &st) != 0)
        return FileStatus::fromErrno(errno, path);
    if (S_ISDIR(st.st_mode))
        return FileStatus::fromErrno(EISDIR, path);
    if (!S_ISREG(st.st_mode))
        return FileStatus::fromErrno(EINVAL, path);
    const int flags = ::fcntl(fd, F_GETFL);
    if (flags < 0 || ::fcntl(fd, F_SETFL, flags & ~O_NONBLOCK) != 0)
        return FileStatus::fromErrno(errno, path);
    if (lock == ReadLock::BlockWriters) {
        while (::flock(fd, LOCK_SH) != 0) {
            if (errno != EINTR)
                return FileStatus::fromErrno(errno, path);
        }
    }
    int errnum = 0;
    if (!readAll(fd, maxBytes, bytes, errnum))
        return FileStatus::fromErrno(errnum, path);
    if (file.release() != 0)
        return FileStatus::fromErrno(errno, path);
    return FileStatus::success(path);
}

FileStatus writeFileKeepingTail(const QString& path, const QByteArray& head)
{
    return replaceFile(path, head, TailPolicy::Keep);
}

FileStatus writeWholeFile(const QString& path, const QByteArray& content)
{
    return replaceFile(path, content, TailPolicy::Drop);
}

}  // namespace quill
