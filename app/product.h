// The product's name, version and addresses, as the windows show them.
#pragma once

#include <QString>

namespace almadex {

inline QString product_name() {
    return QStringLiteral("Almadex");
}
inline QString product_version() {
    return QStringLiteral(ALMADEX_VERSION);
}
/// The product's home page, opened by "Almadex home page..." and the about window's web link.
inline QString home_page() {
    return QStringLiteral("https://almadex.example.org/");
}
/// The maker's mail address, the about window's mail link.
inline QString mail_address() {
    return QStringLiteral("almadex@example.org");
}

} // namespace almadex
