#include "toolkits/qt/qt_fonts.h"

#include <QFontDatabase>
#include <QFontInfo>
#include <QStringList>
#include <utility>
#include <vector>

namespace quorvel::ui::qt {

QString InstalledFamily(const QString& family, int pixelSize) {
    // A handful of names, asked on the GUI thread only.
    static std::vector<std::pair<QString, QString>> known;
    for (const auto& [asked, installed] : known) {
        if (asked == family) return installed;
    }
    QString installed = family;
    if (!QFontDatabase::hasFamily(family)) {
        QFont probe(family);
        probe.setPixelSize(pixelSize);
        // The family of the engine Qt loads for it: fontconfig's first choice among
        // the installed ones, the one every later font of this name would get too.
        installed = QFontInfo(probe).family();
    }
    known.emplace_back(family, installed);
    return installed;
}

QFont LayoutFont(const QString& family, int pixelSize, bool bold, bool italic) {
    QFont f(InstalledFamily(family, pixelSize));
    f.setPixelSize(pixelSize);
    f.setBold(bold);
    f.setItalic(italic);
    return f;
}

}  // namespace quorvel::ui::qt
