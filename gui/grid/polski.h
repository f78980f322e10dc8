#pragma once
// Qt's own dialogs (files, colours) in Polish.

namespace velmor {

// Installs Qt's Polish translation in the running application where it is
// installed (Debian: qt6-translations-l10n); false when it is not.
bool PolskieDialogiQt();

}  // namespace velmor
