#pragma once

// Installs Qt's own Russian texts (file dialogs, message-box buttons, the overwrite
// question), whatever the system's language: the program speaks Russian only. False when
// Qt's translation file is not installed; the dialogs then stay in English.
bool installQtTranslations();
