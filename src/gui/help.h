#pragma once

#include <QString>
#include <QUrl>
#include <functional>

namespace qx210 {

// The user guide: an HTML file in the program's folder named after the
// application's English title.
QString HelpFileName();  // "ZERATH QX-210 Radio Software V1.80.html"

// The folder that holds the guide: beside the program in the build tree, the
// installed documentation folder (share/doc/qx210 beside bin/) otherwise.
QString DefaultHelpFolder();

// Opens `folder`/HelpFileName() in the system's browser through `open`
// (QDesktopServices::openUrl when empty). A missing file, or one the system
// cannot open, is reported through ShowLocalizedMessage. True when opened.
using UrlOpener = std::function<bool(const QUrl&)>;
bool OpenHelpFile(const QString& folder, const UrlOpener& open = {});

}  // namespace qx210
