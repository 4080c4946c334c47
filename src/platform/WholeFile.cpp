#include "platform/WholeFile.h"

#include <QFile>
#include <QRandomGenerator>
#include <QString>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <algorithm>
#include <cerrno>
#include <optional>

#include "platform/Seams.h"

namespace vt {
namespace {

// The new file, writing straight through to the disk. Some encoders ignore a
// short write, so the file keeps its own record of every failure.
class CheckedFile : public QFile {
public:
    bool failed() const { return failed_ || error() != QFileDevice::NoError; }

protected:
    qint64 writeData(const char* data, qint64 length) override {
        qint64 allowed = length;
        // The write-limit seam: the disk is full after this many bytes of each file.
        if (const std::optional<qint64>& limit = CurrentSeams().writeLimit)
            allowed = std::clamp<qint64>(*limit - written_, 0, length);
        const qint64 done = allowed > 0 ? QFile::writeData(data, allowed) : 0;
        if (done > 0) written_ += done;
        if (done != length) {
            failed_ = true;
            return -1;
        }
        return done;
    }

private:
    qint64 written_ = 0;
    bool failed_ = false;
};

QByteArray FolderOf(const QByteArray& path) {
    const qsizetype slash = path.lastIndexOf('/');
    if (slash < 0) return ".";
    return slash == 0 ? QByteArray("/") : path.left(slash);
}

// A hidden name of fixed length in the target's folder, so that a target
// name of the longest allowed length still gets its new file.
int CreateNewFile(const QByteArray& folder, QByteArray& name) {
    for (int attempt = 0; attempt < 100; ++attempt) {
        name = folder + "/.veltrane-" + QByteArray::number(QRandomGenerator::global()->generate(), 16);
        const int fd = ::open(name.constData(), O_RDWR | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd >= 0 || errno != EEXIST) return fd;
    }
    return -1;
}

}  // namespace

bool WriteWholeFile(const QString& path, const std::function<bool(QIODevice&)>& fill) {
    const QByteArray target = QFile::encodeName(path);
    // A name with a NUL in it would be cut short there and land elsewhere.
    if (target.isEmpty() || target.endsWith('/') || target.contains('\0')) return false;
    const QByteArray folder = FolderOf(target);
    QByteArray temporary;
    const int fd = CreateNewFile(folder, temporary);
    if (fd < 0) return false;

    bool ok;
    {
        CheckedFile file;
        ok = file.open(fd, QIODevice::ReadWrite | QIODevice::Unbuffered, QFileDevice::DontCloseHandle);
        ok = ok && fill(file);
        ok = ok && !file.failed();
    }
    ok = ok && ::fsync(fd) == 0;
    ok = ::close(fd) == 0 && ok;
    ok = ok && ::rename(temporary.constData(), target.constData()) == 0;
    if (!ok) {
        ::unlink(temporary.constData());
        return false;
    }
    // Makes the rename itself durable; the file is whole either way.
    const int folderFd = ::open(folder.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (folderFd >= 0) {
        ::fsync(folderFd);
        ::close(folderFd);
    }
    return true;
}

}  // namespace vt
