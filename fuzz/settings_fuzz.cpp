// The stored settings (~/.config/Kelvane/Stellox.conf) as any bytes, read as the main window reads them.
#include "app/settings.h"
#include "fuzz/fuzz_check.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QSettings>
#include <QTemporaryDir>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <memory>

namespace {

struct TSettingsFolder {
    QTemporaryDir folder;
    QString file;
    TSettingsFolder() {
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, folder.path());
        QDir(folder.path()).mkpath(QStringLiteral("Kelvane"));
        file = folder.filePath(QStringLiteral("Kelvane/Stellox.conf"));
    }
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static TSettingsFolder settings;
    {
        QFile f(settings.file);
        if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate)) return 0;
        f.write(reinterpret_cast<const char*>(data), static_cast<qint64>(size));
    }
    const std::unique_ptr<QSettings> stored = almadex::user_settings();
    const almadex::TSetupValues v = almadex::read_setup(*stored);
    // Each value is read only when every value before it was.
    FUZZ_CHECK(!v.Left || v.Top);
    FUZZ_CHECK(!v.Run || v.Left);
    FUZZ_CHECK(!v.TipOn || v.Run);
    // The Islamic calendar chosen: a known one, and an adjustment within its limit.
    const almanac::TIslamicChoice choice = almadex::read_islamic_choice(*stored);
    FUZZ_CHECK(std::abs(choice.adjust_days) <= almanac::hijri_adjust_limit);
    return 0;
}
