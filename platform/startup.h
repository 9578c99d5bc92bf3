#pragma once

namespace platform {

// What the program sets up once, right after its QApplication: a write past the file size
// limit fails like any other write instead of ending the process (SIGXFSZ ignored), and Qt's
// own dialogs and menus speak the language of the default locale.
void prepareApplication();

}  // namespace platform
