// SPDX-License-Identifier: MIT
#include "ui/print/complete_file.hpp"

#include "ui/controls/whole_characters.hpp"

#include <QFile>
#include <QFileInfo>
#include <QObject>
#include <QRandomGenerator>

#include <array>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace tessaly {

namespace {

// The most bytes a name may have in `folder`.
qsizetype nameLimit(const QString& folder) {
    const long limit = ::pathconf(QFile::encodeName(folder).constData(), _PC_NAME_MAX);
    return limit > 0 ? limit : 255;
}

// A hidden name beside `target` that ends in `suffix` and that the folder can
// hold: the target's name is cut, by whole characters, where it is too long.
QByteArray temporaryName(const QFileInfo& target, const QString& suffix) {
    const QByteArray start = QFile::encodeName(target.absolutePath() + "/.");
    const QByteArray end = QFile::encodeName("." + suffix);
    const qsizetype room = nameLimit(target.absolutePath()) - 1 - end.size();
    const QString name = leftWholeGraphemes(target.fileName(), room, room);
    return start + QFile::encodeName(name) + end;
}

// Creates a new file beside `target` that nobody else uses; -1 with errno set
// when none can be made.
int createBeside(const QString& target, QByteArray& name) {
    const QFileInfo info(target);
    for (int attempt = 0; attempt < 100; ++attempt) {
        name = temporaryName(info, QString::number(QRandomGenerator::global()->generate(), 36));
        // The mode of a new file, less the user's umask, as any program's.
        const int fd = ::open(name.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd >= 0 || errno != EEXIST) {
            return fd;
        }
    }
    return -1;
}

bool writeAll(int fd, const QByteArray& bytes) {
    const char* next = bytes.constData();
    qsizetype left = bytes.size();
    while (left > 0) {
        const ssize_t written = ::write(fd, next, static_cast<size_t>(left));
        if (written < 0 && errno == EINTR) {
            continue;
        }
        if (written <= 0) {
            if (written == 0) {
                errno = EIO;
            }
            return false;
        }
        next += written;
        left -= written;
    }
    return true;
}

// A file that replaces another keeps its permissions.
bool keepMode(int fd, const QString& target) {
    struct stat old {};
    if (::stat(QFile::encodeName(target).constData(), &old) != 0) {
        return errno == ENOENT;
    }
    return ::fchmod(fd, old.st_mode & 07777) == 0;
}

} // namespace

QString fileErrorReason(int error) {
    struct Reason {
        int error;
        const char* words;
    };
    static constexpr std::array reasons = {
        Reason{ENOSPC, QT_TRANSLATE_NOOP("QObject", "The disk is full.")},
        Reason{EDQUOT, QT_TRANSLATE_NOOP("QObject", "Your share of the disk is used up.")},
        Reason{EACCES, QT_TRANSLATE_NOOP("QObject", "Permission denied.")},
        Reason{EPERM, QT_TRANSLATE_NOOP("QObject", "Permission denied.")},
        Reason{EROFS, QT_TRANSLATE_NOOP("QObject", "The disk can only be read, not written.")},
        Reason{ENOENT, QT_TRANSLATE_NOOP("QObject", "The folder does not exist.")},
        Reason{ENOTDIR, QT_TRANSLATE_NOOP("QObject", "The folder does not exist.")},
        Reason{ENAMETOOLONG, QT_TRANSLATE_NOOP("QObject", "The name is too long.")},
        Reason{EISDIR, QT_TRANSLATE_NOOP("QObject", "A folder has that name.")},
        Reason{EIO, QT_TRANSLATE_NOOP("QObject", "The disk reported an error.")},
    };
    for (const Reason& reason : reasons) {
        if (reason.error == error) {
            return QObject::tr(reason.words);
        }
    }
    return QString::fromLocal8Bit(std::strerror(error)) + ".";
}

QString writeCompleteFile(const QString& path, const QByteArray& bytes) {
    const QFileInfo info(path);
    // A link is followed, so that the file it points to is replaced, not the link.
    const QString target = info.isSymLink() ? info.symLinkTarget() : info.absoluteFilePath();
    if (QFileInfo::exists(target) && !QFileInfo(target).isFile()) {
        return QObject::tr("That name belongs to a folder or a device, not to a file.");
    }
    QByteArray temporary;
    const int fd = createBeside(target, temporary);
    if (fd < 0) {
        return fileErrorReason(errno);
    }
    bool written = writeAll(fd, bytes) && keepMode(fd, target) && ::fsync(fd) == 0;
    int error = written ? 0 : errno;
    if (::close(fd) != 0 && written) {
        written = false;
        error = errno;
    }
    if (written && ::rename(temporary.constData(), QFile::encodeName(target).constData()) != 0) {
        written = false;
        error = errno;
    }
    if (!written) {
        ::unlink(temporary.constData());
        return fileErrorReason(error);
    }
    return {};
}

} // namespace tessaly
