#include "toolkits/qt/qt_fonts.h"

#include <QFontDatabase>
#include <QFontInfo>
#include <QList>
#include <QStringView>
#include <QStringList>
#include <algorithm>
#include <utility>
#include <vector>

#include "toolkits/qt/qt_text.h"

namespace quorvel::ui::qt {

namespace {

// Whether `family` has the letters of the scripts in `text` that a Latin family may
// lack; what it lacks of other scripts is left to Qt's fallback fonts.
bool Writes(const QString& family, const QString& text) {
    QList<QFontDatabase::WritingSystem> systems;
    for (const QChar c : text) {
        switch (c.script()) {
            case QChar::Script_Greek: systems.append(QFontDatabase::Greek); break;
            case QChar::Script_Cyrillic: systems.append(QFontDatabase::Cyrillic); break;
            default: break;
        }
    }
    if (systems.isEmpty()) return true;
    const QList<QFontDatabase::WritingSystem> has = QFontDatabase::writingSystems(family);
    return std::all_of(systems.cbegin(), systems.cend(), [&](QFontDatabase::WritingSystem w) { return has.contains(w); });
}

}  // namespace

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

QFont ControlFont(const FontSpec& spec, const QString& text) {
    QFont f = LayoutFont(Q(spec.family), spec.pixelSize, spec.bold, spec.italic);
    if (!Writes(f.family(), text)) {
        const FontSpec& window = Layout()[static_cast<std::size_t>(IndexOf(kMainWindow))].font;
        const QString windowFamily = InstalledFamily(Q(window.family), window.pixelSize);
        if (Writes(windowFamily, text)) f.setFamily(windowFamily);
    }
    return f;
}

}  // namespace quorvel::ui::qt
