// Writing the catalogue's bookmark file, for the command line and the File menu.
#pragma once

#include <QString>

namespace benchlist {

// Writes the bookmark file of the whole catalogue to `fileName`, replacing it
// only once the new one is complete. Returns an empty string on success, or
// the reason it failed.
QString WriteBookmarkFile(const QString &fileName);

} // namespace benchlist
