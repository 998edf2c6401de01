#pragma once

namespace toolkit {

// Qt's own texts (message-box buttons, the edit fields' context menus) in German, from
// the translations installed with Qt. Call once the application object exists. A missing
// translation leaves those texts English and is reported as a warning; returns whether
// the translation was loaded.
bool installGermanQtTexts();

} // namespace toolkit
