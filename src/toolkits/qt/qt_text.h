#pragma once

// Text between the core's UTF-16 strings and Qt's, code unit for code unit. A
// decoding conversion such as QString::fromUtf16 would take a leading U+FEFF or
// U+FFFE for a byte-order mark, drop it or swap every byte after it; in a field
// they are just characters the user typed or the program wrote.

#include <QString>
#include <string>
#include <string_view>

namespace quorvel::ui::qt {

inline QString Q(std::u16string_view s) {
    static_assert(sizeof(QChar) == sizeof(char16_t));
    return QString(reinterpret_cast<const QChar*>(s.data()), static_cast<qsizetype>(s.size()));
}

inline std::u16string U(const QString& s) {
    return {reinterpret_cast<const char16_t*>(s.utf16()), static_cast<std::size_t>(s.size())};
}

}  // namespace quorvel::ui::qt
