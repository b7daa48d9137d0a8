#pragma once

// Installs Qt's own Bulgarian texts (the context menus of the input line and the explanation
// box, "Отмяна", "Копиране", ...) from Qt's translations directory, where Debian's
// qt6-translations-l10n puts them. The window's own texts are written in Bulgarian already and
// are not translated. Without the translations Qt's texts stay English.
void InstallQtTranslations();
