// The saved default display settings in the program's settings (group "Defaults").
#pragma once

#include <memory>

#include "saved_defaults.h"

class QSettings;

namespace calvex {

// The program's settings: organisation "Orlesk", application "Calvex".
std::unique_ptr<QSettings> openCalvexSettings();

// Values that are absent or not whole numbers take the built-in defaults.
DefaultsSnapshot readDefaults(QSettings& settings);
// Writes the twelve values in the order P, T, Q, V, H, S, C, K, M, Pr, CV, F67; failures are ignored.
void writeDefaults(QSettings& settings, const DefaultsSnapshot& snapshot);

}  // namespace calvex
