#include "shell/DurableFile.hpp"

#include <fcntl.h>
#include <unistd.h>
#include <QDir>
#include <QFileInfo>
#include <QSaveFile>
#include <algorithm>
#include <cerrno>
#include <csignal>
#include <cstring>

namespace pellox::app::durableFile {
namespace {

QString syncFolder(const QString& folder) {
    const int fd = ::open(QFile::encodeName(folder).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) return QString::fromLocal8Bit(std::strerror(errno));
    const bool synced = ::fsync(fd) == 0 || errno == EINVAL;  // some filesystems cannot sync a folder
    const QString error = synced ? QString() : QString::fromLocal8Bit(std::strerror(errno));
    ::close(fd);
    return error;
}

}  // namespace

QString replace(const QString& path, const QByteArray& bytes) {
    survivesFileSizeLimit();
    const QString folder = QFileInfo(path).absolutePath();
    if (!QDir().mkpath(folder)) return QStringLiteral("cannot create the folder %1").arg(folder);
    QSaveFile file(path);
    // Unbuffered, so a short write shows at the call that made it rather than at a later flush.
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) return file.errorString();
    const qint64 written = file.write(bytes);
    if (written != bytes.size() || !file.flush()) {
        const QString error =
            QStringLiteral("%1 of %2 bytes written (%3)")
                .arg(std::max<qint64>(written, 0))
                .arg(bytes.size())
                .arg(file.error() == QFileDevice::NoError ? QStringLiteral("the write stopped short")
                                                          : file.errorString());
        file.cancelWriting();
        return error;
    }
    if (::fsync(file.handle()) != 0) {
        const QString error = QString::fromLocal8Bit(std::strerror(errno));
        file.cancelWriting();
        return error;
    }
    if (!file.commit()) return file.errorString();
    return syncFolder(folder);
}

void survivesFileSizeLimit() {
    static const bool ignored = [] { return ::signal(SIGXFSZ, SIG_IGN) != SIG_ERR; }();
    (void)ignored;
}

}  // namespace pellox::app::durableFile
