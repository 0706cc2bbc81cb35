#pragma once
// Replacing a file so that a failure anywhere (a full disk, a file-size limit, a folder that cannot be
// written) leaves the previous file in place, and a success is on disk when the call returns.
#include <QByteArray>
#include <QString>

namespace pellox::app::durableFile {

// Writes `bytes` to a temporary file beside `path`, checks every write, flushes it to disk, renames it over
// `path` and flushes the folder. The folder is created when missing. Returns an empty text on success, else
// why it failed; on failure `path` is untouched.
QString replace(const QString& path, const QByteArray& bytes);

// From then on a write past the process's file-size limit fails like a full disk instead of ending the
// process (SIGXFSZ is ignored).
void survivesFileSizeLimit();

}  // namespace pellox::app::durableFile
