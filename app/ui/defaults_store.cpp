#include "defaults_store.h"

#include <QSettings>

#include "app_strings.h"

namespace calvex {

std::unique_ptr<QSettings> openCalvexSettings() {
    return std::make_unique<QSettings>(QString::fromLatin1(kOrganization), QString::fromLatin1(kApplication));
}

namespace {

// A 32-bit value as stored, or the default when absent or not a whole number.
std::uint32_t readValue(QSettings& s, std::string_view name, std::uint32_t fallback) {
    const QVariant v = s.value(QString::fromLatin1(name.data(), static_cast<qsizetype>(name.size())));
    if (!v.isValid()) {
        return fallback;
    }
    bool ok = false;
    const qlonglong n = v.toLongLong(&ok);
    if (!ok || n < INT32_MIN || n > static_cast<qlonglong>(UINT32_MAX)) {
        return fallback;
    }
    return static_cast<std::uint32_t>(n);
}

}  // namespace

DefaultsSnapshot readDefaults(QSettings& settings) {
    DefaultsSnapshot snap = DefaultsSnapshot::builtIn();
    settings.beginGroup(QString::fromLatin1(kDefaultsGroup));
    for (const DefaultsEntry& e : kDefaultsOrder) {
        if (e.property < 0) {
            snap.formulation = readValue(settings, e.name, snap.formulation);
        } else {
            auto& slot = snap.values[static_cast<std::size_t>(e.property)];
            slot = readValue(settings, e.name, slot);
        }
    }
    settings.endGroup();
    return snap;
}

void writeDefaults(QSettings& settings, const DefaultsSnapshot& snapshot) {
    settings.beginGroup(QString::fromLatin1(kDefaultsGroup));
    for (const DefaultsEntry& e : kDefaultsOrder) {
        const std::uint32_t v =
            e.property < 0 ? snapshot.formulation : snapshot.values[static_cast<std::size_t>(e.property)];
        settings.setValue(QString::fromLatin1(e.name.data(), static_cast<qsizetype>(e.name.size())),
                          static_cast<qulonglong>(v));
    }
    settings.endGroup();
    settings.sync();
}

}  // namespace calvex
