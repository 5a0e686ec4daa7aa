#include "widgets/shell/bookmarkfile.h"

#include "core/catalogueexport.h"
#include "catalogue/catalogue.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace benchlist {

namespace {

// A short write says nothing of why; the next attempt meets the error itself
// (a full disk, say) and names it.
bool WriteAll(QFileDevice &file, const QByteArray &contents)
{
    qint64 written = 0;
    while (written < contents.size()) {
        const qint64 count = file.write(contents.constData() + written, contents.size() - written);
        if (count <= 0)
            return false;
        written += count;
    }
    return true;
}

// A device or a pipe has no older contents to keep, and must not be replaced
// by a renamed file: it is written to in place.
QString WriteInPlace(const QString &fileName, const QByteArray &contents)
{
    QFile file(fileName);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered) || !WriteAll(file, contents))
        return file.errorString();
    return {};
}

} // namespace

QString WriteBookmarkFile(const QString &fileName)
{
    const std::string html = BookmarksHtml(catalogue::kButtonOrder);
    const QByteArray contents(html.data(), static_cast<qsizetype>(html.size()));
    const QFileInfo target(fileName);
    if (target.exists() && !target.isFile() && !target.isDir())
        return WriteInPlace(fileName, contents);

    // Unbuffered, so that a full disk is reported by the write that meets it.
    QSaveFile file(fileName);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return file.errorString();
    if (!WriteAll(file, contents)) {
        const QString reason = file.errorString();
        file.cancelWriting();
        return reason;
    }
    if (!file.commit())
        return file.errorString();
    return {};
}

} // namespace benchlist
